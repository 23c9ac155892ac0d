#include <gtest/gtest.h>

#include <limits>

#include "core/imagebytes.h"
#include "support/imageedits.h"

namespace icevale {
namespace {

using namespace std::string_literals;
using test::bytesof;
constexpr std::size_t kFar = std::numeric_limits<std::size_t>::max();

TEST(ImageBytes, ReadsSayWhenTheyLeaveTheImage)
{
    const Bytes rom = {1, 2, 3, 4};
    EXPECT_EQ(readbyte(rom, 3), 4);
    EXPECT_EQ(readbyte(rom, 4), std::nullopt);
    const auto span = readspan(rom, 1, 3);
    ASSERT_TRUE(span);
    EXPECT_EQ(Bytes(span->begin(), span->end()), (Bytes{2, 3, 4}));
    EXPECT_TRUE(readspan(rom, 4, 0));  // nothing to read at the very end
    for (const auto& [pos, length] : {std::pair<std::size_t, std::size_t>{2, 3}, {5, 0}, {1, kFar}, {kFar, 2}})
        EXPECT_FALSE(readspan(rom, pos, length)) << pos << " " << length;
}

TEST(ImageBytes, RecordsOfEveryLengthAndRecordsPastTheEnd)
{
    using Read = std::pair<std::string, std::size_t>;  // text, next
    const std::tuple<std::string, std::size_t, std::optional<Read>> cases[] = {
        {"\x06\x7F" "ABCD", 0, Read{"ABCD", 6}},  // the second header byte is never read
        {"\x05\0\xE9\x80\x9D"s, 0, Read{"\xE9\x80\x9D", 5}}, {"\x02\0"s, 0, Read{"", 2}},
        {"\x01\x06" "A", 0, Read{"", 1}}, {"\0\x06" "A"s, 0, Read{"", 0}},  // L = 0 does not move on
        {"xx\x03\0" "Q"s, 2, Read{"Q", 5}},
        {"\x04\0" "A"s, 0, std::nullopt},  // claims two characters, holds one
        {"\x02\0"s, 2, std::nullopt}, {"", 0, std::nullopt},
    };
    for (const auto& [rom, pos, read] : cases) {
        const auto record = readrecord(bytesof(rom), pos);
        EXPECT_EQ(record ? std::optional<Read>({record->text, record->next}) : std::nullopt, read) << rom << " " << pos;
    }
}

TEST(Edit, CollectsWritesInOrderAndJoinsAdjacentOnes)
{
    Edit edit, more;
    edit.put(10, std::uint8_t{1});
    edit.put(11, Bytes{2, 3});
    edit.put(40, Bytes{});
    edit.put(20, "ab");
    edit.fill(22, 2, 0xEE);
    EXPECT_EQ(edit.putrecord(30, "XY"), 34u);
    EXPECT_EQ(edit.putrecord(34, ""), 36u);
    more.put(5, std::uint8_t{9});
    edit.append(more);
    std::vector<std::pair<std::size_t, Bytes>> writes;
    for (const Edit::Write& w : edit.writes())
        writes.emplace_back(w.offset, w.bytes);
    EXPECT_EQ(writes, (std::vector<std::pair<std::size_t, Bytes>>{
                          {10, {1, 2, 3}}, {20, {'a', 'b', 0xEE, 0xEE}}, {30, {4, 0, 'X', 'Y', 2, 0}}, {5, {9}}}));
    EXPECT_TRUE(Edit().empty());
}

TEST(Edit, AnEditWithAWritePastTheEndIsRefusedWhole)
{
    const Bytes rom(16, 0xAA);
    const std::tuple<std::size_t, std::size_t, bool> cases[] = {
        {12, 4, true}, {0, 16, true}, {13, 4, false}, {16, 1, false}, {kFar - 1, 4, false}};
    for (const auto& [at, length, fits] : cases) {
        Edit edit;
        edit.put(0, std::uint8_t{0x11});  // fits, and must not be written when the other does not
        edit.fill(at, length, 0x22);
        EXPECT_EQ(editfits(edit, rom.size()), fits) << at;
        Bytes image = rom, expected = rom;
        EXPECT_EQ(applyedit(image, edit), fits) << at;
        if (fits) {  // in order: a later write wins
            expected[0] = 0x11;
            std::fill_n(expected.begin() + static_cast<std::ptrdiff_t>(at), length, 0x22);
        }
        EXPECT_EQ(image, expected) << at;
        EXPECT_TRUE(editchanges(rom, edit)) << at;
    }
    Edit same;
    same.fill(3, 5, 0xAA);
    EXPECT_FALSE(editchanges(rom, same));
    same.put(15, std::uint8_t{0xAB});
    EXPECT_TRUE(editchanges(rom, same));
}

}  // namespace
}  // namespace icevale
