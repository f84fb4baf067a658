#include "Windows1251Oracle.h"

#include <array>
#include <emscripten.h>

namespace testing_support {

namespace {

// The WHATWG decoder that every browser and Node.js has.
// The JavaScript is the macro's argument, which clang-format would take for C++.
// clang-format off
// NOLINTNEXTLINE
EM_JS(int, decodedByte, (int byte), {
    return new TextDecoder('windows-1251').decode(new Uint8Array([byte])).charCodeAt(0);
});
// clang-format on

// Like Windows, the decoder gives the one unassigned byte of the code page
// the C1 control of the same number; the code page has no character there.
constexpr unsigned char kUnassigned = 0x98;

const std::array<char16_t, 256>& table()
{
    static const std::array<char16_t, 256> characters = [] {
        std::array<char16_t, 256> all {};
        for (int byte = 0; byte < 256; ++byte) {
            all[static_cast<std::size_t>(byte)] = static_cast<char16_t>(decodedByte(byte));
        }
        return all;
    }();
    return characters;
}

} // namespace

std::optional<std::u16string> decodeWithSystem(std::string_view bytes)
{
    std::u16string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == kUnassigned) {
            return std::nullopt;
        }
        text += table()[byte];
    }
    return text;
}

std::optional<std::string> encodeWithSystem(std::u16string_view text)
{
    std::string bytes;
    for (const char16_t c : text) {
        std::size_t byte = 0;
        while (byte < 256 && (table()[byte] != c || byte == kUnassigned)) {
            ++byte;
        }
        if (byte == 256) {
            return std::nullopt;
        }
        bytes += static_cast<char>(byte);
    }
    return bytes;
}

} // namespace testing_support
