#pragma once

#include "ListBox.h"
#include "ListBoxCore.h"

#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

namespace rt {

class Session;

// The list box over Qt: it hands its presses, touches and keys to the list's
// core and shows the selection the core decides. A pick is decided from the
// press or key itself, never from a change of selection, so that a press on
// the selected row picks too.
class ListBoxWidget final : public QListWidget, public ListBox, private ListBoxView {
public:
    explicit ListBoxWidget(Session& session, QWidget* parent = nullptr);

    void setRows(const std::vector<std::u16string>& rows);
    void setClickHandler(std::function<void()> handler) override
    {
        core_.setClickHandler(std::move(handler));
    }

    [[nodiscard]] Index ListIndex() const override { return core_.selected(); }
    [[nodiscard]] std::u16string List(Index row) const override { return core_.row(row); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showSelected(int row) override;
    void showRow(int row) override;
    void takeFocus() override;
    [[nodiscard]] ListMetrics metrics() const override;
    // Hands a mouse event to the core; the view has it where the core does not.
    void mouse(PointerPhase phase, QMouseEvent* event);

    ListBoxCore core_;
};

} // namespace rt
