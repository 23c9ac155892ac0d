#pragma once
// Image texts as UTF-8 for the interchange formats: every byte of the single-byte
// character set (charset.h) becomes its character's UTF-8 sequence, and back.
#include <optional>
#include <string>
#include <string_view>

namespace icevale {

// The UTF-8 text of bytes of the single-byte character set; every byte has a character.
std::string bytestoutf8(std::string_view bytes);

// The bytes of a UTF-8 text, or nothing with `why` naming the first character that is
// malformed UTF-8 or has no code in the set, and its position (counted in characters).
std::optional<std::string> utf8tobytes(std::string_view text, std::string& why);

}  // namespace icevale
