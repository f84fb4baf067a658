#pragma once

#include "CommandButton.h"

#include <QColor>
#include <QPushButton>
#include <functional>
#include <optional>

namespace rt {

class Session;

// The push button over Qt. It paints a back colour itself, since styles tint
// or shade a button's palette.
class CommandButtonWidget final : public QPushButton, public CommandButton {
public:
    explicit CommandButtonWidget(Session& session, QWidget* parent = nullptr);

    void setClickHandler(std::function<void()> handler) override { click_ = std::move(handler); }
    void setBackColour(const QColor& colour);
    // The edge and the focus frame grow with the form that holds the button.
    void setScale(double scale);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> click_;
    std::optional<QColor> backColour_;
    double scale_ = 1.0;
};

} // namespace rt
