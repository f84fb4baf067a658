#pragma once

#include "Index.h"

#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

namespace rt {

// A single-selection, unsorted list box. Click is raised for every pick:
// each mouse press on a row, also the selected one (a double-click is two
// presses);
// each keyboard move of the selection; a typed character equal to a row's
// text; and Enter on the selected row. Focus changes, drags, wheel and scroll
// bar raise nothing.
class ListBox final : public QListWidget {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent = nullptr);

    void setRows(const std::vector<std::u16string>& rows);
    void setClickHandler(std::function<void()> handler) { click_ = std::move(handler); }

    // The selected row, or kNoSelection.
    [[nodiscard]] Index ListIndex() const;
    // The text of row `row`; run-time error 381 outside the list.
    [[nodiscard]] std::u16string List(Index row) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pickAt(const QPoint& position);
    void pickRow(int row);
    // Where a navigation key moves the selection; -1 for other keys.
    [[nodiscard]] int navigationTarget(int key) const;
    [[nodiscard]] int rowsPerPage() const;

    std::function<void()> click_;
};

} // namespace rt
