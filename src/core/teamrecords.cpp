#include "core/teamrecords.h"

#include "core/imagebytes.h"

namespace icevale {
namespace {

constexpr std::int64_t kHeaderBytes = 8;  // four records, two header bytes each

std::int64_t recordbytes(const TeamTexts& texts)
{
    return kHeaderBytes + static_cast<std::int64_t>(texts.name.size() + texts.abbrev.size() + texts.nick.size() +
                                                    texts.arena.size());
}

std::size_t putrecord(Bytes& rom, std::size_t pos, const std::string& text)
{
    putbyte(rom, pos, static_cast<std::uint8_t>(text.size() + 2));
    putbyte(rom, pos + 1, 0);
    for (std::size_t j = 0; j < text.size(); ++j)
        putbyte(rom, pos + 2 + j, static_cast<std::uint8_t>(text[j]));
    return pos + 2 + text.size();
}

}  // namespace

TeamTexts teamtexts(const Cartridge& cart, int t)
{
    return {cart.teamname[t], cart.teamabbrev[t], cart.teamnick[t], cart.teamarena[t]};
}

std::int32_t teambytesleft(int t, std::int64_t characters)
{
    return static_cast<std::int32_t>(teamtextsize[t] - kHeaderBytes - characters);
}

int sharedlimit(std::int64_t left, std::int64_t ownlength)
{
    return static_cast<int>(left >= 0 ? left + ownlength : ownlength);
}

bool writeteamtext(Bytes& rom, int t, const TeamTexts& texts)
{
    const std::size_t start = teamtextoffset[t];
    if (recordbytes(texts) > teamtextsize[t] || start + teamtextsize[t] > rom.size())
        return false;
    std::size_t p = start;
    for (const std::string* text : {&texts.name, &texts.abbrev, &texts.nick, &texts.arena})
        p = putrecord(rom, p, *text);
    return true;
}

bool saveteamtext(Cartridge& cart, int t, const TeamTexts& texts)
{
    if (!writeteamtext(cart.RomImage, t, texts))
        return false;
    cart.teamname[t] = texts.name;
    cart.teamabbrev[t] = texts.abbrev;
    cart.teamnick[t] = texts.nick;
    cart.teamarena[t] = texts.arena;
    return true;
}

std::optional<std::uint8_t> parseoverall(const std::string& text)
{
    // Digits with at most one decimal point and at least one digit; no sign, no blanks.
    // Parsed by hand: the C library's number reading follows the user's locale.
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    const auto alldigits = [](const std::string& s) {
        return s.find_first_not_of("0123456789") == std::string::npos;
    };
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    if (!alldigits(whole) || !alldigits(fraction))
        return std::nullopt;
    const std::size_t first = whole.find_first_not_of('0');
    const std::string significant = first == std::string::npos ? std::string() : whole.substr(first);
    if (significant.size() > 3)
        return std::nullopt;
    int value = significant.empty() ? 0 : std::stoi(significant);
    if (!fraction.empty()) {
        const bool pasthalf = fraction.find_first_not_of('0', 1) != std::string::npos;
        const char lead = fraction[0];
        if (lead > '5' || (lead == '5' && (pasthalf || value % 2 == 1)))
            ++value;
    }
    if (value > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

void writeoverall(Bytes& rom, int t, std::uint8_t value) { putbyte(rom, teamoffset[t], value); }

}  // namespace icevale
