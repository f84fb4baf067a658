#include "ListBoxWidget.h"

#include "ListKeys.h"
#include "QtKeys.h"
#include "RuntimeError.h"
#include "Session.h"
#include "TouchScroll.h"

#include <QAccessible>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <array>
#include <optional>

namespace rt {

ListBoxWidget::ListBoxWidget(Session& session, QWidget* parent)
    : QListWidget(parent)
    , session_(session)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setUniformItemSizes(true);
    new TouchScroll(
        *this, [this] { return sizeHintForRow(0); }, [this](QPoint at) { pickAt(at); });
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
    rows_ = rows;
}

Index ListBoxWidget::ListIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? kNoSelection : static_cast<Index>(selected.front().row());
}

std::u16string ListBoxWidget::List(Index row) const
{
    if (row < 0 || row >= count()) {
        throw RuntimeError(RuntimeError::kInvalidPropertyArrayIndex);
    }
    return item(row)->text().toStdU16String();
}

void ListBoxWidget::select(int row)
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

void ListBoxWidget::pickRow(int row)
{
    select(row);
    raiseClick();
}

void ListBoxWidget::raiseClick()
{
    session_.raiseEvent(click_);
}

void ListBoxWidget::pickAt(const QPoint& position)
{
    const QModelIndex index = indexAt(position);
    if (index.isValid()) {
        pickRow(index.row());
    }
}

void ListBoxWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pickAt(event->position().toPoint());
    }
    event->accept();
}

void ListBoxWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt delivers the second press of a double-click as this event alone.
    mousePressEvent(event);
}

void ListBoxWidget::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging over the rows picks nothing; without a button the view only
    // tracks hovering.
    if (event->buttons() == Qt::NoButton) {
        QListWidget::mouseMoveEvent(event);
    } else {
        event->accept();
    }
}

void ListBoxWidget::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

namespace {

constexpr std::array<ListKeyCode, 10> kListKeys { { { Qt::Key_Up, ListKey::Up },
    { Qt::Key_Down, ListKey::Down }, { Qt::Key_Left, ListKey::Left },
    { Qt::Key_Right, ListKey::Right }, { Qt::Key_PageUp, ListKey::PageUp },
    { Qt::Key_PageDown, ListKey::PageDown }, { Qt::Key_Home, ListKey::Home },
    { Qt::Key_End, ListKey::End }, { Qt::Key_Return, ListKey::Enter },
    { Qt::Key_Enter, ListKey::Enter } } };

} // namespace

bool ListBoxWidget::listKey(const QKeyEvent& event)
{
    const ListState state { .count = count(),
        .selected = ListIndex(),
        .focusRow = currentRow(),
        .viewHeight = viewport()->height(),
        .rowHeight = sizeHintForRow(0) };
    const std::optional<ListKeyAction> action
        = actionOfKey(listKeyOf(event.key(), kListKeys), state);
    if (!action) {
        return false;
    }
    if (action->select >= 0) {
        select(action->select);
    }
    if (action->click) {
        raiseClick();
    }
    if (action->show >= 0) {
        scrollToItem(item(action->show));
    }
    return true;
}

bool ListBoxWidget::typed(const QKeyEvent& event)
{
    const std::u16string text = event.text().toStdU16String();
    const int row = rowOfTyped(rows_, typedCharacter(text, modifiersOf(event)));
    if (row < 0) {
        return false;
    }
    pickRow(row);
    scrollToItem(item(row));
    return true;
}

void ListBoxWidget::keyPressEvent(QKeyEvent* event)
{
    // No search by prefix, no other keys of the view's own.
    event->setAccepted(listKey(*event) || typed(*event));
}

} // namespace rt
