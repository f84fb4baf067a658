#include "Zorbika.h"

#include "ZorbikaControls.h"
#include "ZorbikaDefinition.h"

#include <type_traits>

namespace zorbika {

// The board and the runtime speak of the same 16-bit indices.
static_assert(std::is_same_v<board::Index, rt::Index>);
static_assert(board::kNoRow == rt::kNoSelection);

Zorbika::Zorbika(rt::Session& session)
    : rt::Form(session, zorbikaDefinition())
    , Text1(array(names::Text1))
    , List1(control(names::List1))
    , Command1(array(names::Command1))
    , Label1(array(names::Label1))
{
    setLoadHandler([this] { board_.Form_Load(); });
    List1.setClickHandler([this] { board_.List1_Click(); });
    for (const board::Index index : Command1.indices()) {
        Command1.Item(index).setClickHandler([this, index] { board_.Command1_Click(index); });
    }
}

board::Text Zorbika::compositionText()
{
    return Text1.Item(names::kCompositionBox).Text();
}

void Zorbika::setCompositionText(const board::Text& text)
{
    Text1.Item(names::kCompositionBox).SetText(text);
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
