#include <gtest/gtest.h>

#include <algorithm>

#include "core/storedchoice.h"

namespace icevale {
namespace {

TEST(StoredChoice, EveryStoredByteSurvivesAndPicksWriteTheirEntrysByte)
{
    // (entries, first): playoff slot, team field, two-entry field, count "1".."28"
    const std::pair<int, int> shapes[] = {{29, 0}, {28, 0}, {2, 0}, {28, 1}};
    for (const auto& [entries, first] : shapes) {
        for (int b = 0; b <= 255; ++b) {
            const auto stored = static_cast<std::uint8_t>(b);
            const int position = choiceposition(stored, entries, first);
            EXPECT_EQ(choicebyte(position, stored, entries, first), stored) << entries << " " << b;
            EXPECT_EQ(choiceunlisted(stored, entries, first), b >= first + entries) << entries << " " << b;
            EXPECT_EQ(position, b < first ? -1 : std::min(b - first, entries)) << entries << " " << b;
        }
    }
    EXPECT_EQ(choicebyte(4, 99, 28, 1), 5);
    EXPECT_EQ(choicebyte(-1, 12, 28, 1), 0);  // a count with nothing selected is none set
    EXPECT_EQ(choicebyte(-1, 9, 5), 9);       // a field with nothing selected keeps its byte
}

}  // namespace
}  // namespace icevale
