#include "core/romfile.h"

#include "core/bannertexts.h"
#include "core/filelayer.h"
#include "core/lineups.h"
#include "core/rosters.h"
#include "core/teamtexts.h"

namespace icevale {
namespace {

std::string tooshort(std::uint64_t size)
{
    return "is " + std::to_string(size) + " bytes long; an image needs at least " + std::to_string(kMinImageSize) +
           " bytes";
}

}  // namespace

std::string decodeimage(Cartridge& cart) { return decodeareas(cart, cart.RomImage, wholeimage()).message(); }

Status decodeareas(Tables& tables, const Bytes& rom, const Scope& scope)
{
    const auto each = [&](Area area, auto read) -> Status {
        if (!scope.areas.has(area))
            return {};
        for (int t = 1; t <= kTeams; ++t) {
            if (!scope.teams[static_cast<std::size_t>(t)])
                continue;
            if (Status done = read(t); !done)
                return done;
        }
        return {};
    };
    if (Status done = each(Area::TeamText, [&](int t) { return readteamtextof(tables, rom, t); }); !done)
        return done;
    if (Status done = each(Area::Roster, [&](int t) { return readrosterof(tables, rom, t); }); !done)
        return done;
    const auto lines = [&](int t) -> Status {
        if (!readlinesof(tables, rom, t))
            return fail("the line-ups lie past the end of the image");
        return {};
    };
    if (Status done = each(Area::Lineup, lines); !done)
        return done;
    if (scope.areas.has(Area::BannerText))
        readbannerlengths(tables, rom);  // unusable pointers read as lengths of 0, which the health check reports
    return {};
}

Status loadbytes(Cartridge& cart, Bytes bytes, const std::string& filename)
{
    if (bytes.size() < kMinImageSize)
        return fail("\"" + filename + "\": " + tooshort(bytes.size()));
    Cartridge next;
    next.RomImage = std::move(bytes);
    if (const std::string problem = decodeimage(next); !problem.empty())
        return fail("\"" + filename + "\": " + problem);
    cart = std::move(next);
    return {};
}

Status loadrom(Cartridge& cart, const std::string& filename)
{
    const auto longenough = [](std::uint64_t size) { return size >= kMinImageSize ? Status() : fail(tooshort(size)); };
    Result<Bytes> read = readregularfile(filename, "an image file", longenough);
    if (!read)
        return fail(read.message());
    return loadbytes(cart, std::move(read).value(), filename);
}

Status saverom(const Bytes& rom, const std::string& filename) { return replaceregularfile(rom, filename, true); }

Status writeoutput(std::string_view bytes, const std::string& filename)
{
    return replaceregularfile({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, filename, false);
}

}  // namespace icevale
