#include <algorithm>

#include "core/importer.h"
#include "core/rosters.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

constexpr int kT = 3;

// Team kT's roster as an import gives it: `g` goalies, `f` forwards and `d` defencemen,
// the first of them named with names of these lengths (the others keep their names).
ImportData roster(int g, int f, int d, const std::vector<std::size_t>& names = {})
{
    TeamInput in;
    in.team = kT, in.place = "team";
    in.players = std::vector<PlayerInput>(static_cast<std::size_t>(g + f + d));
    for (int i = 0; i < g + f + d; ++i)
        (*in.players)[static_cast<std::size_t>(i)].role = i < g ? 'G' : i < g + f ? 'F' : 'D';
    for (std::size_t i = 0; i < names.size(); ++i)
        (*in.players)[i].name = std::string(names[i], 'x');
    return ImportData{{in}, {}};
}

// Names of `total` characters over 12 players.
std::vector<std::size_t> spread(std::size_t total)
{
    std::vector<std::size_t> lengths(12, total / 12);
    for (std::size_t i = 0; i < total % 12; ++i)
        ++lengths[i];
    return lengths;
}

// Each limit of a roster, on both sides: the words of the refusal past it, none at it.
TEST(Importer, RosterLimitsRefuseOneStepPastThemAndNotAtThem)
{
    Document doc = test::loadedDocument();
    // Characters that fill the roster's area of 12 records (10 bytes each and the
    // name's) and its 2-byte terminator exactly.
    const std::size_t room = teamtextoffset[kT] - rosteroffset[kT] - 2 - 12 * 10;
    struct Case { ImportData data; std::string says; bool refused; };
    const std::string counts = "the player editor allows", most = "a roster holds at most 25";
    const Case cases[] = {
        {roster(0, 5, 5), "0 goalies; " + counts + " 1 to 4", true}, {roster(5, 5, 5), "5 goalies; " + counts + " 1 to 4", true},
        {roster(2, 0, 5), "0 forwards; " + counts + " 1 to 15", true}, {roster(2, 16, 5), "16 forwards; " + counts + " 1 to 15", true},
        {roster(2, 5, 0), "0 defencemen; " + counts + " 1 to 15", true}, {roster(2, 5, 16), "16 defencemen; " + counts + " 1 to 15", true},
        {roster(1, 1, 1), counts, false}, {roster(4, 15, 1), counts, false}, {roster(1, 9, 15), counts, false},
        {roster(4, 11, 10), most, false}, {roster(4, 11, 11), "26 players; " + most, true},
        {roster(2, 5, 5, spread(room)), "more than its area holds", false},
        {roster(2, 5, 5, spread(room + 1)), "the roster needs 1 bytes more than its area holds", true},
        {roster(2, 5, 5, {253}), "a name holds at most 253", false},
        {roster(2, 5, 5, {254}), "a name of 254 characters; a name holds at most 253", true},
    };
    for (const Case& c : cases) {
        const ImportOutcome outcome = importinto(doc, c.data, false);
        const auto says = [&](const ImportProblem& p) { return p.text.find(c.says) != std::string::npos; };
        EXPECT_EQ(std::any_of(outcome.problems.begin(), outcome.problems.end(), says), c.refused)
            << c.says << "\n" << (outcome.problems.empty() ? "" : outcome.problems.front().text);
    }
    // A roster within every limit is taken.
    const ImportOutcome taken = importinto(doc, roster(1, 1, 1), true);
    EXPECT_EQ(std::tuple(taken.problems.size(), taken.steps, doc.cart().playercount(kT)), std::tuple(0u, 1, 3));
}

}  // namespace
}  // namespace icevale
