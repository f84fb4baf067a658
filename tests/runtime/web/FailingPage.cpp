// A page whose program fails, for the checks of how a page reports a run-time
// error: in Load when the page's address ends in #load, otherwise at each
// press of the button "Добре".

#include "Form.h"
#include "RuntimeError.h"
#include "SampleForm.h"
#include "ThunRTMain.h"

#include <emscripten.h>
#include <memory>

namespace {

// The JavaScript is the macro's argument, which clang-format would take for C++.
// clang-format off
// NOLINTNEXTLINE
EM_JS(int, failsInLoad, (), { return location.hash === '#load' ? 1 : 0; });
// clang-format on

std::unique_ptr<rt::Form> failing(rt::Session& session)
{
    auto form = std::make_unique<rt::Form>(session, sample::kForm);
    if (failsInLoad() != 0) {
        form->setLoadHandler(
            [] { throw rt::RuntimeError(rt::RuntimeError::kControlArrayElementMissing); });
    }
    form->array(sample::Command1).Item(1).setClickHandler([] {
        throw rt::RuntimeError(rt::RuntimeError::kInvalidPropertyArrayIndex);
    });
    return form;
}

} // namespace

int main()
{
    return rt::ThunRTMain({ .name = rt::windows1251::view(sample::kCaption),
        .version = "1.00",
        .createStartupForm = &failing });
}
