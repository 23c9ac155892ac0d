#include "core/steps.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

using namespace test;

// Steps carry the windows' names and merge keys over the edits of their areas.
TEST(Steps, NamesKeysAndEditsOfTheColourCommands)
{
    const Cartridge cart = loadedSample();
    const Bytes& rom = cart.RomImage;
    const std::string cal = sampleImage().teams[3].abbrev;
    BannerColours rows{};
    ASSERT_TRUE(readbannercolours(rom, 3, rows));
    blackout(rows);
    const Step cell = uniformcellstep(cart, 3, 1, 4, {1, 2, 3});
    const Step banner = bannercoloursstep(cart, 3, rows);
    const auto flip = flipuniformsstep(cart, 3);
    ASSERT_TRUE(flip);
    using Named = std::tuple<std::string, std::string, Bytes>;
    EXPECT_EQ(Named(cell.name, cell.mergekey, edited(rom, cell.edit)),
              Named("Uniform colour of " + cal, "uniform:3:1:4", edited(rom, uniformcelledit(rom, 3, 1, 4, {1, 2, 3}))));
    EXPECT_EQ(Named(banner.name, banner.mergekey, edited(rom, banner.edit)),
              Named("Banner colours of " + cal, "banner:3", edited(rom, bannercoloursedit(rom, 3, rows))));
    EXPECT_EQ(Named(flip->name, flip->mergekey, edited(rom, flip->edit)),
              Named("Flip uniforms of " + cal, "", edited(rom, *flipuniformsedit(rom, 3))));
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
