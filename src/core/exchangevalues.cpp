#include "core/exchangevalues.h"

#include <array>
#include <cstdio>

#include "core/colours.h"
#include "core/jersey.h"
#include "core/lineups.h"
#include "core/menudefaults.h"
#include "core/playerattributes.h"
#include "core/playoffs.h"
#include "core/utf8text.h"

namespace icevale {
namespace {

constexpr std::array<const char*, kColumns + 1> kColumnKeys = {
    "",         "weight",         "agility",       "speed",     "o_aware",    "d_aware",  "shot_power", "checking",
    "hand",     "stick_handling", "shot_accuracy", "endurance", "stick_left", "passing",  "aggression"};

struct UniformCell {
    const char* key;
    const char* name;
};
constexpr std::array<UniformCell, kUniformCells> kUniformCellNames = {{
    {"sleeves", "Sleeves"},
    {"shorts", "Shorts"},
    {"socks", "Socks"},
    {"top_part", "Top Part"},
    {"skin", "Skin"},
    {"top_trim_top_sock", "Top Trim Top Sock"},
    {"bottom_trim_main_sock", "Bottom Trim & Main Sock"},
    {"middle_trim_and_belt", "Middle Trim and Belt"},
    {"jersey_main_1", "Jersey Main 1"},
    {"jersey_main_2", "Jersey Main 2"},
    {"top_trim", "Top Trim"},
}};

// A whole decimal number of at most four digits, nothing else.
std::optional<int> decimal(std::string_view text)
{
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int value = 0;
    for (const char c : text)
        value = 10 * value + (c - '0');
    return value;
}

// The position of `text` among `entries`, or nothing.
std::optional<int> entryof(const std::vector<std::string>& entries, std::string_view text)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == text)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

std::string listed(const std::vector<std::string>& entries)
{
    std::string text;
    for (const std::string& e : entries)
        text += (text.empty() ? "" : ", ") + e;
    return text;
}

Failure refused(std::string_view text, const std::string& expected)
{
    return fail("\"" + std::string(text) + "\" is not " + expected);
}

}  // namespace

const char* columnkey(int column) { return column >= 1 && column <= kColumns ? kColumnKeys[column] : ""; }

int columnofkey(std::string_view key)
{
    for (int j = 1; j <= kColumns; ++j) {
        if (key == kColumnKeys[j])
            return j;
    }
    return 0;
}

const char* uniformcellkey(int cell) { return kUniformCellNames.at(static_cast<std::size_t>(cell)).key; }
const char* uniformcellname(int cell) { return kUniformCellNames.at(static_cast<std::size_t>(cell)).name; }

int uniformcellofkey(std::string_view key)
{
    for (int k = 0; k < kUniformCells; ++k) {
        if (key == uniformcellkey(k))
            return k;
    }
    return -1;
}

std::string linekey(int l)
{
    std::string key = kLineNames.at(static_cast<std::size_t>(l - 1));
    for (char& c : key)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return key;
}

int lineofkey(std::string_view key)
{
    for (int l = 1; l <= kLines; ++l) {
        if (key == linekey(l))
            return l;
    }
    return 0;
}

std::string rawform(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(value & 0xFF));
    return text;
}

std::optional<int> parseraw(std::string_view text)
{
    if (text.size() < 3 || text.size() > 4 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return std::nullopt;
    int value = 0;
    for (const char c : text.substr(2)) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                         : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0)
            return std::nullopt;
        value = 16 * value + digit;
    }
    return value;
}

std::string columntext(int column, int nibble)
{
    const int position = entryposition(column, nibble);
    const bool shown = position >= 0 && (columnscale(column) != Scale::Hand || nibble <= 1);
    return shown ? scaleentries(columnscale(column))[static_cast<std::size_t>(position)] : rawform(nibble);
}

Result<int> parsecolumn(int column, std::string_view text)
{
    const Scale scale = columnscale(column);
    const auto& entries = scaleentries(scale);
    std::string lowered(text);
    for (char& c : lowered)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (scale == Scale::Hand && (lowered == "left" || lowered == "right"))
        return lowered == "left" ? 0 : 1;
    if (const auto position = entryof(entries, text); position && scale != Scale::Hand)
        return *position;
    if (const auto raw = parseraw(text); raw && *raw <= 15)
        return *raw;
    const char* what = scale == Scale::Weight ? "a weight" : scale == Scale::Hand ? "a hand" : "a rating";
    return refused(text, std::string(what) + " (" + listed(entries) + ", or a raw form 0x00..0x0F)");
}

std::string numbertext(std::uint8_t jersey)
{
    return jerseydecimal(jersey) ? std::to_string(10 * (jersey >> 4) + (jersey & 15)) : rawform(jersey);
}

