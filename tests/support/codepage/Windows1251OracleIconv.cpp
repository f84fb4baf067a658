#include "Windows1251Oracle.h"

#include <iconv.h>
#include <vector>

namespace testing_support {

namespace {

std::optional<std::string> convert(const char* to, const char* from, std::string input)
{
    iconv_t converter = iconv_open(to, from);
    // NOLINTNEXTLINE(performance-no-int-to-ptr): iconv's own failure value
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::vector<char> output(input.size() * 4 + 4);
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size();
    std::size_t outLeft = output.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    return std::string(output.data(), output.size() - outLeft);
}

} // namespace

std::optional<std::u16string> decodeWithSystem(std::string_view bytes)
{
    const auto utf16 = convert("UTF-16LE", "CP1251", std::string(bytes));
    if (!utf16) {
        return std::nullopt;
    }
    std::u16string text;
    for (std::size_t i = 0; i + 1 < utf16->size(); i += 2) {
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>((*utf16)[i])
            | (static_cast<unsigned char>((*utf16)[i + 1]) << 8U)));
    }
    return text;
}

std::optional<std::string> encodeWithSystem(std::u16string_view text)
{
    std::string utf16;
    for (const char16_t c : text) {
        utf16.push_back(static_cast<char>(c & 0xFFU));
        utf16.push_back(static_cast<char>(c >> 8U));
    }
    return convert("CP1251", "UTF-16LE", utf16);
}

} // namespace testing_support
