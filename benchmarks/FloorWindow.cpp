// The floor for Zorbika's start-up: the same kinds of standard widgets in the
// same font and places, with the same contents, and nothing else — no logic,
// no runtime layer, no text encoding at run time.

#include "CharacterList.h"
#include "Units.h"
#include "Windows1251.h"
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
    return rt::toPixels(controlOf(name, element).place);
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
    QWidget window;
    window.setFixedSize(461, 345);
    window.setFont(QFont("Times New Roman", 12));

    auto* list = new QListWidget(&window);
    list->setGeometry(placeOf("List1"));
    QStringList rows;
    for (std::size_t row = 0; row < board::kCharacterRowCount; ++row) {
        rows.append(QString::fromStdU16String(std::u16string(board::characterRow(row))));
    }
    list->addItems(rows);

    auto* text = new QPlainTextEdit(textOf("Text1", 0), &window);
    text->setGeometry(placeOf("Text1", 0));
    for (rt::Index i = 0; i < 3; ++i) {
        auto* button = new QPushButton(textOf("Command1", i), &window);
        button->setGeometry(placeOf("Command1", i));
    }
    auto* title = new QLabel(textOf("Label1", 0), &window);
    title->setGeometry(placeOf("Label1", 0));
    // Where Zorbika opens: in the middle of the screen.
    window.setGeometry(QStyle::alignedRect(
        Qt::LeftToRight, Qt::AlignCenter, window.size(), window.screen()->availableGeometry()));
    window.show();
    return QApplication::exec();
}