Result<std::uint8_t> parsenumber(std::string_view text)
{
    if (const auto raw = parseraw(text))
        return static_cast<std::uint8_t>(*raw);
    const auto value = decimal(text);
    if (!value || *value > 99)
        return refused(text, "a jersey number (0 to 99, or a raw form 0x00..0xFF)");
    return static_cast<std::uint8_t>(16 * (*value / 10) + *value % 10);
}

Result<char> parserole(std::string_view text)
{
    if (text == "G" || text == "F" || text == "D")
        return text[0];
    return refused(text, "a role (G, F or D)");
}

std::string teamref(const Tables& tables, int t)
{
    const std::string& abbrev = tables.teamabbrev[t];
    const std::string text = bytestoutf8(abbrev);
    const auto named = [&] {
        const Result<int> found = parseteamref(tables, text);
        return found && found.value() == t;
    };
    const bool alone = !abbrev.empty() && !parseraw(text) && !(text[0] == '#' && decimal(text.substr(1))) && named();
    return alone ? text : "#" + std::to_string(t);
}

Result<int> parseteamref(const Tables& tables, std::string_view text)
{
    if (!text.empty() && text[0] == '#') {
        if (const auto t = decimal(text.substr(1)); t && *t >= 1 && *t <= kTeams)
            return *t;
    } else if (const Result<std::string> bytes = utf8tobytes(text)) {
        int found = 0, count = 0;
        for (int t = 1; t <= kTeams; ++t) {
            if (tables.teamabbrev[t] == bytes.value() && !bytes->empty())
                found = t, ++count;
        }
        if (count == 1)
            return found;
        if (count > 1)
            return fail(std::to_string(count) + " teams have the abbreviation \"" + std::string(text) + "\"; name one by its number (#7)");
    }
    return fail("no team is \"" + std::string(text) + "\" (a team is named by its abbreviation or by # and its number 1..28)");
}

std::string slottext(std::uint8_t slot, int players)
{
    return slot <= players ? std::to_string(slot) : rawform(slot);
}

Result<SlotValue> parseslot(std::string_view text)
{
    if (const auto raw = parseraw(text))
        return SlotValue{static_cast<std::uint8_t>(*raw), true};
    if (const auto value = decimal(text); value && *value <= kMaxPlayers)
        return SlotValue{static_cast<std::uint8_t>(*value), false};
    return refused(text, "a roster position (0 for empty, 1..25, or a raw form 0x00..0xFF)");
}

std::string playoffslottext(const Tables& tables, std::uint8_t slot)
{
    if (slot < kNoTeam)
        return teamref(tables, slot + 1);
    return slot == kNoTeam ? "no team" : rawform(slot);
}

Result<std::uint8_t> parseplayoffslot(const Tables& tables, std::string_view text)
{
    if (const auto raw = parseraw(text))
        return static_cast<std::uint8_t>(*raw);
    const Result<int> t = parseteamref(tables, text);
    if (!t)
        return fail(t.message());
    return static_cast<std::uint8_t>(t.value() - 1);
}

std::string counttext(std::uint8_t count)
{
    if (count == 0)
        return "none";
    return count <= kTeams ? std::to_string(count) : rawform(count);
}

Result<std::uint8_t> parsecount(std::string_view text)
{
    if (const auto raw = parseraw(text))
        return static_cast<std::uint8_t>(*raw);
    if (const auto value = decimal(text); value && *value >= 1 && *value <= kTeams)
        return static_cast<std::uint8_t>(*value);
    return refused(text, "a count (1 to 28, or a raw form 0x00..0xFF)");
}

std::string menufieldtext(const Tables& tables, int f, std::uint8_t value)
{
    if (value >= menufieldsize(f))
        return rawform(value);
    return f == 2 || f == 3 ? teamref(tables, value + 1) : menufieldentries(f)[value];
}

Result<std::uint8_t> parsemenufield(const Tables& tables, int f, std::string_view text)
{
    if (const auto raw = parseraw(text))
        return static_cast<std::uint8_t>(*raw);
    if (f == 2 || f == 3) {
        const Result<int> t = parseteamref(tables, text);
        if (!t)
            return fail(t.message());
        return static_cast<std::uint8_t>(t.value() - 1);
    }
    if (const auto position = entryof(menufieldentries(f), text))
        return static_cast<std::uint8_t>(*position);
    return refused(text, "an entry of menu default " + std::to_string(f) + " (" + listed(menufieldentries(f)) +
                             ", or a raw form 0x00..0xFF)");
}

}  // namespace icevale
