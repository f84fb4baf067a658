#include "ListBoxWidget.h"

#include "RuntimeError.h"
#include "Session.h"
#include "TouchScroll.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

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

void ListBoxWidget::pickRow(int row)
{
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
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

int ListBoxWidget::rowsPerPage() const
{
    const int rowHeight = std::max(sizeHintForRow(0), 1);
    return std::max(viewport()->height() / rowHeight - 1, 1);
}

int ListBoxWidget::navigationTarget(int key) const
{
    const int last = count() - 1;
    const int selected = ListIndex();
    // With nothing selected, a move selects the row with the focus frame.
    const int from = selected != kNoSelection ? selected : std::max(currentRow(), 0);
    const int step = selected != kNoSelection ? 1 : 0;
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        return std::max(from - step, 0);
    case Qt::Key_Down:
    case Qt::Key_Right:
        return std::min(from + step, last);
    case Qt::Key_PageUp:
        return std::max(from - step * rowsPerPage(), 0);
    case Qt::Key_PageDown:
        return std::min(from + step * rowsPerPage(), last);
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return last;
    default:
        return -1;
    }
}

void ListBoxWidget::keyPressEvent(QKeyEvent* event)
{
    if (count() == 0) {
        event->ignore();
        return;
    }
    if (const int target = navigationTarget(event->key()); target >= 0) {
        if (target != ListIndex()) {
            pickRow(target);
        }
        scrollToItem(item(target));
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (ListIndex() != kNoSelection) {
            raiseClick();
        }
        event->accept();
        return;
    }
    // With Ctrl, Alt or Meta held a key is a shortcut, whatever text it carries.
    const bool shortcut
        = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    const QString typed = event->text();
    if (!typed.isEmpty() && !shortcut) {
        const QList<QListWidgetItem*> rows
            = findItems(typed, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (!rows.isEmpty()) {
            const int row = this->row(rows.front());
            pickRow(row);
            scrollToItem(rows.front());
            event->accept();
            return;
        }
    }
    // No search by prefix, no other keys of the view's own.
    event->ignore();
}

} // namespace rt
