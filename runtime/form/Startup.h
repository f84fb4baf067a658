#pragma once

#include "ThunRTMain.h"

#include <memory>

namespace rt {

// The start function's first steps, the same on every platform: creates the
// program's start-up form and raises its Load. Returns the form to show, or
// none when a run-time error has ended the run; the session then holds the
// status to end with.
std::unique_ptr<Form> loadStartupForm(Session& session, const ProjectDescription& project);

} // namespace rt
