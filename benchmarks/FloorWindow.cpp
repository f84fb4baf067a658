// The floor for Zorbika's start-up: the same kinds of standard widgets in the
// same font and places, with the same contents, and nothing else — no logic,
// no runtime layer, no text encoding at run time.

#include "CharacterList.h"
#include "QtUnits.h"
#include "Windows1251.h"
#include "ZorbikaControls.h"
#include "ZorbikaDefinition.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace {

namespace names = zorbika::names;

const rt::ControlDefinition& controlOf(std::string_view name, std::optional<rt::Index> element)
{
    for (const auto& control : zorbika::zorbikaDefinition().controls) {
        if (control.name == name && control.element == element) {
            return control;
        }
    }
    std::abort();
}

QRect placeOf(std::string_view name, std::optional<rt::Index> element = std::nullopt)
{
    return rt::toQRect(controlOf(name, element).place);
}

// The floor shows the same texts, so it takes them from the same definition;
// decoding these few hundred bytes costs microseconds.
QString textOf(std::string_view name, std::optional<rt::Index> element)
{
    return QString::fromStdU16String(rt::windows1251::decode(controlOf(name, element).text));
}

} // namespace

int main(int argc, char** argv)
{
    const QApplication application(argc, argv);
    const rt::FormDefinition& definition = zorbika::zorbikaDefinition();
    QWidget window;
    window.setFixedSize(
        rt::twipsToPixels(definition.clientWidth), rt::twipsToPixels(definition.clientHeight));
    QFont font(QString::fromStdU16String(rt::windows1251::decode(definition.font.name)));
    font.setPointSize(definition.font.points);
    window.setFont(font);

    auto* list = new QListWidget(&window);
    list->setGeometry(placeOf(names::List1.name));
    QStringList rows;
    for (std::size_t row = 0; row < board::kCharacterRowCount; ++row) {
        rows.append(QString::fromStdU16String(std::u16string(board::characterRow(row))));
    }
    list->addItems(rows);

    auto* text = new QPlainTextEdit(textOf(names::Text1.name, names::kCompositionBox), &window);
    text->setGeometry(placeOf(names::Text1.name, names::kCompositionBox));
    for (rt::Index i = 0; i < 3; ++i) {
        auto* button = new QPushButton(textOf(names::Command1.name, i), &window);
        button->setGeometry(placeOf(names::Command1.name, i));
    }
    auto* title = new QLabel(textOf(names::Label1.name, 0), &window);
    title->setGeometry(placeOf(names::Label1.name, 0));
    // Where Zorbika opens: in the middle of the screen.
    window.setGeometry(QStyle::alignedRect(
        Qt::LeftToRight, Qt::AlignCenter, window.size(), window.screen()->availableGeometry()));
    window.show();
    return QApplication::exec();
}
