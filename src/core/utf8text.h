#pragma once
// Image texts as UTF-8 for the interchange formats: every byte of the single-byte
// character set (charset.h) becomes its character's UTF-8 sequence, and back.
#include <optional>
#include <string>
#include <string_view>

#include "core/result.h"

namespace icevale {

// The UTF-8 text of bytes of the single-byte character set; every byte has a character.
std::string bytestoutf8(std::string_view bytes);

// The bytes of a UTF-8 text, or why not: the first character that is malformed UTF-8 or
// has no code in the set, and its position (counted in characters).
Result<std::string> utf8tobytes(std::string_view text);

// Text for people to read: every control character (U+0000..U+001F, U+007F..U+009F)
// written as \xNN, so that no raw control byte reaches a terminal or a status line.
// printablebytes works on bytes of the character set (whose controls are the bytes
// 00..1F, 7F and the unassigned 81, 8D, 8F, 90, 9D), printableutf8 on UTF-8; any other
// byte is kept. Applying either twice changes nothing more.
std::string printablebytes(std::string_view bytes);
std::string printableutf8(std::string_view text);

}  // namespace icevale
