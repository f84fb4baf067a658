#pragma once

#include "ListBox.h"

#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

namespace rt {

class Session;

// The list box over Qt. A pick is decided from the press or key itself, never
// from a change of selection, so that a press on the selected row picks too.
class ListBoxWidget final : public QListWidget, public ListBox {
public:
    explicit ListBoxWidget(Session& session, QWidget* parent = nullptr);

    void setRows(const std::vector<std::u16string>& rows);
    void setClickHandler(std::function<void()> handler) override { click_ = std::move(handler); }

    [[nodiscard]] Index ListIndex() const override;
    [[nodiscard]] std::u16string List(Index row) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pickAt(const QPoint& position);
    // Selects `row` and makes it the current one, as a screen reader hears.
    void select(int row);
    void pickRow(int row);
    void raiseClick();
    // True when the list took the key.
    bool listKey(const QKeyEvent& event);
    bool typed(const QKeyEvent& event);

    Session& session_;
    std::function<void()> click_;
    // What the rows say, for the typed characters.
    std::vector<std::u16string> rows_;
};

} // namespace rt
