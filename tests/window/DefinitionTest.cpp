#include "Windows1251Oracle.h"
#include "ZorbikaDefinition.h"
#include "ZorbikaFixture.h"

#include <QLabel>
#include <string>
#include <vector>

namespace zorbika::testing {
namespace {

using testing_support::decodeWithSystem;

std::u16string iconvText(std::string_view bytes)
{
    const auto text = decodeWithSystem(bytes);
    EXPECT_TRUE(text) << "not Windows-1251";
    return text.value_or(u"");
}

TEST(Definition, ListsTheSevenControlsInItsOrder)
{
    std::vector<std::string> listed;
    for (const auto& control : zorbikaDefinition().controls) {
        std::string entry(control.name);
        if (control.element) {
            entry.append("(").append(std::to_string(*control.element)).append(")");
        }
        listed.push_back(entry);
    }
    EXPECT_EQ(listed,
        (std::vector<std::string> { "Command1(2)", "Command1(1)", "Command1(0)", "List1",
            "Text1(1)", "Text1(0)", "Label1(0)" }));
}

using DecodedTexts = ZorbikaTest;

TEST_F(DecodedTexts, EveryTextIsTheWindows1251OfTheDefinition)
{
    const rt::FormDefinition& definition = zorbikaDefinition();
    EXPECT_EQ(window().windowTitle().toStdU16String(), iconvText(definition.caption));
    for (const auto& control : definition.controls) {
        SCOPED_TRACE(std::string(control.name));
        const std::u16string expected = iconvText(control.text);
        switch (control.kind) {
        case rt::ControlKind::TextBox:
            EXPECT_EQ(form.Text1.Item(*control.element).Text(), expected);
            break;
        case rt::ControlKind::CommandButton:
            EXPECT_EQ(button(*control.element).text().toStdU16String(), expected);
            break;
        case rt::ControlKind::Label:
            EXPECT_EQ(
                rt::widgetOf(form.Label1.Item(*control.element)).text().toStdU16String(), expected);
            break;
        case rt::ControlKind::ListBox:
            ASSERT_EQ(control.list.size(), static_cast<std::size_t>(list().count()));
            for (std::size_t row = 0; row < control.list.size(); ++row) {
                EXPECT_EQ(list().List(static_cast<rt::Index>(row)), iconvText(control.list[row]));
            }
            break;
        }
    }
}

TEST_F(DecodedTexts, CaptionsAreTheBulgarianOnes)
{
    EXPECT_EQ(button(0).text(), QString::fromUtf8("Интервал"));
    EXPECT_EQ(button(1).text(), QString::fromUtf8("Нов ред"));
    EXPECT_EQ(button(2).text(), QString::fromUtf8("Изчисти"));
    EXPECT_EQ(title().text(), QString::fromUtf8("Зорбика"));
    EXPECT_TRUE(window().windowTitle().endsWith(QString::fromUtf8("  Зорбика")));
}

} // namespace
} // namespace zorbika::testing
