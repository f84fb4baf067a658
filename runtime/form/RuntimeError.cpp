#include "RuntimeError.h"

#include <string_view>

namespace rt {

namespace {

std::u16string_view description(int number)
{
    switch (number) {
    case RuntimeError::kOutOfMemory:
        return u"Недостатъчно памет";
    case RuntimeError::kInternalError:
        return u"Вътрешна грешка";
    case RuntimeError::kControlArrayElementMissing:
        return u"Елементът на масива от контроли не съществува";
    case RuntimeError::kInvalidPropertyArrayIndex:
        return u"Невалиден индекс на масив в свойство";
    default:
        return u"Грешка, определена от приложението";
    }
}

std::u16string digits(int number)
{
    const std::string ascii = std::to_string(number);
    return { ascii.begin(), ascii.end() };
}

} // namespace

std::u16string RuntimeError::message() const
{
    // Appended piece by piece: GCC 12 warns of a false overlap in operator+.
    std::u16string text = u"Грешка по време на изпълнение '";
    text.append(digits(number_)).append(u"':\n\n").append(description(number_));
    return text;
}

} // namespace rt
