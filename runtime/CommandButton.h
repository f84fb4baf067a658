#pragma once

#include <QPushButton>
#include <functional>

namespace rt {

// A push button. Click is raised by the mouse, Space or Enter.
class CommandButton final : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(QWidget* parent = nullptr);

    void setClickHandler(std::function<void()> handler) { click_ = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> click_;
};

} // namespace rt
