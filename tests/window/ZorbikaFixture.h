#pragma once

#include "InputEvents.h"
#include "Session.h"
#include "Widgets.h"
#include "Zorbika.h"
#include "ZorbikaControls.h"

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
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
        // Under X with no window manager, nobody else activates the window.
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    rt::qt::FormWindow& window() { return rt::widgetOf(form); }
    rt::TextBoxWidget& composition()
    {
        return rt::widgetOf(form.Text1.Item(names::kCompositionBox));
    }
    rt::TextBoxWidget& quotation() { return rt::widgetOf(form.Text1.Item(names::kQuotationBox)); }
    rt::ListBoxWidget& list() { return rt::widgetOf(form.List1); }
    rt::CommandButtonWidget& button(rt::Index index)
    {
        return rt::widgetOf(form.Command1.Item(index));
    }
    rt::LabelWidget& title() { return rt::widgetOf(form.Label1.Item(0)); }

    // Clicks row `row` of the list with the mouse.
    void pickRow(int row)
    {
        rt::ListBoxWidget& characters = list();
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

    rt::Session session { u"Zorbika" };
    Zorbika form { session };
};

} // namespace zorbika::testing
