#pragma once
// Names and value texts shared by the interchange formats (JSON export, roster CSV, the
// image diff). Values are written as the editor windows show them: ratings 25..100,
// weights 140..260, hands "Left" and "Right", jersey numbers as their decimal digits,
// entries of the menu lists as their texts. A stored value that no window can show is
// written in its raw form, "0x" and two upper-case hexadecimal digits of the stored byte
// or nibble ("0x1A"), which every reader takes back for that field; readers also take the
// raw form of a value that has a plain one. A team is named by its abbreviation where that
// names it alone (not empty, held by no other team, not itself of the form "#7" or
// "0x1A"), otherwise by "#" and its number 1..28.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/cartridge.h"
#include "core/result.h"

namespace icevale {

// Keys of the fourteen player columns 1..14: "weight", "agility", ... "aggression".
const char* columnkey(int column);
int columnofkey(std::string_view key);  // 0 for no column

// Uniform cells 0..10: keys ("sleeves", ... "jersey_main_1", "jersey_main_2", ...) and
// the names the uniform editor gives them, the two main jersey cells numbered.
const char* uniformcellkey(int cell);
const char* uniformcellname(int cell);
int uniformcellofkey(std::string_view key);  // -1 for no cell

// Lines 1..8: "best", "sc1", ... "pk2".
std::string linekey(int l);
int lineofkey(std::string_view key);  // 0 for no line

std::string rawform(int value);
std::optional<int> parseraw(std::string_view text);

// Column `column`'s nibble as the player editor shows it, or raw.
std::string columntext(int column, int nibble);
Result<int> parsecolumn(int column, std::string_view text);

// A jersey byte as its decimal digits ("88", "5"), or raw when a digit is above 9.
std::string numbertext(std::uint8_t jersey);
Result<std::uint8_t> parsenumber(std::string_view text);

Result<char> parserole(std::string_view text);

std::string teamref(const Tables& tables, int t);
Result<int> parseteamref(const Tables& tables, std::string_view text);

// A line-up slot: the roster position 0..n (0 empty), or raw past the roster of n.
struct SlotValue {
    std::uint8_t byte = 0;
    bool raw = false;
};
std::string slottext(std::uint8_t slot, int players);
Result<SlotValue> parseslot(std::string_view text);

// A playoff slot: the team of bytes 0..27, "no team" for 28, raw above.
std::string playoffslottext(const Tables& tables, std::uint8_t slot);
Result<std::uint8_t> parseplayoffslot(const Tables& tables, std::string_view text);

// A count list of "1".."28": the count, "none" for 0, raw above 28.
std::string counttext(std::uint8_t count);
Result<std::uint8_t> parsecount(std::string_view text);

// Menu default f: the entry text, the team for fields 2 and 3, raw past the list.
std::string menufieldtext(const Tables& tables, int f, std::uint8_t value);
Result<std::uint8_t> parsemenufield(const Tables& tables, int f, std::string_view text);

}  // namespace icevale
