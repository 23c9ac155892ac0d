#include "fuzzimage.h"

#include <sanitizer/asan_interface.h>

#include <algorithm>
#include <vector>

#include "tools/sampleimage.h"

namespace icevale::fuzz {
namespace {

struct Window {
    std::size_t begin, end;
};

// The readable stretches in ascending order: the areas, with the menu names' and the team
// blocks' reach. The playoff slots lie inside the team blocks' reach.
constexpr std::array<Window, 9> kReadable = {{
    {kAreas[0].begin, kAreas[0].end},
    {kAreas[1].begin, kAreas[1].end},
    {kAreas[2].begin, kAreas[2].begin + 2 * kLongestRecord},
    {kAreas[3].begin, kAreas[3].end},
    {kAreas[4].begin, kTeamReach},
    {kAreas[6].begin, kAreas[6].end},
    {kAreas[7].begin, kAreas[7].end},
    {kAreas[8].begin, kAreas[8].end},
    {kAreas[9].begin, kAreas[9].end},
}};
static_assert(kAreas[5].end <= kTeamReach && kTeamReach <= kAreas[6].begin);

void poison(const Bytes& rom, std::size_t begin, std::size_t end)
{
    end = std::min(end, rom.size());
    if (begin < end)
        ASAN_POISON_MEMORY_REGION(rom.data() + begin, end - begin);
}

void poisonunread(const Bytes& rom)
{
    std::size_t from = 0;
    for (const Window& w : kReadable) {
        poison(rom, from, w.begin);
        from = w.end;
    }
    poison(rom, from, rom.size());
}

std::vector<Bytes> makebases()
{
    std::vector<Bytes> bases;
    for (int k = 0; k < kBaseImages; ++k)
        bases.push_back(k == 0 ? sample::makeSampleImage().bytes
                               : sample::makeSampleImage(static_cast<std::uint32_t>(k)).bytes);
    return bases;
}

void writepieces(const ImagePlan& plan, Bytes& rom)
{
    for (const ImagePlan::Piece& p : plan.pieces) {
        if (p.pos < rom.size())
            std::copy_n(p.bytes.begin(), std::min(p.bytes.size(), rom.size() - p.pos),
                        rom.begin() + static_cast<std::ptrdiff_t>(p.pos));
    }
}

}  // namespace

const Bytes& baseimage(int k)
{
    static const std::vector<Bytes> bases = makebases();
    return bases[static_cast<std::size_t>(k % kBaseImages)];
}

ImagePlan planimage(FuzzInput& in, std::size_t length)
{
    ImagePlan plan;
    plan.base = &baseimage(in.byte());
    while (!in.empty()) {
        const std::uint8_t selector = in.byte() % (kCut + 1);
        if (selector == kCut) {
            const Area& area = kAreas[in.byte() % kAreas.size()];
            length = area.begin + in.word() % (area.size() + 1);
            continue;
        }
        const Area& area = kAreas[selector];
        const std::size_t offset = in.word() % area.size();
        const auto bytes = in.take(in.byte());
        const std::size_t fits = std::min<std::size_t>(bytes.size(), area.size() - offset);
        plan.pieces.push_back({area.begin + offset, bytes.first(fits)});
    }
    plan.length = std::min(length, plan.base->size());
    return plan;
}

void buildimage(const ImagePlan& plan, Bytes& rom)
{
    rom.assign(plan.base->begin(), plan.base->begin() + static_cast<std::ptrdiff_t>(plan.length));
    writepieces(plan, rom);
}

Bytes& poisonedimage(const ImagePlan& plan)
{
    static std::vector<Bytes> kept;  // the most recently used last
    constexpr std::size_t kKept = 8;
    auto found = std::find_if(kept.begin(), kept.end(), [&](const Bytes& b) { return b.size() == plan.length; });
    if (found == kept.end()) {
        if (kept.size() == kKept)
            kept.erase(kept.begin());
        kept.emplace_back(plan.length);
        poisonunread(kept.back());
    } else {
        std::rotate(found, found + 1, kept.end());
    }
    Bytes& rom = kept.back();
    for (const Window& w : kReadable) {
        if (w.begin < rom.size())
            std::copy(plan.base->begin() + static_cast<std::ptrdiff_t>(w.begin),
                      plan.base->begin() + static_cast<std::ptrdiff_t>(std::min(w.end, rom.size())),
                      rom.begin() + static_cast<std::ptrdiff_t>(w.begin));
    }
    writepieces(plan, rom);
    return rom;
}

bool samedecode(const Tables& a, const Tables& b)
{
    if (a.teamname != b.teamname || a.teamabbrev != b.teamabbrev || a.teamnick != b.teamnick ||
        a.teamarena != b.teamarena || a.goaliecount != b.goaliecount || a.forwardcount != b.forwardcount ||
        a.defensecount != b.defensecount || a.rosterbytesleft != b.rosterbytesleft || a.lineup != b.lineup ||
        a.bannertextlen != b.bannertextlen)
        return false;
    for (int t = 1; t <= kTeams; ++t) {
        for (int p = 1; p <= std::min(a.playercount(t), kMaxPlayers); ++p) {
            if (a.playername[p][t] != b.playername[p][t] || a.playernum[p][t] != b.playernum[p][t])
                return false;
            for (int q = 1; q <= 7; ++q) {
                if (a.playerattr[q][p][t] != b.playerattr[q][p][t])
                    return false;
            }
        }
    }
    return true;
}

void putchunk(Bytes& input, std::size_t area, std::size_t offset, std::span<const std::uint8_t> bytes)
{
    for (std::size_t done = 0; done < bytes.size(); done += 255) {
        const std::size_t n = std::min<std::size_t>(255, bytes.size() - done);
        const std::size_t at = offset + done;
        input.insert(input.end(), {static_cast<std::uint8_t>(area), static_cast<std::uint8_t>(at & 0xFF),
                                   static_cast<std::uint8_t>(at >> 8), static_cast<std::uint8_t>(n)});
        input.insert(input.end(), bytes.begin() + static_cast<std::ptrdiff_t>(done),
                     bytes.begin() + static_cast<std::ptrdiff_t>(done + n));
    }
}

void putcut(Bytes& input, std::size_t area, std::size_t offset)
{
    input.insert(input.end(), {kCut, static_cast<std::uint8_t>(area), static_cast<std::uint8_t>(offset & 0xFF),
                               static_cast<std::uint8_t>(offset >> 8)});
}

void putareas(Bytes& input, const Bytes& from)
{
    for (std::size_t a = 0; a < kAreas.size(); ++a)
        putchunk(input, a, 0, std::span(from).subspan(kAreas[a].begin, kAreas[a].size()));
}

}  // namespace icevale::fuzz
