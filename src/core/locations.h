#pragma once
// Fixed per-team file offsets and sizes of the cartridge image (file offsets, the
// 512-byte copier header included). Team-indexed tables run 0..28; index 0 is unused.
#include <array>
#include <cstdint>

namespace icevale {

inline constexpr int kTeams = 28;

template <class T>
using TeamTable = std::array<T, kTeams + 1>;

struct LocationTables {
    TeamTable<std::uint32_t> teamoffset{};
    TeamTable<std::uint32_t> rosteroffset{};
    TeamTable<std::uint32_t> teamtextoffset{};
    TeamTable<std::uint16_t> teamtextsize{};
    TeamTable<std::uint32_t> awayuniformoffset{};
    TeamTable<std::uint32_t> homeuniformoffset{};
    TeamTable<std::uint32_t> banneroffset{};
};

constexpr LocationTables inittables()
{
    LocationTables l;
    l.teamoffset = {0,       0xE6D61, 0xE2DBE, 0xE3044, 0xE32D3, 0xE3552, 0xE4261, 0xE37E9,
                    0xE3AAF, 0xE6B5F, 0xE3D2F, 0xE3FC4, 0xE44ED, 0xE4790, 0xE4A3D, 0xE4CAE,
                    0xE4F18, 0xE51BE, 0xE5449, 0xE56E4, 0xE5972, 0xE5BE6, 0xE5E5C, 0xE60EE,
                    0xE6390, 0xE68BF, 0xE6617, 0xE2869, 0xE2B16};
    l.teamtextoffset = {0,       0xE6F2C, 0xE300E, 0xE3296, 0xE3516, 0xE37AC, 0xE44B9, 0xE3A73,
                        0xE3CF1, 0xE6D2A, 0xE3F83, 0xE4222, 0xE4754, 0xE4A00, 0xE4C71, 0xE4ED7,
                        0xE5180, 0xE5412, 0xE56AA, 0xE5935, 0xE5BAE, 0xE5E22, 0xE60B7, 0xE634F,
                        0xE65DA, 0xE6B22, 0xE6888, 0xE2AD6, 0xE2D7E};
    l.teamtextsize = {0,  45, 36, 43, 42, 43, 34, 42, 44, 37, 47, 45, 42, 43, 43,
                      47, 44, 37, 40, 43, 38, 40, 37, 47, 43, 43, 37, 46, 46};
    l.banneroffset = {0,       0xD7380, 0xD7160, 0xD73A0, 0xD7780, 0xD7740, 0xD7700, 0xD7760,
                      0xD76E0, 0xD76C0, 0xD76A0, 0xD7660, 0xD7640, 0xD7620, 0xD7600, 0xD75E0,
                      0xD75C0, 0xD75A0, 0xD7580, 0xD7560, 0xD7520, 0xD74E0, 0xD74C0, 0xD74A0,
                      0xD7460, 0xD7420, 0xD7400, 0xD7440, 0xD7720};
    for (int t = 1; t <= kTeams; ++t) {
        l.rosteroffset[t] = l.teamoffset[t] + 0x43;
        l.awayuniformoffset[t] = 0xB4BD0 + 0x20 * static_cast<std::uint32_t>(t - 1);
        l.homeuniformoffset[t] = 0xB4F50 + 0x20 * static_cast<std::uint32_t>(t - 1);
    }
    return l;
}

inline constexpr LocationTables locationtables = inittables();
inline constexpr const auto& teamoffset = locationtables.teamoffset;
inline constexpr const auto& rosteroffset = locationtables.rosteroffset;
inline constexpr const auto& teamtextoffset = locationtables.teamtextoffset;
inline constexpr const auto& teamtextsize = locationtables.teamtextsize;
inline constexpr const auto& awayuniformoffset = locationtables.awayuniformoffset;
inline constexpr const auto& homeuniformoffset = locationtables.homeuniformoffset;
inline constexpr const auto& banneroffset = locationtables.banneroffset;

// One past the highest fixed offset any area uses: the shortest image that can be held.
inline constexpr std::uint32_t kMinImageSize = 0xEAED6;

}  // namespace icevale
