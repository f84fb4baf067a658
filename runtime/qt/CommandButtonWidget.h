#pragma once

#include "CommandButton.h"
#include "CommandButtonCore.h"
#include "Units.h"

#include <QColor>
#include <QPushButton>
#include <functional>
#include <optional>

namespace rt {

class Session;

// The push button over Qt: its clicks and keys go to the button's core. It
// paints a back colour itself, since styles tint or shade a button's palette.
class CommandButtonWidget final : public QPushButton, public CommandButton {
public:
    explicit CommandButtonWidget(Session& session, QWidget* parent = nullptr);

    void setClickHandler(std::function<void()> handler) override
    {
        core_.setClickHandler(std::move(handler));
    }
    void setBackColour(const QColor& colour);
    // The edge and the focus frame grow with the form that holds the button.
    void setDpi(int dpi);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CommandButtonCore core_;
    std::optional<QColor> backColour_;
    int dpi_ = kStandardDpi;
};

} // namespace rt
