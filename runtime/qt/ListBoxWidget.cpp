#include "ListBoxWidget.h"

#include "QtKeys.h"
#include "TouchScroll.h"

#include <QAccessible>
#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <array>

namespace rt {

namespace {

constexpr std::array<ListKeyCode, 10> kListKeys { { { Qt::Key_Up, ListKey::Up },
    { Qt::Key_Down, ListKey::Down }, { Qt::Key_Left, ListKey::Left },
    { Qt::Key_Right, ListKey::Right }, { Qt::Key_PageUp, ListKey::PageUp },
    { Qt::Key_PageDown, ListKey::PageDown }, { Qt::Key_Home, ListKey::Home },
    { Qt::Key_End, ListKey::End }, { Qt::Key_Return, ListKey::Enter },
    { Qt::Key_Enter, ListKey::Enter } } };

// The DOM's numbering of the buttons, which the cores use.
int buttonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 0;
    case Qt::MiddleButton:
        return 1;
    case Qt::RightButton:
        return 2;
    default:
        return 3;
    }
}

} // namespace

ListBoxWidget::ListBoxWidget(Session& session, QWidget* parent)
    : QListWidget(parent)
    , core_(session, *this, QApplication::startDragDistance())
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setUniformItemSizes(true);
    new TouchScroll(
        *this, [this] { return sizeHintForRow(0); }, core_.taps(),
        [this](PointerPhase phase, const PointerPress& press) {
            core_.pointer(phase, press, indexAt(QPoint(press.x, press.y)).row());
        });
}

void ListBoxWidget::setRows(const std::vector<std::u16string>& rows)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(rows.size()));
    for (const auto& row : rows) {
        texts.append(QString::fromStdU16String(row));
    }
    clear();
    addItems(texts);
    core_.setRows(rows);
}

void ListBoxWidget::showSelected(int row)
{
    const bool moved = currentRow() != row;
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    // A screen reader hears a pick as the current row's change; the first
    // pick from the keyboard lands on the row that is current already.
    if (!moved && hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(row);
        QAccessible::updateAccessibility(&focus);
    }
}

void ListBoxWidget::showRow(int row)
{
    scrollToItem(item(row));
}

void ListBoxWidget::takeFocus()
{
    setFocus(Qt::MouseFocusReason);
}

ListMetrics ListBoxWidget::metrics() const
{
    return { .viewHeight = viewport()->height(), .rowHeight = sizeHintForRow(0) };
}

void ListBoxWidget::mouse(PointerPhase phase, QMouseEvent* event)
{
    // A move tells the button held, the main one first.
    const Qt::MouseButtons held = event->buttons();
    int button = buttonOf(event->button());
    if (phase == PointerPhase::Move) {
        button = held == Qt::NoButton
            ? -1
            : buttonOf(held.testFlag(Qt::LeftButton) ? Qt::LeftButton : Qt::RightButton);
    }
    const QPoint at = event->position().toPoint();
    const PointerPress press {
        .kind = PointerKind::Mouse, .button = button, .x = at.x(), .y = at.y()
    };
    if (core_.pointer(phase, press, indexAt(at).row())) {
        event->accept();
    } else if (phase == PointerPhase::Move) {
        QListWidget::mouseMoveEvent(event);
    }
}

void ListBoxWidget::mousePressEvent(QMouseEvent* event)
{
    mouse(PointerPhase::Down, event);
}

void ListBoxWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt delivers the second press of a double-click as this event alone.
    mouse(PointerPhase::Down, event);
}

void ListBoxWidget::mouseMoveEvent(QMouseEvent* event)
{
    mouse(PointerPhase::Move, event);
}

void ListBoxWidget::mouseReleaseEvent(QMouseEvent* event)
{
    mouse(PointerPhase::Up, event);
}

void ListBoxWidget::keyPressEvent(QKeyEvent* event)
{
    // No search by prefix, no other keys of the view's own.
    event->setAccepted(core_.key(listKeyOf(event->key(), kListKeys))
        || core_.typed(event->text().toStdU16String(), modifiersOf(*event)));
}

} // namespace rt
