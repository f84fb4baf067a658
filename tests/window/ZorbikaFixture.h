#pragma once

#include "CommandButton.h"
#include "ListBox.h"
#include "TextBox.h"
#include "InputEvents.h"
#include "Zorbika.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace zorbika::testing {

// The window as the start function brings it up: built, loaded and shown.
class ZorbikaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.load();
        form.showForm();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        // Under X with no window manager, nobody else activates the window.
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    rt::TextBox& composition() { return form.array<rt::TextBox>("Text1").Item(0); }
    rt::TextBox& quotation() { return form.array<rt::TextBox>("Text1").Item(1); }
    rt::ListBox& list() { return form.control<rt::ListBox>("List1"); }
    rt::CommandButton& button(rt::Index index)
    {
        return form.array<rt::CommandButton>("Command1").Item(index);
    }

    // Clicks row `row` of the list with the mouse.
    void pickRow(int row)
    {
        rt::ListBox& characters = list();
        characters.scrollToItem(characters.item(row));
        QTest::mouseClick(characters.viewport(), Qt::LeftButton, {},
            characters.visualItemRect(characters.item(row)).center());
    }

    void pick(char16_t character)
    {
        const auto found = list().findItems(QString(QChar(character)), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        pickRow(list().row(found.front()));
    }

    void press(rt::Index index) { QTest::mouseClick(&button(index), Qt::LeftButton); }

    Zorbika form;
};

} // namespace zorbika::testing
