#include "FormWindow.h"

#include "CommandButtonWidget.h"
#include "FormContents.h"
#include "FormKeys.h"
#include "LabelWidget.h"
#include "ListBoxWidget.h"
#include "QtKeys.h"
#include "QtUnits.h"
#include "TextBoxWidget.h"
#include "Windows1251.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFont>
#include <QIcon>
#include <QKeyEvent>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QStyle>

namespace rt {

namespace qt {
class FormWindow;
} // namespace qt

namespace {

QString decoded(std::string_view bytes)
{
    return QString::fromStdU16String(windows1251::decode(bytes));
}

Qt::WindowFlags windowFlagsOf(const FormDefinition& definition)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    flags.setFlag(Qt::WindowMinimizeButtonHint, definition.minButton);
    flags.setFlag(Qt::WindowMaximizeButtonHint, definition.maxButton);
    return flags;
}

// The character set has no use here: Qt picks glyphs character by character
// from the font and its fallbacks, so Cyrillic shows in any font that has it.
// Qt's points are at 96 device-independent pixels to the inch, so a form at
// another dpi has its points scaled.
QFont fontOf(const FontDefinition& definition, const FormFit& fit)
{
    QFont font(decoded(definition.name));
    font.setPointSizeF(definition.points * scaleOf(fit));
    font.setWeight(QFont::Weight(definition.weight));
    font.setItalic(definition.italic);
    font.setUnderline(definition.underline);
    font.setStrikeOut(definition.strikeout);
    return font;
}

void fillBackground(QWidget& widget, Colour colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// Qt takes a plain top-level widget for a pane of some other window; screen
// readers announce a form only when it says it is a window (a frame).
QAccessibleInterface* accessibleForm(const QString& /*className*/, QObject* object)
{
    if (auto* window = dynamic_cast<qt::FormWindow*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

namespace qt {

FormWindow::FormWindow(Session& session, const FormDefinition& definition)
    : QWidget(nullptr, windowFlagsOf(definition))
    , definition_(definition)
    , controls_(definition.controls.size(), nullptr)
    , tabStops_(rt::tabStops(definition))
    , fit_(fitAt(kStandardDpi, definition.clientWidth, definition.clientHeight))
{
    static const bool accessibleFormsKnown = [] {
        QAccessible::installFactory(&accessibleForm);
        return true;
    }();
    (void)accessibleFormsKnown;
    setObjectName(decoded(definition.name));
    setWindowTitle(decoded(definition.caption));
    setFont(fontOf(definition.font, fit_));
    if (definition.backColour) {
        fillBackground(*this, *definition.backColour);
    }
    const QSize client(fit_.board.width, fit_.board.height);
    if (definition.sizable) {
        setMinimumSize(client);
        resize(client);
    } else {
        setFixedSize(client);
    }
    if (definition.icon != nullptr) {
        setWindowIcon(QIcon(QPixmap(definition.icon)));
    }

    // Made in definition order, so that the last lies on top.
    for (std::size_t i = 0; i < definition.controls.size(); ++i) {
        create(session, definition.controls[i], i)->installEventFilter(this);
    }
    const std::vector<QWidget*> stops = tabStops();
    for (std::size_t i = 1; i < stops.size(); ++i) {
        setTabOrder(stops[i - 1], stops[i]);
    }
}

QWidget* FormWindow::widget(std::size_t which) const
{
    return dynamic_cast<QWidget*>(controls_[which]);
}

std::vector<QWidget*> FormWindow::tabStops() const
{
    std::vector<QWidget*> stops;
    for (const std::size_t which : tabStops_) {
        stops.push_back(widget(which));
    }
    return stops;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab) {
        return false;
    }
    // Every Tab is the form's: one that moves no focus does nothing else.
    const Modifiers modifiers = modifiersOf(key);
    if (tabMovesFocus(modifiers)) {
        const bool backwards = modifiers.shift || key.key() == Qt::Key_Backtab;
        if (QWidget* target = tabTarget(tabStops(), focusWidget(), backwards)) {
            target->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        }
    }
    return true;
}

QWidget* FormWindow::create(
    Session& session, const ControlDefinition& definition, std::size_t which)
{
    const ControlContents contents = contentsOf(definition);
    const QString text = QString::fromStdU16String(contents.text);
    QWidget* widget = nullptr;
    switch (definition.kind) {
    case ControlKind::TextBox: {
        auto* box = new TextBoxWidget(session, contents.text, this);
        box->setVerticalScrollBarPolicy(
            definition.verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        controls_[which] = box;
        widget = box;
        break;
    }
    case ControlKind::ListBox: {
        auto* list = new ListBoxWidget(session, this);
        list->setRows(contents.rows);
        controls_[which] = list;
        widget = list;
        break;
    }
    case ControlKind::CommandButton: {
        auto* button = new CommandButtonWidget(session, this);
        button->setText(text);
        if (definition.backColour) {
            button->setBackColour(toQColor(*definition.backColour));
        }
        controls_[which] = button;
        widget = button;
        break;
    }
    case ControlKind::Label: {
        auto* label = new LabelWidget(this);
        label->setText(text);
        if (definition.centred) {
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        }
        controls_[which] = label;
        widget = label;
        break;
    }
    }
    if (definition.backColour && definition.kind != ControlKind::CommandButton) {
        fillBackground(*widget, *definition.backColour);
    }
    widget->setObjectName(decoded(definition.name));
    if (!contents.accessibleName.empty()) {
        widget->setAccessibleName(QString::fromStdU16String(contents.accessibleName));
    }
    if (!contents.accessibleDescription.empty()) {
        widget->setAccessibleDescription(QString::fromStdU16String(contents.accessibleDescription));
    }
    widget->setGeometry(toQRect(definition.place));
    widget->setVisible(definition.visible);
    return widget;
}

void FormWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (definition_.sizable) {
        layOut(fitForm(width(), height(), definition_.clientWidth, definition_.clientHeight));
    }
}

void FormWindow::layOut(const FormFit& fit)
{
    if (fit == fit_) {
        return;
    }
    // Qt's text boxes keep the line at the top of their view through a new
    // font and width, and the caret and selection with it.
    if (fit.dpi != fit_.dpi) {
        setFont(fontOf(definition_.font, fit));
    }
    fit_ = fit;
    const QRect board(fit.board.left, fit.board.top, fit.board.width, fit.board.height);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        QWidget* widget = this->widget(i);
        const QRect place
            = toQRect(definition_.controls[i].place, fit.dpi).translated(board.topLeft());
        widget->setGeometry(place);
        // What lies past the client area's edge is cut off there, not shown
        // in the margin.
        if (board.contains(place)) {
            widget->clearMask();
        } else {
            widget->setMask(QRegion(board.translated(-place.topLeft())));
        }
        if (auto* button = dynamic_cast<CommandButtonWidget*>(controls_[i])) {
            button->setDpi(fit.dpi);
        }
    }
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    FormKey key = FormKey::Other;
    if (event->key() == Qt::Key_F11) {
        key = FormKey::FullScreen;
    } else if (event->key() == Qt::Key_Escape) {
        key = FormKey::Escape;
    }
    const std::optional<bool> fullScreen = definition_.sizable
        ? fullScreenAfter(key, modifiersOf(*event), isFullScreen())
        : std::nullopt;
    if (!fullScreen) {
        QWidget::keyPressEvent(event);
        return;
    }
    setWindowState(windowState().setFlag(Qt::WindowFullScreen, *fullScreen));
    event->accept();
}

void FormWindow::showForm()
{
    if (definition_.startCentred) {
        if (const QScreen* screen = this->screen()) {
            setGeometry(QStyle::alignedRect(
                Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
        }
    }
    show();
    if (const std::vector<QWidget*> stops = tabStops(); !stops.empty()) {
        stops.front()->setFocus(Qt::TabFocusReason);
    }
}

} // namespace qt
} // namespace rt
