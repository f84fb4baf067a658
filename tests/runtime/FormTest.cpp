#include "Form.h"

#include "CommandButton.h"
#include "Label.h"
#include "ListBox.h"
#include "SampleForm.h"
#include "TextBox.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(Form, BuildsItsControlsWithTheirDecodedContents)
{
    rt::Form form(sample::kForm);
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Проба"));
    EXPECT_EQ(form.array<rt::TextBox>("Text1").Item(0).Text(), u"Здравей\r\nсвят\r\n");
    const auto& list = form.control<rt::ListBox>("List1");
    EXPECT_EQ(list.List(0), u"х");
    EXPECT_EQ(list.List(1), u"у");
    EXPECT_EQ(list.ListIndex(), rt::kNoSelection);
    EXPECT_EQ(form.array<rt::CommandButton>("Command1").Item(1).text(), QString::fromUtf8("Добре"));
    EXPECT_EQ(form.array<rt::Label>("Label1").Item(0).text(), QString::fromUtf8("Проба"));
}

TEST(Form, PlacesControlsInPixelsFromTwips)
{
    rt::Form form(sample::kForm);
    EXPECT_EQ(form.size(), QSize(300, 200));
    EXPECT_EQ(form.control<rt::ListBox>("List1").geometry(), QRect(10, 10, 80, 100));
    EXPECT_EQ(
        form.array<rt::CommandButton>("Command1").Item(1).geometry(), QRect(100, 10, 100, 25));
}

TEST(Form, ItemOfAMissingElementIsError340)
{
    rt::Form form(sample::kForm);
    const auto boxes = form.array<rt::TextBox>("Text1");
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

TEST(Form, RaisesLoadOnlyWhenAsked)
{
    rt::Form form(sample::kForm);
    int loads = 0;
    form.setLoadHandler([&] { ++loads; });
    EXPECT_EQ(loads, 0);
    form.load();
    EXPECT_EQ(loads, 1);
}

TEST(Form, ShowsWithTheFocusOnTheFirstOfTheTabOrder)
{
    rt::Form form(sample::kForm);
    form.showForm();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto& text = form.array<rt::TextBox>("Text1").Item(0);
    auto& list = form.control<rt::ListBox>("List1");
    auto& button = form.array<rt::CommandButton>("Command1").Item(1);
    EXPECT_TRUE(text.hasFocus());
    EXPECT_FALSE(form.array<rt::TextBox>("Text1").Item(3).isVisible());
    QTest::keyClick(&text, Qt::Key_Tab);
    EXPECT_TRUE(list.hasFocus());
    QTest::keyClick(&list, Qt::Key_Tab);
    EXPECT_TRUE(button.hasFocus());
    QTest::keyClick(&button, Qt::Key_Tab);
    EXPECT_TRUE(text.hasFocus()) << "the hidden box and the label take no focus";
}

} // namespace
