#include "Windows1251Oracle.h"

#include <windows.h>

namespace testing_support {

namespace {

constexpr UINT kCodePage = 1251;
// Windows gives the one unassigned byte of the code page the C1 control of
// the same number; the code page itself has no character there.
constexpr char kUnassigned = '\x98';
constexpr char16_t kWindowsC1 = u'\u0098';

} // namespace

std::optional<std::u16string> decodeWithSystem(std::string_view bytes)
{
    if (bytes.empty()) {
        return std::u16string();
    }
    if (bytes.find(kUnassigned) != std::string_view::npos) {
        return std::nullopt;
    }
    const auto size = static_cast<int>(bytes.size());
    const int length
        = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0) {
        return std::nullopt;
    }
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size,
        reinterpret_cast<wchar_t*>(text.data()), length);
    return text;
}

std::optional<std::string> encodeWithSystem(std::u16string_view text)
{
    if (text.empty()) {
        return std::string();
    }
    if (text.find(kWindowsC1) != std::u16string_view::npos) {
        return std::nullopt;
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const auto size = static_cast<int>(text.size());
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(
        kCodePage, WC_NO_BEST_FIT_CHARS, wide, size, nullptr, 0, nullptr, &lossy);
    if (length <= 0 || lossy != FALSE) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(
        kCodePage, WC_NO_BEST_FIT_CHARS, wide, size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

} // namespace testing_support
