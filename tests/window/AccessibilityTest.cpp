// What a screen reader finds in the window, through QAccessible.

#include "CharacterList.h"
#include "ZorbikaFixture.h"

#include <QAccessible>
#include <vector>

namespace zorbika::testing {
namespace {

bool isBulgarian(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
        [](QChar c) { return c.unicode() >= 0x0410 && c.unicode() <= 0x044F; });
}

QString said(QWidget& widget, QAccessible::Text what)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
    return face != nullptr ? face->text(what) : QString();
}

using Accessibility = ZorbikaTest;

TEST_F(Accessibility, EveryControlHasABulgarianName)
{
    std::vector<QWidget*> controls = { &composition(), &quotation(), &list(), &title() };
    for (rt::Index i = 0; i < 3; ++i) {
        controls.push_back(&button(i));
    }
    for (QWidget* control : controls) {
        EXPECT_TRUE(isBulgarian(said(*control, QAccessible::Name)))
            << control->objectName().toStdString();
    }
    EXPECT_EQ(said(list(), QAccessible::Name), QString::fromUtf8("Букви и цифри"));
    EXPECT_EQ(said(composition(), QAccessible::Name), QString::fromUtf8("Текст"));
    EXPECT_EQ(said(button(1), QAccessible::Name), QString::fromUtf8("Нов ред"));
    for (QWidget* described : { static_cast<QWidget*>(&list()),
             static_cast<QWidget*>(&composition()), static_cast<QWidget*>(&quotation()) }) {
        EXPECT_TRUE(isBulgarian(said(*described, QAccessible::Description)));
    }
}

TEST_F(Accessibility, TheWindowIsAWindowWithItsTitle)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&window());
    ASSERT_NE(face, nullptr);
    // A top-level widget is a "client" to Qt, which screen readers hear as a
    // filler instead of a window.
    EXPECT_EQ(face->role(), QAccessible::Window);
    EXPECT_EQ(face->text(QAccessible::Name), window().windowTitle());
    EXPECT_EQ(face->childCount(), 7);
}

TEST_F(Accessibility, RowsSayTheirCharacters)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&list());
    ASSERT_NE(face, nullptr);
    QAccessibleTableInterface* table = face->tableInterface();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), static_cast<int>(board::kCharacterRowCount));
    for (int row = 0; row < table->rowCount(); ++row) {
        QAccessibleInterface* cell = table->cellAt(row, 0);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->text(QAccessible::Name).toStdU16String(),
            board::characterRow(static_cast<std::size_t>(row)));
    }
}

// The offscreen platform has no accessibility bridge to carry events, so
// this reads what a screen reader would ask after the change.
TEST_F(Accessibility, APickedRowIsTheSelectedOne)
{
    QAccessibleTableInterface* table
        = QAccessible::queryAccessibleInterface(&list())->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->selectedCellCount(), 0);
    pickRow(72);
    EXPECT_EQ(table->selectedRows(), QList<int> { 72 });
    pickRow(73);
    EXPECT_EQ(table->selectedRows(), QList<int> { 73 });
    ASSERT_EQ(table->selectedCellCount(), 1);
    EXPECT_EQ(table->selectedCells().front()->text(QAccessible::Name), QString::fromUtf8("л"));
}

TEST_F(Accessibility, FocusIsDrawnOnAColouredButton)
{
    QTest::keyClick(&composition(), Qt::Key_Tab);
    QTest::keyClick(&list(), Qt::Key_Tab);
    ASSERT_TRUE(button(0).hasFocus());
    const QImage focused = button(0).grab().toImage();
    button(1).setFocus();
    const QImage unfocused = button(0).grab().toImage();
    QRect frame;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            if (focused.pixel(x, y) != unfocused.pixel(x, y)) {
                frame |= QRect(x, y, 1, 1);
            }
        }
    }
    EXPECT_GT(frame.width(), focused.width() - 10) << "a frame all round the caption";
    EXPECT_GT(frame.height(), focused.height() - 10) << "a frame all round the caption";
}

} // namespace
} // namespace zorbika::testing
