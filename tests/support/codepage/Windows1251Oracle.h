#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace testing_support {

// Windows-1251 through the system's own converter (glibc's iconv on Linux,
// the code page of Windows itself), to check our own table against. Both
// give nullopt where the code page has no byte or no character.
std::optional<std::u16string> decodeWithSystem(std::string_view bytes);
std::optional<std::string> encodeWithSystem(std::u16string_view text);

} // namespace testing_support
