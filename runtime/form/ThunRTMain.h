#pragma once

#include <memory>
#include <string_view>

namespace rt {

class Form;
class Session;

// What the start function needs to know of a program.
struct ProjectDescription {
    // The application's name, in Windows-1251 as the definition's texts:
    // the title of its message boxes.
    std::string_view name {};
    // Shown as major.minor, for instance "1.00".
    std::string_view version {};
    // The desktop entry's name, where the platform has such entries.
    std::string_view desktopFileName {};
    // Creates the start-up form with its controls and their contents.
    std::unique_ptr<Form> (*createStartupForm)(Session& session) = nullptr;
};

// Starts the program: creates the start-up form, raises its Load, shows it
// and runs the event loop until the form is closed or a run-time error ends
// the program. Returns the exit status. The command line is not read.
int ThunRTMain(const ProjectDescription& project);

} // namespace rt
