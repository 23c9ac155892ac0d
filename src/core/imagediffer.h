#pragma once
// The image diff's working state, shared by the files comparing the team areas and the
// season areas: the differences found so far and which bytes they account for.
#include <optional>

#include "core/imagediff.h"

namespace icevale::detail {

class Differ {
public:
    Differ(const Cartridge& first, const Cartridge& second);

    // Adds the difference when the texts differ and marks [from, to) of both images as
    // accounted for; returns whether they differ.
    bool compare(const std::string& area, int team, const std::string& what, const std::string& before,
                 const std::string& after, std::size_t from = 0, std::size_t to = 0);
    // The same for a stored byte: a difference when the bytes at `at` differ, whatever
    // their texts (which name teams and players as each image names them).
    void comparebyte(const std::string& area, int team, const std::string& what, std::size_t at,
                     const std::string& before, const std::string& after);
    void cover(std::size_t from, std::size_t to);
    void team(int t);
    ImageDiff finish();

    const Cartridge& a;
    const Cartridge& b;

private:
    void texts(int t);
    void roster(int t);
    void players(int t, const std::string& ref);
    void lines(int t);
    void colours(int t);

    ImageDiff diff_;
    std::vector<bool> covered_;
};

std::string quoted(const std::string& bytes);

// A team in words: its abbreviation where that names it alone, else "team 7".
std::string named(const Tables& tables, int t);

}  // namespace icevale::detail
