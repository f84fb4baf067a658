#include "ZorbikaProject.h"

#include "Version.h"
#include "Zorbika.h"

namespace zorbika {

namespace {

std::unique_ptr<rt::Form> createZorbika(rt::Session& session)
{
    return std::make_unique<Zorbika>(session);
}

const rt::ProjectDescription kProject {
    .name = kProgramName,
    .version = kShortVersion,
    .desktopFileName = kDesktopFileName,
    .createStartupForm = &createZorbika,
};

} // namespace

const rt::ProjectDescription& zorbikaProject()
{
    return kProject;
}

} // namespace zorbika
