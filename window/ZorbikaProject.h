#pragma once

#include "ThunRTMain.h"

namespace zorbika {

// The project: one window, Zorbika, which is also the start-up object.
const rt::ProjectDescription& zorbikaProject();

} // namespace zorbika
