#pragma once

#include <functional>

// Places where tests make a control operation fail as the machine would,
// without exhausting it. Empty in the program.
namespace rt::seams {

// Runs before every write of a text box's Text; throwing std::bad_alloc
// there stands for running out of memory.
inline std::function<void()> beforeTextWrite;

} // namespace rt::seams
