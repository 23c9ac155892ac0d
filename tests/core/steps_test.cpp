#include <set>

#include "core/steps.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

using namespace test;

// A merge key joins the drags of one uniform cell, or of one team's banner, and nothing else.
TEST(Steps, MergeKeysJoinOnlyTheChangesOfOneCellOrOneBanner)
{
    const Cartridge cart = loadedSample();
    const BannerColours rows{};
    const auto key = [&](int t, int home, int cell) { return uniformcellstep(cart, t, home, cell, {1, 2, 3}).mergekey; };
    EXPECT_EQ(key(3, 1, 4), uniformcellstep(cart, 3, 1, 4, {9, 9, 9}).mergekey);
    const std::set<std::string> keys = {key(3, 1, 4), key(4, 1, 4), key(3, 0, 4), key(3, 1, 5),
                                        bannercoloursstep(cart, 3, rows).mergekey, bannercoloursstep(cart, 4, rows).mergekey, ""};
    EXPECT_EQ(keys.size(), 7u);
    EXPECT_EQ(flipuniformsstep(cart, 3).value().mergekey, "");  // a flip never merges
}

TEST(Steps, TheTeamEditorsRefusalsInItsWords)
{
    const Cartridge cart = loadedSample();
    TeamTexts texts = teamtexts(cart, 2);
    texts.arena += std::string(static_cast<std::size_t>(cart.rosterbytesleft[2] + 1000), 'x');
    const std::int64_t characters = static_cast<std::int64_t>(texts.name.size() + texts.abbrev.size() +
                                                              texts.nick.size() + texts.arena.size());
    const std::string label = "team 2 (" + sampleImage().teams[2].name + ")";
    const std::pair<Result<Step>, std::string> refusals[] = {
        {teamstep(2, texts, 9), "the texts of " + label + " are " + std::to_string(-textblockfree(2, characters)) +
                                    " bytes too long for its block"},
        {menunamesstep({std::string(20, 'A'), "BCD"}), "the menu display names are 1 characters over the 22 they share"},
    };
    for (const auto& [step, problem] : refusals)
        EXPECT_EQ(std::pair(step.ok(), step.message()), std::pair(false, problem));
    EXPECT_EQ(teamlabel(4, "  \t"), "team 4");
    EXPECT_EQ(overallproblem({"team 1", "team 5 (Brisk)"}),
              "the overall numbers of team 1, team 5 (Brisk) are not whole numbers from 0 to 255");
    const Result<Step> saved = teamstep(2, teamtexts(cart, 2), 40);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved->name, "Team texts and overall numbers");
    EXPECT_EQ(edited(cart.RomImage, saved->edit), edited(cart.RomImage, overalledit(2, 40)));
}

}  // namespace
}  // namespace icevale
