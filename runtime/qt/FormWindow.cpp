#include "FormWindow.h"

#include "CommandButtonWidget.h"
#include "FormContents.h"
#include "LabelWidget.h"
#include "ListBoxWidget.h"
#include "QtUnits.h"
#include "TextBoxWidget.h"
#include "Windows1251.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QStyle>

namespace rt {

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
QFont fontOf(const FontDefinition& definition)
{
    QFont font(decoded(definition.name));
    font.setPointSize(definition.points);
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
    if (auto* window = dynamic_cast<FormWindow*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

FormWindow::FormWindow(Session& session, const FormDefinition& definition)
    : QWidget(nullptr, windowFlagsOf(definition))
    , controls_(definition.controls.size(), nullptr)
    , startCentred_(definition.startCentred)
{
    static const bool accessibleFormsKnown = [] {
        QAccessible::installFactory(&accessibleForm);
        return true;
    }();
    (void)accessibleFormsKnown;
    setObjectName(decoded(definition.name));
    setWindowTitle(decoded(definition.caption));
    setFont(fontOf(definition.font));
    if (definition.backColour) {
        fillBackground(*this, *definition.backColour);
    }
    const QSize client(
        twipsToPixels(definition.clientWidth), twipsToPixels(definition.clientHeight));
    if (definition.sizable) {
        resize(client);
    } else {
        setFixedSize(client);
    }
    if (definition.icon != nullptr) {
        setWindowIcon(QIcon(QPixmap(definition.icon)));
    }

    // Qt's focus chain follows the order of creation, so the controls are
    // made in tab order, then stacked in definition order, the last on top.
    std::vector<QWidget*> widgets(definition.controls.size(), nullptr);
    for (const std::size_t i : tabOrder(definition)) {
        widgets[i] = create(session, definition.controls[i], i);
    }
    for (QWidget* widget : widgets) {
        widget->raise();
    }
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

void FormWindow::showForm()
{
    if (startCentred_) {
        if (const QScreen* screen = this->screen()) {
            setGeometry(QStyle::alignedRect(
                Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
        }
    }
    show();
    for (QWidget* next = nextInFocusChain(); next != this; next = next->nextInFocusChain()) {
        if (next->isVisibleTo(this) && (next->focusPolicy() & Qt::TabFocus) != 0) {
            next->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}

} // namespace rt
