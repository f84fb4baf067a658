#include "Form.h"

#include "CommandButton.h"
#include "EventDispatch.h"
#include "Label.h"
#include "ListBox.h"
#include "TextBox.h"
#include "Units.h"
#include "Windows1251.h"

#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <algorithm>

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

} // namespace

Form::Form(const FormDefinition& definition, QWidget* parent)
    : QWidget(parent, windowFlagsOf(definition))
{
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
    startCentred_ = definition.startCentred;

    controls_.reserve(definition.controls.size());
    for (const ControlDefinition& control : definition.controls) {
        controls_.push_back({ &control, nullptr });
    }
    // Qt's focus chain follows the order of creation, so the shown controls
    // are made in tab order.
    std::vector<std::size_t> tabOrder;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i].definition->visible) {
            tabOrder.push_back(i);
        }
    }
    std::stable_sort(tabOrder.begin(), tabOrder.end(), [this](std::size_t a, std::size_t b) {
        return controls_[a].definition->tabIndex < controls_[b].definition->tabIndex;
    });
    for (const std::size_t i : tabOrder) {
        controls_[i].widget = create(*controls_[i].definition);
    }
    restack();
}

QWidget* Form::widgetOf(std::size_t which)
{
    Created& control = controls_.at(which);
    if (control.widget == nullptr) {
        control.widget = create(*control.definition);
        restack();
    }
    return control.widget;
}

void Form::restack()
{
    for (const Created& control : controls_) {
        if (control.widget != nullptr) {
            control.widget->raise();
        }
    }
}

QWidget* Form::create(const ControlDefinition& definition)
{
    QWidget* widget = nullptr;
    switch (definition.kind) {
    case ControlKind::TextBox: {
        auto* box = new TextBox(windows1251::decode(definition.text), this);
        box->setVerticalScrollBarPolicy(
            definition.verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        widget = box;
        break;
    }
    case ControlKind::ListBox: {
        auto* list = new ListBox(this);
        std::vector<std::u16string> rows;
        rows.reserve(definition.list.size());
        for (const std::string_view row : definition.list) {
            rows.push_back(windows1251::decode(row));
        }
        list->setRows(rows);
        widget = list;
        break;
    }
    case ControlKind::CommandButton: {
        auto* button = new CommandButton(this);
        button->setText(decoded(definition.text));
        if (definition.backColour) {
            button->setBackColour(toQColor(*definition.backColour));
        }
        widget = button;
        break;
    }
    case ControlKind::Label: {
        auto* label = new Label(this);
        label->setText(decoded(definition.text));
        if (definition.centred) {
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        }
        widget = label;
        break;
    }
    }
    if (definition.backColour && definition.kind != ControlKind::CommandButton) {
        fillBackground(*widget, *definition.backColour);
    }
    widget->setObjectName(decoded(definition.name));
    if (!definition.accessibleName.empty()) {
        widget->setAccessibleName(decoded(definition.accessibleName));
    }
    if (!definition.accessibleDescription.empty()) {
        widget->setAccessibleDescription(decoded(definition.accessibleDescription));
    }
    widget->setGeometry(toPixels(definition.place));
    widget->setVisible(definition.visible);
    return widget;
}

void Form::load()
{
    raiseEvent(load_);
}

void Form::showForm()
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
