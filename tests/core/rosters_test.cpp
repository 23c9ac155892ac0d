#include <gtest/gtest.h>

#include "core/rosters.h"
#include "support/fixtures.h"
#include "support/imageedits.h"

namespace icevale {
namespace {

using namespace test;

constexpr int kT = 7;  // the team the hand-made rosters below are written to
const std::int32_t kArea = static_cast<std::int32_t>(teamtextoffset[kT] - rosteroffset[kT]);

// Team kT's count byte, goalie marks and records of these names; record n has jersey
// byte n, attribute bytes 16q + n and 0x55 as its second length byte, which is never read.
Bytes withRoster(std::uint8_t counts, std::uint8_t mark1, std::uint8_t mark2, const std::vector<std::string>& names)
{
    Bytes records;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto n = static_cast<std::uint8_t>(i + 1);
        records = joined({records, {static_cast<std::uint8_t>(names[i].size() + 2), 0x55}, bytesof(names[i]), {n}});
        for (int q = 1; q <= 7; ++q)
            records.push_back(static_cast<std::uint8_t>(16 * q + n));
    }
    const Bytes rom = overlaid(sampleImage().bytes, teamoffset[kT] - 1, {counts});
    return overlaid(overlaid(rom, teamoffset[kT] + 1, {mark1, mark2}), rosteroffset[kT], records);
}

TEST(Rosters, SampleRostersDecodeAsBuilt)
{
    const Cartridge cart = loadedSample();
    for (int t = 1; t <= kTeams; ++t) {
        const auto& team = sampleImage().teams[t];
        ASSERT_EQ((std::array{cart.goaliecount[t], cart.forwardcount[t], cart.defensecount[t]}),
                  (std::array{team.goalies, team.forwards, team.defence})) << t;
        std::int32_t left = static_cast<std::int32_t>(teamtextoffset[t] - rosteroffset[t]) - 2;
        for (int p = 1; p <= cart.playercount(t); ++p) {
            const auto& player = team.players[static_cast<std::size_t>(p - 1)];
            EXPECT_EQ(cart.playername[p][t], player.name);
            EXPECT_EQ(cart.playernum[p][t], player.number);
            for (int q = 1; q <= 7; ++q)
                EXPECT_EQ(cart.playerattr[q][p][t], player.attr[q]);
            left -= static_cast<std::int32_t>(player.name.size()) + 10;
        }
        EXPECT_EQ(cart.rosterbytesleft[t], left);
        EXPECT_EQ(rosterfreebytes(cart, t), left);
    }
    const std::tuple<std::uint8_t, std::uint8_t, int> marks[] = {
        {0x11, 0x10, 3}, {0x10, 0, 1}, {0, 0, 0}, {0x12, 0x30, 3}, {0x05, 0, 1}, {0, 0x01, 1}, {0xFF, 0xFF, 4}};
    for (const auto& [first, second, count] : marks)
        EXPECT_EQ(countgoaliemarks(first, second), count) << int{first} << " " << int{second};
}

TEST(Rosters, HandMadeRostersDecode)
{
    const struct {
        Bytes rom;
        std::array<int, 3> counts;  // goalies, forwards, defencemen
        std::int32_t left;
    } cases[] = {
        {withRoster(0x96, 0x11, 0x00, std::vector<std::string>(17, "ABCDEFGHIJ")), {2, 9, 6}, kArea - 342},
        {withRoster(0x01, 0, 0, {""}), {0, 0, 1}, kArea - 12},  // L = 2: an empty name
        {overlaid(withRoster(0x01, 0, 0, {""}), rosteroffset[kT], {1}), {0, 0, 1}, kArea - 11},
        {overlaid(withRoster(0x01, 0, 0, {""}), rosteroffset[kT], {0}), {0, 0, 1}, kArea - 10},
        {withRoster(0x00, 0, 0, {}), {0, 0, 0}, kArea - 2},
    };
    for (const auto& c : cases) {
        Tables tables;
        tables.playername[18][kT] = "kept";  // slots past the roster are left alone
        ASSERT_EQ(readrosters(tables, c.rom), "");
        EXPECT_EQ((std::array{tables.goaliecount[kT], tables.forwardcount[kT], tables.defensecount[kT]}), c.counts);
        EXPECT_EQ(tables.rosterbytesleft[kT], c.left);
        EXPECT_EQ(tables.playername[18][kT], "kept");
        // The jersey byte follows the L bytes that the record's first byte gives.
        const std::size_t last = rosteroffset[kT] + static_cast<std::size_t>(kArea - c.left) - 10;
        const int n = tables.playercount(kT);
        if (n > 0) {
            EXPECT_EQ(tables.playername[n][kT], n == 1 ? "" : "ABCDEFGHIJ");
            EXPECT_EQ(tables.playernum[n][kT], c.rom[last]);
            EXPECT_EQ(tables.playerattr[7][n][kT], c.rom[last + 7]);
        }
    }
}

TEST(Rosters, ImagesThatCannotBeHeldAreRefused)
{
    const Cartridge cart = loadedSample();
    const Bytes& rom = cart.RomImage;
    const std::size_t end = teamtextoffset[1] - static_cast<std::size_t>(cart.rosterbytesleft[1]) - 2;
    // Team 1 lies last in the image and is read first; the last cut ends inside its last record.
    const std::pair<Bytes, std::string> cases[] = {
        {withRoster(0xFF, 0x11, 0x11, {}),
         "team 7 has 4 goalies, 15 forwards and 15 defencemen: 34 players, more than the 25 a roster can hold"},
        {withRoster(0xF9, 0x11, 0x00, {}), "team 7 has 2 goalies, 15 forwards and 9 defencemen: 26 players"},
        {slice(rom, 0, teamoffset[1] + 2), "the roster of team 1 lies past the end of the image"},
        {slice(rom, 0, rosteroffset[1] + 3), "the roster of team 1 runs past the end of the image"},
        {slice(rom, 0, end - 1), "the roster of team 1 runs past the end of the image"},
        {withRoster(0xF8, 0x11, 0x00, {}), ""},  // 25 players
    };
    for (const auto& [image, why] : cases) {
        Tables tables;
        EXPECT_EQ(readrosters(tables, image).substr(0, why.size()), why);
    }
}

TEST(Rosters, CountByteAndGoalieMarks)
{
    const Bytes& rom = sampleImage().bytes;
    Tables tables;
    const Bytes marks[] = {{}, {0x10, 0x00}, {0x11, 0x00}, {0x11, 0x10}, {0x11, 0x11}, {}};
    for (int count = 0; count <= 5; ++count) {
        tables.goaliecount[6] = count;
        EXPECT_EQ(edited(rom, goaliemarksedit(tables, 6)), overlaid(rom, teamoffset[6] + 1, marks[count])) << count;
    }
    const std::tuple<int, int, std::uint8_t> counts[] = {{9, 6, 0x96}, {15, 15, 0xFF}, {0, 1, 0x01}};
    for (const auto& [forwards, defence, byte] : counts) {
        tables.forwardcount[28] = forwards;
        tables.defensecount[28] = defence;
        EXPECT_EQ(edited(rom, rostercountedit(tables, 28)), overlaid(rom, teamoffset[28] - 1, {byte}));
    }
    const Cartridge cart = loadedSample();
    Bytes same = rom;
    for (int t = 1; t <= kTeams; ++t)
        same = edited(edited(same, rostercountedit(cart, t)), goaliemarksedit(cart, t));
    EXPECT_EQ(same, rom);
}

TEST(Rosters, RecordsAreRewrittenWithZeroSecondLengthBytesAndShortenedInPlace)
{
    Cartridge cart = loadedSample();
    const Bytes rom = cart.RomImage;
    const RosterWrite all = allrostersedit(cart);
    EXPECT_TRUE(all.unwritten.empty());
    EXPECT_EQ(all.message, "");
    EXPECT_EQ(edited(overlaid(rom, rosteroffset[3] + 1, {0x7E}), all.edit), rom);

    // Player 1 of team 4 loses its name, the last player goes: 02 00 and player 1's
    // number and attributes, the records between moved up, the terminator, and the
    // old bytes after it as they were.
    const int t = 4;
    const std::size_t first = rosteroffset[t], second = first + cart.playername[1][t].size() + 10;
    std::size_t last = first;
    for (int p = 1; p < cart.playercount(t); ++p)
        last += cart.playername[p][t].size() + 10;
    cart.playername[1][t] = "";
    cart.defensecount[t] -= 1;
    const Bytes records = joined({{0x02, 0x00}, slice(rom, second - 8, last), {0x02, 0x00}});
    EXPECT_EQ(edited(rom, *rosterrecordsedit(cart, t)), overlaid(rom, first, records));
    EXPECT_EQ(rosterfreebytes(cart, t), static_cast<std::int32_t>(teamtextoffset[t] - first - records.size()));
}

TEST(Rosters, RostersThatDoNotFitTheirAreaAreLeftOutAndListed)
{
    const Bytes& rom = sampleImage().bytes;
    for (const std::int32_t over : {0, 1}) {
        Cartridge cart = loadedSample();
        const std::size_t length = cart.playername[1][2].size();
        const auto grow = static_cast<std::size_t>(rosterfreebytes(cart, 2) + over);
        cart.playername[1][2] += std::string(grow, 'x');
        const RosterWrite all = allrostersedit(cart);
        EXPECT_EQ(all.unwritten, over ? std::vector<int>{2} : std::vector<int>{});
        EXPECT_EQ(all.message, over ? "Rosters that do not fit their area were left unwritten: team 2" : "");
        // Exactly fitting: the longer name, the rest moved back up to the text block.
        const Bytes records = joined({{static_cast<std::uint8_t>(length + grow + 2), 0}, bytesof(cart.playername[1][2]),
                                      slice(rom, rosteroffset[2] + 2 + length, teamtextoffset[2] - grow)});
        EXPECT_EQ(edited(rom, all.edit), over ? rom : overlaid(rom, rosteroffset[2], records));
    }
}

TEST(Rosters, NamesLongerThanALengthByteCanCountAndRostersOver25AreRefused)
{
    Cartridge cart = loadedSample();
    cart.goaliecount[1] = 1;
    cart.forwardcount[1] = cart.defensecount[1] = 0;
    cart.playername[1][1] = std::string(253, 'n');
    const Bytes& rom = cart.RomImage;
    const std::size_t rest = rosteroffset[1] + 2 + sampleImage().teams[1].players[0].name.size();
    const Bytes records = joined({{255, 0}, Bytes(253, 'n'), slice(rom, rest, rest + 8), {0x02, 0x00}});
    EXPECT_EQ(edited(rom, *rosterrecordsedit(cart, 1)), overlaid(rom, rosteroffset[1], records));
    cart.playername[1][1] += 'n';
    EXPECT_FALSE(rosterrecordsedit(cart, 1));
    cart.playername[1][1] = "";
    cart.defensecount[1] = 25;
    EXPECT_FALSE(rosterrecordsedit(cart, 1));
}

}  // namespace
}  // namespace icevale
