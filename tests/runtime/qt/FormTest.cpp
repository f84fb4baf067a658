#include "Form.h"

#include "SampleForm.h"
#include "Session.h"
#include "Widgets.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Form : public ::testing::Test {
protected:
    rt::Session session { u"Проба" };
    rt::Form form { session, sample::kForm };
};

TEST_F(Form, BuildsItsControlsWithTheirDecodedContents)
{
    EXPECT_EQ(rt::widgetOf(form).windowTitle(), QString::fromUtf8("Проба"));
    EXPECT_EQ(form.array(sample::Text1).Item(0).Text(), u"Здравей\r\nсвят\r\n");
    const auto& list = form.control(sample::List1);
    EXPECT_EQ(list.List(0), u"х");
    EXPECT_EQ(list.List(1), u"у");
    EXPECT_EQ(list.ListIndex(), rt::kNoSelection);
    EXPECT_EQ(
        rt::widgetOf(form.array(sample::Command1).Item(1)).text(), QString::fromUtf8("Добре"));
    EXPECT_EQ(rt::widgetOf(form.array(sample::Label1).Item(0)).text(), QString::fromUtf8("Проба"));
}

TEST_F(Form, PlacesControlsInPixelsFromTwips)
{
    EXPECT_EQ(rt::widgetOf(form).size(), QSize(300, 200));
    EXPECT_EQ(rt::widgetOf(form.control(sample::List1)).geometry(), QRect(10, 10, 80, 100));
    EXPECT_EQ(
        rt::widgetOf(form.array(sample::Command1).Item(1)).geometry(), QRect(100, 10, 100, 25));
}

TEST_F(Form, ItemOfAMissingElementIsError340)
{
    const auto boxes = form.array(sample::Text1);
    EXPECT_NO_THROW((void)boxes.Item(3));
    for (const rt::Index missing : { rt::Index { 1 }, rt::Index { -1 }, rt::Index { 2 } }) {
        try {
            (void)boxes.Item(missing);
            ADD_FAILURE() << "no error for element " << missing;
        } catch (const rt::RuntimeError& error) {
            EXPECT_EQ(error.number(), 340);
        }
    }
}

TEST_F(Form, AWrongNameOrKindIsAFaultOfTheProgram)
{
    const auto fault = [](auto resolve) -> std::string {
        try {
            resolve();
        } catch (const rt::DefinitionError& error) {
            return error.what();
        }
        return "no fault";
    };
    EXPECT_EQ(fault([&] { (void)form.array(rt::ArrayName<rt::TextBox> { "Text2" }); }),
        "form 'Sample' has no control named 'Text2'");
    EXPECT_EQ(fault([&] { (void)form.control(rt::ControlName<rt::ListBox> { "list1" }); }),
        "form 'Sample' has no control named 'list1'");
    EXPECT_EQ(fault([&] { (void)form.array(rt::ArrayName<rt::Label> { "Text1" }); }),
        "element 3 of 'Text1' of form 'Sample' is a control of another kind");
    EXPECT_EQ(fault([&] { (void)form.control(rt::ControlName<rt::TextBox> { "List1" }); }),
        "'List1' of form 'Sample' is a control of another kind");
    EXPECT_EQ(fault([&] { (void)form.control(rt::ControlName<rt::TextBox> { "Text1" }); }),
        "'Text1' of form 'Sample' is a control array, not a single control");
    EXPECT_EQ(fault([&] { (void)form.array(rt::ArrayName<rt::ListBox> { "List1" }); }),
        "'List1' of form 'Sample' is a single control, not a control array");
}

TEST_F(Form, RaisesLoadOnlyWhenAsked)
{
    int loads = 0;
    form.setLoadHandler([&] { ++loads; });
    EXPECT_EQ(loads, 0);
    form.load();
    EXPECT_EQ(loads, 1);
}

TEST_F(Form, ShowsWithTheFocusOnTheFirstOfTheTabOrder)
{
    form.showForm();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&rt::widgetOf(form)));
    auto& text = rt::widgetOf(form.array(sample::Text1).Item(0));
    auto& list = rt::widgetOf(form.control(sample::List1));
    auto& button = rt::widgetOf(form.array(sample::Command1).Item(1));
    EXPECT_TRUE(text.hasFocus());
    EXPECT_FALSE(rt::widgetOf(form.array(sample::Text1).Item(3)).isVisible());
    QTest::keyClick(&text, Qt::Key_Tab);
    EXPECT_TRUE(list.hasFocus());
    QTest::keyClick(&list, Qt::Key_Tab);
    EXPECT_TRUE(button.hasFocus());
    QTest::keyClick(&button, Qt::Key_Tab);
    EXPECT_TRUE(text.hasFocus()) << "the hidden box and the label take no focus";
}

} // namespace
