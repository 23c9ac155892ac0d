// The whole decode of a fuzzed image (see fuzzimage.h for the input): decodeimage, the
// health check and every reader of every team and area.
// Properties: nothing outside the image and nothing outside the areas a reader may
// read is touched (AddressSanitizer over an exactly sized image with every other byte
// poisoned); no decoder throws; on an image long enough for every roster and text the
// decode fails exactly when some team's counts give more than 25 players; health
// problems name a listed area and a team 0..28; the readers' results hold their
// documented bounds.
#include <algorithm>
#include <exception>
#include <string_view>

#include "core/bannertexts.h"
#include "core/colours.h"
#include "core/health.h"
#include "core/menudefaults.h"
#include "core/playoffs.h"
#include "core/romfile.h"
#include "core/rosters.h"
#include "core/teamtexts.h"
#include "fuzzimage.h"

namespace icevale::fuzz {
namespace {

// Whether some team's count byte and goalie marks give more than 25 players.
bool overfull(const Bytes& rom)
{
    for (int t = 1; t <= kTeams; ++t) {
        const std::uint8_t counts = rom[teamoffset[t] - 1];
        const std::uint8_t marks[2] = {rom[teamoffset[t] + 1], rom[teamoffset[t] + 2]};
        int players = (counts >> 4) + (counts & 15);
        for (const std::uint8_t m : marks)
            players += ((m >> 4) != 0) + ((m & 15) != 0);
        if (players > kMaxPlayers)
            return true;
    }
    return false;
}

void checkhealth(const Cartridge& cart)
{
    static constexpr std::string_view kHealthAreas[] = {"rosters",  "team texts", "menu names",   "banner texts",
                                                        "line-ups", "playoffs",   "menu defaults"};
    for (const HealthProblem& p : healthcheck(cart)) {
        expect(std::find(std::begin(kHealthAreas), std::end(kHealthAreas), p.area) != std::end(kHealthAreas),
               "a health problem names a listed area");
        expect(p.team >= 0 && p.team <= kTeams && !p.text.empty(), "a health problem names a team 0..28 and says what");
    }
}

void readteam(const Cartridge& cart, int t, bool decoded)
{
    const Bytes& rom = cart.RomImage;
    static_cast<void>(readoverall(rom, t));
    for (int home = 0; home <= 1; ++home)
        static_cast<void>(readuniform(rom, t, home));
    if (const auto flip = flipuniformsedit(rom, t))
        expect(editfits(*flip, rom.size()), "the uniform flip of a read image fits it");
    BannerColours rows{};
    static_cast<void>(readbannercolours(rom, t, rows));
    const std::string text = readbannertext(cart, rom, t);
    expect(text.size() <= kBannerTextSize, "a banner text lies inside the area");
    expect(bannerboxtext(cart, rom, t).find('\0') == std::string::npos, "a banner box text holds no zero byte");
    if (!decoded)
        return;
    static_cast<void>(textblockfree(t, static_cast<std::int64_t>(teamtexts(cart, t).name.size())));
    static_cast<void>(rosterfreebytes(cart, t));
}

void readseason(const Bytes& rom)
{
    for (int g = -1; g <= kPlayoffPages; ++g) {
        const bool inside = g >= 0 && g < kPlayoffPages && kPlayoffSlots + kPlayoffPageSlots * (g + 1) <= rom.size();
        expect(readplayoffpage(rom, g).has_value() == inside,
               "a playoff page is read exactly when it exists and lies inside");
    }
    static_cast<void>(readplayoffcount(rom));
    static_cast<void>(readmenufields(rom));
    static_cast<void>(readselectableteams(rom));
    static_cast<void>(readmenunames(rom));
    static_cast<void>(bannerpointerstarts(rom));
    static_cast<void>(bannertablesound(rom));
}

void decodeall(Cartridge& cart)
{
    const std::string problem = decodeimage(cart);
    if (cart.RomImage.size() >= kTeamReach)
        expect(problem.empty() == !overfull(cart.RomImage),
               "a long enough image decodes exactly when no team has more than 25 players");
    if (problem.empty())
        checkhealth(cart);
    for (int t = 1; t <= kTeams; ++t)
        readteam(cart, t, problem.empty());
    readseason(cart.RomImage);
}

}  // namespace
}  // namespace icevale::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace icevale::fuzz;
    FuzzInput in(data, size);
    const ImagePlan plan = planimage(in);
    icevale::Cartridge cart;
    const LentImage lent(cart.RomImage, poisonedimage(plan));
    try {
        decodeall(cart);
    } catch (const std::exception& e) {
        violated(std::string("a decoder threw: ") + e.what());
    } catch (...) {
        violated("a decoder threw");
    }
    return 0;
}
