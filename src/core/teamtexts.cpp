#include "core/teamtexts.h"

namespace icevale {
namespace {

constexpr std::int64_t kHeaderBytes = 8;  // four records, two header bytes each

std::int64_t characters(const TeamTexts& texts)
{
    return static_cast<std::int64_t>(texts.name.size() + texts.abbrev.size() + texts.nick.size() +
                                     texts.arena.size());
}

}  // namespace

std::string readteamtext(Tables& tables, const Bytes& rom)
{
    for (int t = 1; t <= kTeams; ++t) {
        if (const Status read = readteamtextof(tables, rom, t); !read)
            return read.message();
    }
    return {};
}

Status readteamtextof(Tables& tables, const Bytes& rom, int t)
{
    std::size_t p = teamtextoffset[t];
    for (auto* table : {&tables.teamname, &tables.teamabbrev, &tables.teamnick, &tables.teamarena}) {
        const auto next = readrecordinto(rom, p, (*table)[t]);
        if (!next)
            return fail("the texts of team " + std::to_string(t) + " run past the end of the image");
        p = *next;
    }
    return {};
}

TeamTexts teamtexts(const Tables& tables, int t)
{
    return {tables.teamname[t], tables.teamabbrev[t], tables.teamnick[t], tables.teamarena[t]};
}

std::int32_t textblockfree(int t, std::int64_t chars)
{
    return static_cast<std::int32_t>(teamtextsize[t] - kHeaderBytes - chars);
}

int sharedlimit(std::int64_t left, std::int64_t ownlength)
{
    return static_cast<int>(left >= 0 ? left + ownlength : ownlength);
}

int shorttextrecord(const Bytes& rom, int t) { return firstshortrecord(rom, teamtextoffset[t], 4, 0); }

std::optional<Edit> teamtextedit(int t, const TeamTexts& texts)
{
    if (textblockfree(t, characters(texts)) < 0)
        return std::nullopt;
    Edit edit;
    std::size_t p = teamtextoffset[t];
    for (const std::string* text : {&texts.name, &texts.abbrev, &texts.nick, &texts.arena})
        p = edit.putrecord(p, *text);
    return edit;
}

std::optional<std::uint8_t> readoverall(const Bytes& rom, int t) { return readbyte(rom, teamoffset[t]); }

Edit overalledit(int t, std::uint8_t value)
{
    Edit edit;
    edit.put(teamoffset[t], value);
    return edit;
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
    if ((whole.empty() && fraction.empty()) || !alldigits(whole) || !alldigits(fraction))
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

std::optional<MenuNames> readmenunames(const Bytes& rom)
{
    const auto first = readrecord(rom, kMenuNamesOffset);
    const auto second = first ? readrecord(rom, first->next) : std::nullopt;
    if (!second)
        return std::nullopt;
    return MenuNames{first->text, second->text};
}

int shortmenunamerecord(const Bytes& rom) { return firstshortrecord(rom, kMenuNamesOffset, 2, 0); }

std::optional<Edit> menunamesedit(const MenuNames& names)
{
    if (names.first.size() + names.second.size() > static_cast<std::size_t>(kMenuNamesBudget))
        return std::nullopt;
    Edit edit;
    edit.put(kMenuNamesOffset, static_cast<std::uint8_t>(recordsize(names.first.size())));
    edit.put(kMenuNamesOffset + 2, names.first);
    edit.putrecord(kMenuNamesOffset + recordsize(names.first.size()), names.second);
    return edit;
}

}  // namespace icevale
