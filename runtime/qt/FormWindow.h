#pragma once

#include "Control.h"
#include "FormDefinition.h"
#include "FormFit.h"
#include "PlatformForm.h"

#include <QWidget>
#include <vector>

namespace rt {

class Session;

namespace qt {

// A form's window over Qt: a top-level widget that makes and owns the form's
// controls. A sizable form fills its window, scaled in proportion and centred;
// at its minimum size, the definition's, it stands at the standard 96 dpi.
class FormWindow final : public QWidget, public PlatformForm {
public:
    FormWindow(Session& session, const FormDefinition& definition);

    // The control of the definition's entry `which`, counted in its order.
    [[nodiscard]] Control& control(std::size_t which) const override
    {
        return *controls_.at(which);
    }

    // Shows the window, centred where its definition asks, with the focus on
    // the first control of the tab order.
    void showForm() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab on any control moves the focus along the form's own tab order.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] QWidget* widget(std::size_t which) const;
    [[nodiscard]] std::vector<QWidget*> tabStops() const;
    QWidget* create(Session& session, const ControlDefinition& definition, std::size_t which);
    // Every control again at `fit`, with the font for its dpi.
    void layOut(const FormFit& fit);

    const FormDefinition& definition_;
    // In definition order; Qt's parenthood owns them.
    std::vector<Control*> controls_;
    // Positions in controls_.
    std::vector<std::size_t> tabStops_;
    FormFit fit_;
};

} // namespace qt
} // namespace rt
