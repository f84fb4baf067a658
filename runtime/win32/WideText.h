#pragma once

// Windows' wide strings are the runtime's UTF-16 strings, code unit for code
// unit.

#include <string>
#include <string_view>

namespace rt::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline const wchar_t* wide(const std::u16string& text)
{
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline std::u16string fromWide(const wchar_t* text, std::size_t length)
{
    return { reinterpret_cast<const char16_t*>(text), length };
}

} // namespace rt::win32
