#include <gtest/gtest.h>

#include <set>

#include "core/charset.h"
#include "core/utf8text.h"

namespace icevale {
namespace {

TEST(Charset, EveryByteHasItsOwnWindows1252CharacterAndComesBack)
{
    std::set<char16_t> seen;
    for (int b = 0; b < 256; ++b) {
        const char16_t c = bytetochar(static_cast<std::uint8_t>(b));
        EXPECT_TRUE(seen.insert(c).second) << "byte " << b << " shares its character";
        EXPECT_EQ(chartobyte(c), b) << "byte " << b;
    }
    const std::pair<std::uint8_t, char16_t> mapped[] = {{0x80, u'\u20AC'}, {0x9F, u'\u0178'}, {0xE9, u'\u00E9'},
                                                        {0x81, u'\u0081'}, {0x8D, u'\u008D'}, {0x8F, u'\u008F'},
                                                        {0x90, u'\u0090'}, {0x9D, u'\u009D'}, {0x41, u'A'}};
    for (const auto& [b, c] : mapped)
        EXPECT_EQ(bytetochar(b), c) << int{b};
    for (const char16_t c : {u'\u0100', u'\u0080', u'\u4E2D', u'\u2603', u'\uFFFD'})
        EXPECT_FALSE(chartobyte(c).has_value()) << static_cast<int>(c);
}

// Import texts: well-formed UTF-8 of the set's characters becomes their bytes; every
// malformed form is refused at its character, and a well-formed character outside the
// set is told apart from it.
TEST(Utf8Text, MalformedFormsAreRefusedAtTheirCharacterAndCharactersOutsideTheSetNamed)
{
    const std::string malformed = "malformed UTF-8 at character ", nocode = ") has no code in the image's character set";
    struct Case { std::string text, bytes, refusal; };
    const Case cases[] = {
        {"A\xC3\xA9\xE2\x82\xAC\xC2\x81", "A\xE9\x80\x81", ""},
        // Overlong forms (U+0000, U+007F, U+07FF, U+FFFF), surrogates, past U+10FFFF.
        {"\xC0\x80", "", malformed + "1"}, {"\xC1\xBF", "", malformed + "1"}, {"A\xE0\x9F\xBF", "", malformed + "2"},
        {"\xF0\x8F\xBF\xBF", "", malformed + "1"}, {"\xED\xA0\x80", "", malformed + "1"}, {"\xED\xBF\xBF", "", malformed + "1"},
        {"\xF4\x90\x80\x80", "", malformed + "1"}, {"\xF5\x80\x80\x80", "", malformed + "1"},
        // Continuations out of place, sequences cut short.
        {"\x80", "", malformed + "1"}, {"\xC3\x28", "", malformed + "1"}, {"\xE2\x82\xC0", "", malformed + "1"},
        {"\xC3\xA9\xC3", "", malformed + "2"}, {"\xE2\x82", "", malformed + "1"}, {"A\xF0\x9F\x98", "", malformed + "2"},
        // The shortest forms and the characters beside the surrogates are well formed.
        {"\xC2\x80", "", "character 1 (U+0080" + nocode}, {"\xE0\xA0\x80", "", "character 1 (U+0800" + nocode},
        {"\xED\x9F\xBF", "", "character 1 (U+D7FF" + nocode}, {"\xEE\x80\x80", "", "character 1 (U+E000" + nocode},
        {"\xF0\x90\x80\x80", "", "character 1 (U+10000" + nocode}, {"\xF4\x8F\xBF\xBF", "", "character 1 (U+10FFFF" + nocode},
    };
    for (const Case& c : cases) {
        const Result<std::string> read = utf8tobytes(c.text);
        EXPECT_EQ(std::pair(read ? read.value() : std::string(), read.message()), std::pair(c.bytes, c.refusal))
            << bytestoutf8(c.text);
    }
    EXPECT_EQ(utf8tobytes(std::string_view("\xC3\xA9", 1)).message(), malformed + "1");  // cut where the text ends
    // What a box keeps of typed text: the characters with a code, in order.
    EXPECT_EQ(keepableutf8("A\xCE\xA9\xC3\xA9\xF0\x9F\x98\x80" "b\xC0\x80\xE2\x82\xAC"), "A\xC3\xA9" "b\xE2\x82\xAC");
}

}  // namespace
}  // namespace icevale
