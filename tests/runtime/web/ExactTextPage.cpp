// A page that tells its composition box's exact text on request: after
// rtReport(), window.rtExact holds Text1(0).Text(), code unit for code unit.
// A pick in the list appends its row to the text, as a letter board does.

#include "Form.h"
#include "ListBox.h"
#include "SampleForm.h"
#include "TextBox.h"
#include "ThunRTMain.h"

#include <emscripten.h>
#include <memory>
#include <string>

namespace {

rt::Form* shown = nullptr;

// The JavaScript is the macro's argument, which clang-format would take for C++.
// clang-format off
// NOLINTNEXTLINE
EM_JS(void, tell, (const char16_t* text, int length), {
    window.rtExact = new TextDecoder('utf-16le').decode(HEAPU16.subarray(text >> 1, (text >> 1) + length));
});
// NOLINTNEXTLINE
EM_JS(void, offerReport, (), { window.rtReport = function() { _exact_text_report(); }; });
// clang-format on

std::unique_ptr<rt::Form> reporting(rt::Session& session)
{
    auto form = std::make_unique<rt::Form>(session, sample::kForm);
    shown = form.get();
    rt::TextBox& box = form->array(sample::Text1).Item(0);
    rt::ListBox& list = form->control(sample::List1);
    list.setClickHandler([&box, &list] { box.SetText(box.Text() + list.List(list.ListIndex())); });
    offerReport();
    return form;
}

} // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void exact_text_report()
{
    const std::u16string text = shown->array(sample::Text1).Item(0).Text();
    tell(text.data(), static_cast<int>(text.size()));
}

int main()
{
    return rt::ThunRTMain({ .name = rt::windows1251::view(sample::kCaption),
        .version = "1.00",
        .createStartupForm = &reporting });
}
