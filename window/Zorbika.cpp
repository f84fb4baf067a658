#include "Zorbika.h"

#include "ZorbikaDefinition.h"

namespace zorbika {

namespace {

// The composition box is element 0 of Text1.
constexpr board::Index kCompositionBox = 0;

} // namespace

Zorbika::Zorbika()
    : rt::Form(zorbikaDefinition())
    , Text1(array<rt::TextBox>("Text1"))
    , List1(control<rt::ListBox>("List1"))
    , Command1(array<rt::CommandButton>("Command1"))
{
    setLoadHandler([this] { board_.Form_Load(); });
    List1.setClickHandler([this] { board_.List1_Click(); });
    for (const board::Index index : Command1.indices()) {
        Command1.Item(index).setClickHandler([this, index] { board_.Command1_Click(index); });
    }
}

board::Text Zorbika::compositionText()
{
    return Text1.Item(kCompositionBox).Text();
}

void Zorbika::setCompositionText(const board::Text& text)
{
    Text1.Item(kCompositionBox).SetText(text);
}

board::Index Zorbika::listIndex()
{
    return List1.ListIndex();
}

board::Text Zorbika::listRow(board::Index row)
{
    return List1.List(row);
}

} // namespace zorbika
