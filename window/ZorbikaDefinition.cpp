#include "ZorbikaDefinition.h"

#include "CharacterList.h"
#include "Version.h"
#include "Windows1251.h"
#include "ZorbikaControls.h"
#include "icon/zorbika.xpm"

#include <array>
#include <string_view>

namespace zorbika {

namespace {

using rt::windows1251::encode;
using rt::windows1251::view;

// Every text is encoded to Windows-1251 here, at compile time.
constexpr auto kCaption = encode(ZORBIKA_HOMEPAGE u"  Зорбика");
constexpr auto kTitle = encode(u"Зорбика");
constexpr auto kSpace = encode(u"Интервал");
constexpr auto kNewLine = encode(u"Нов ред");
constexpr auto kClear = encode(u"Изчисти");
constexpr auto kFontName = encode(u"Times New Roman");

// For screen readers; the buttons and the title speak their captions.
constexpr auto kListName = encode(u"Букви и цифри");
constexpr auto kListDescription = encode(u"Изберете буква или цифра, за да я добавите към текста");
constexpr auto kCompositionName = encode(u"Текст");
constexpr auto kCompositionDescription
    = encode(u"Текстът, който подреждате: всяка избрана буква се добавя накрая");
constexpr auto kQuotationName = encode(u"Цитат");
constexpr auto kQuotationDescription = encode(u"Цитат за труда на първия");

constexpr auto kPresetText = encode(
    u"Магнитна азбука е вид игра за деца. Състои се от няколко набора големи и малки букви, "
    u"няколко набора цифри и специални знаци. Всеки елемент от кой да е набор има магнит. Това "
    u"позволява на всеки елемент да бъде закрепен на металната дъска.\r\n"
    u"Основната цел на подобна магнитна азбука е чрез игра да се изучи правописа.\r\n"
    u"Да се реализира проект, който осъществява междупредметна връзка БЕЛ с Информатика.\r\n"
    u"Тема на проекта: Зорбика.\r\n"
    u"Проектът да  имитира играта магнитна азбука и да съдържа следните обекти:\r\n"
    u"\r\n"
    u" 3 командни бутона, означени като: Интервал, Нов ред и Изчисти;\r\n"
    u" списъчно поле като всеки ред от това поле има по един знак;\r\n"
    u" текстово поле.\r\n"
    u"\r\n"
    u"Всеки избран ред от списъчното поле, добавя съответния символ към съдържанието на "
    u"текстовото поле. Специалните символи като знак за интервал и нов ред се добавят чрез "
    u"съответния команден бутон.\r\n");

constexpr auto kQuotation
    = encode(u"Неприятното в това да си първият, направил нещо по правилния начин, е, че никой "
             u"не оценява колко трудно е било. \r\n");

// The character list, one byte a row.
constexpr auto kRowBytes = encode<board::kCharacterRowCount>(board::kCharacterRows);

constexpr auto kRows = [] {
    std::array<std::string_view, board::kCharacterRowCount> rows {};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = std::string_view(&kRowBytes[i], 1);
    }
    return rows;
}();

constexpr rt::Colour kBackground = 0x00FFC0C0;
constexpr rt::Colour kOrange = 0x0080C0FF;
constexpr rt::Colour kGreen = 0x0000FF00;
constexpr rt::Colour kRed = 0x000000FF;

const std::array kControls = {
    rt::ControlDefinition { .kind = rt::kindOf(names::Command1),
        .name = names::Command1.name,
        .element = 2,
        .text = view(kClear),
        .place = { 4800, 2040, 1695, 375 },
        .backColour = kRed,
        .tabIndex = 6 },
    rt::ControlDefinition { .kind = rt::kindOf(names::Command1),
        .name = names::Command1.name,
        .element = 1,
        .text = view(kNewLine),
        .place = { 3480, 1440, 1695, 375 },
        .backColour = kGreen,
        .tabIndex = 5 },
    rt::ControlDefinition { .kind = rt::kindOf(names::Command1),
        .name = names::Command1.name,
        .element = 0,
        .text = view(kSpace),
        .place = { 2400, 840, 1695, 375 },
        .backColour = kGreen,
        .tabIndex = 4 },
    rt::ControlDefinition { .kind = rt::kindOf(names::List1),
        .name = names::List1.name,
        .list = kRows,
        .accessibleName = view(kListName),
        .accessibleDescription = view(kListDescription),
        .place = { 480, 720, 1095, 1770 },
        .tabIndex = 3 },
    // The quotation box keeps its text and its place but is not shown.
    rt::ControlDefinition { .kind = rt::kindOf(names::Text1),
        .name = names::Text1.name,
        .element = names::kQuotationBox,
        .text = view(kQuotation),
        .accessibleName = view(kQuotationName),
        .accessibleDescription = view(kQuotationDescription),
        .place = { 600, 3240, 6735, 1815 },
        .tabIndex = 1,
        .visible = false },
    rt::ControlDefinition { .kind = rt::kindOf(names::Text1),
        .name = names::Text1.name,
        .element = names::kCompositionBox,
        .text = view(kPresetText),
        .accessibleName = view(kCompositionName),
        .accessibleDescription = view(kCompositionDescription),
        .place = { 120, 2640, 6735, 2415 },
        .tabIndex = 0,
        .verticalScrollBar = true },
    rt::ControlDefinition { .kind = rt::kindOf(names::Label1),
        .name = names::Label1.name,
        .element = 0,
        .text = view(kTitle),
        .place = { 1680, 0, 3495, 375 },
        .backColour = kOrange,
        .tabIndex = 2,
        .centred = true,
        .heading = true },
};

const rt::FormDefinition kZorbika {
    .name = "Zorbika",
    .caption = view(kCaption),
    .clientWidth = 6915,
    .clientHeight = 5175,
    .backColour = kBackground,
    .font = { .name = view(kFontName), .points = 12, .weight = 400, .charset = 204 },
    .icon = zorbika_xpm,
    // The board fills whatever window it is given: a maximised one on the
    // classroom's whiteboard, or the whole screen.
    .sizable = true,
    .minButton = true,
    .maxButton = true,
    .controls = kControls,
};

} // namespace

const rt::FormDefinition& zorbikaDefinition()
{
    return kZorbika;
}

} // namespace zorbika
