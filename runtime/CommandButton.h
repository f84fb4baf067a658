#pragma once

#include <QColor>
#include <QPushButton>
#include <functional>
#include <optional>

namespace rt {

// A push button. Click is raised by the mouse, Space or Enter. A button with
// a back colour shows it over its whole face, whatever the platform's style.
class CommandButton final : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(QWidget* parent = nullptr);

    void setClickHandler(std::function<void()> handler) { click_ = std::move(handler); }
    void setBackColour(const QColor& colour);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> click_;
    std::optional<QColor> backColour_;
};

} // namespace rt
