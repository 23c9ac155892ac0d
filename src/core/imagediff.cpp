#include "core/imagediff.h"

#include <cstdio>

#include "core/bannertexts.h"
#include "core/exchangevalues.h"
#include "core/imagediffer.h"
#include "core/jsonlayout.h"
#include "core/menudefaults.h"
#include "core/playoffs.h"
#include "core/teamtexts.h"
#include "core/utf8text.h"

namespace icevale {
namespace detail {

std::string quoted(const std::string& bytes) { return "\"" + bytestoutf8(bytes) + "\""; }

Differ::Differ(const Cartridge& first, const Cartridge& second)
    : a(first), b(second), covered_(std::max(first.RomImage.size(), second.RomImage.size()), false)
{
}

bool Differ::compare(const std::string& area, int team, const std::string& what, const std::string& before,
                     const std::string& after, std::size_t from, std::size_t to)
{
    if (before == after)
        return false;
    diff_.differences.push_back({area, team, what, before, after});
    cover(from, to);
    return true;
}

void Differ::comparebyte(const std::string& area, int team, const std::string& what, std::size_t at,
                         const std::string& before, const std::string& after)
{
    if (a.RomImage[at] == b.RomImage[at])
        return;
    diff_.differences.push_back({area, team, what, before, after});
    cover(at, at + 1);
}

void Differ::cover(std::size_t from, std::size_t to)
{
    for (std::size_t i = from; i < to && i < covered_.size(); ++i)
        covered_[i] = true;
}

ImageDiff Differ::finish()
{
    const Bytes &x = a.RomImage, &y = b.RomImage;
    for (std::size_t i = 0; i < covered_.size(); ++i) {
        const bool changed = i >= x.size() || i >= y.size() || x[i] != y[i];
        if (!changed || covered_[i])
            continue;
        if (!diff_.otherbytes.empty() && diff_.otherbytes.back().end == i)
            diff_.otherbytes.back().end = i + 1;
        else
            diff_.otherbytes.push_back({i, i + 1});
    }
    return diff_;
}

}  // namespace detail

namespace {

void bannertexts(detail::Differ& d)
{
    bool any = false;
    for (int t = 1; t <= kTeams; ++t)
        any = d.compare("banner texts", t, detail::named(d.a, t) + " banner text",
                        detail::quoted(bannerboxtext(d.a, d.a.RomImage, t)),
                        detail::quoted(bannerboxtext(d.b, d.b.RomImage, t))) || any;
    if (any)
        d.cover(kBannerPointerTable, kBannerTextArea + kBannerTextSize);
}

void season(detail::Differ& d)
{
    const MenuNames na = readmenunames(d.a.RomImage).value_or(MenuNames{}),
                    nb = readmenunames(d.b.RomImage).value_or(MenuNames{});
    const std::size_t names = kMenuNamesOffset + 2 * recordsize(0) + kMenuNamesBudget;
    // Both names are compared, so that each change is reported.
    const bool first = d.compare("menu names", 0, "menu name 1", detail::quoted(na.first), detail::quoted(nb.first));
    const bool second = d.compare("menu names", 0, "menu name 2", detail::quoted(na.second), detail::quoted(nb.second));
    if (first || second)
        d.cover(kMenuNamesOffset, std::max({names, kMenuNamesOffset + 4 + na.first.size() + na.second.size(),
                                            kMenuNamesOffset + 4 + nb.first.size() + nb.second.size()}));
    for (std::size_t i = 0; i < kPlayoffPages * kPlayoffPageSlots; ++i)
        d.comparebyte("playoffs", 0, "playoff slot " + std::to_string(i + 1), kPlayoffSlots + i,
                      playoffslottext(d.a, d.a.RomImage[kPlayoffSlots + i]), playoffslottext(d.b, d.b.RomImage[kPlayoffSlots + i]));
    if (d.compare("playoffs", 0, "playoff count", counttext(d.a.RomImage[kPlayoffCount]), counttext(d.b.RomImage[kPlayoffCount]),
                  kPlayoffCount, kPlayoffCount + 1))
        d.cover(kPlayoffCountCopy, kPlayoffCountCopy + 1);
    for (int f = 1; f <= kMenuFields; ++f) {
        const std::size_t at = kMenuDefaults + 2 * static_cast<std::size_t>(f - 1);
        d.comparebyte("menu defaults", 0, "menu default " + std::to_string(f), at, menufieldtext(d.a, f, d.a.RomImage[at]),
                      menufieldtext(d.b, f, d.b.RomImage[at]));
    }
    if (d.compare("menu defaults", 0, "selectable teams", counttext(d.a.RomImage[kSelectableTeams]),
                  counttext(d.b.RomImage[kSelectableTeams]), kSelectableTeams, kSelectableTeams + 1))
        d.cover(kSelectableTeamsCopy, kSelectableTeamsCopy + 1);
}

std::string offset(std::size_t at)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%06zX", at);
    return text;
}

std::string range(const Span& s) { return s.end - s.begin == 1 ? offset(s.begin) : offset(s.begin) + "-" + offset(s.end - 1); }

}  // namespace

ImageDiff diffimages(const Cartridge& a, const Cartridge& b)
{
    detail::Differ d(a, b);
    d.compare("image", 0, "image size", std::to_string(a.RomImage.size()) + " bytes", std::to_string(b.RomImage.size()) + " bytes");
    for (int t = 1; t <= kTeams; ++t)
        d.team(t);
    bannertexts(d);
    season(d);
    return d.finish();
}

std::string difftext(const ImageDiff& diff)
{
    std::string out;
    for (const Difference& d : diff.differences)
        out += printableutf8(d.what) + ": " + printableutf8(d.before) + " -> " + printableutf8(d.after) + "\n";
    for (std::size_t i = 0; i < diff.otherbytes.size(); ++i)
        out += (i == 0 ? "other bytes: " : ", ") + range(diff.otherbytes[i]) + (i + 1 == diff.otherbytes.size() ? "\n" : "");
    return out;
}

std::string diffjson(const ImageDiff& diff)
{
    Json differences = Json::array(), other = Json::array();
    for (const Difference& d : diff.differences)
        differences.push_back({{"area", d.area}, {"team", d.team == 0 ? Json(nullptr) : Json(d.team)},
                               {"what", d.what}, {"before", d.before}, {"after", d.after}});
    for (const Span& s : diff.otherbytes)
        other.push_back({{"first", offset(s.begin)}, {"last", offset(s.end - 1)}});
    return layoutjson({{"equal", diff.empty()}, {"differences", differences}, {"other_bytes", other}});
}

}  // namespace icevale
