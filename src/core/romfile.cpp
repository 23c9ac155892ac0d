#include "core/romfile.h"

#include "core/bannertexts.h"
#include "core/filelayer.h"
#include "core/lineups.h"
#include "core/rosters.h"
#include "core/teamtexts.h"

namespace icevale {

std::string decodeimage(Cartridge& cart)
{
    const Bytes& rom = cart.RomImage;
    std::string problem = readteamtext(cart, rom);
    if (problem.empty())
        problem = readrosters(cart, rom);
    if (problem.empty() && !readlines(cart, rom))
        problem = "the line-ups lie past the end of the image";
    if (problem.empty())
        readbannerlengths(cart, rom);
    return problem;
}

IoResult loadrom(Cartridge& cart, const std::string& filename)
{
    const auto longenough = [](std::uint64_t size) -> std::string {
        if (size >= kMinImageSize)
            return {};
        return "is " + std::to_string(size) + " bytes long; an image needs at least " + std::to_string(kMinImageSize) +
               " bytes";
    };
    Cartridge next;
    if (IoResult read = readregularfile(filename, next.RomImage, "an image file", longenough); !read.ok)
        return read;
    if (const std::string problem = decodeimage(next); !problem.empty())
        return {false, "\"" + filename + "\": " + problem};
    cart = std::move(next);
    return {true, {}};
}

IoResult saverom(const Bytes& rom, const std::string& filename) { return replaceregularfile(rom, filename, true); }

IoResult writeoutput(std::string_view bytes, const std::string& filename)
{
    return replaceregularfile({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, filename, false);
}

}  // namespace icevale
