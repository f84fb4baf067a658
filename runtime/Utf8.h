#pragma once

#include <string>
#include <string_view>

namespace rt {

// UTF-8 as UTF-16. A malformed or overlong sequence, a surrogate or a code
// point past U+10FFFF becomes U+FFFD, one for each byte it spoils.
[[nodiscard]] std::u16string fromUtf8(std::string_view utf8);

} // namespace rt
