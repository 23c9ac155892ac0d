#include "core/steps.h"

#include "core/bannertexts.h"
#include "core/utf8text.h"

namespace icevale {
namespace {

std::string teamof(const Cartridge& cart, int t) { return bytestoutf8(cart.teamabbrev[t]); }

constexpr const char* kTeamsStep = "Team texts and overall numbers";

}  // namespace

Step uniformcellstep(const Cartridge& cart, int t, int homeflag, int cell, const Rgb& colour)
{
    return {uniformcelledit(cart.RomImage, t, homeflag, cell, colour), "Uniform colour of " + teamof(cart, t),
            "uniform:" + std::to_string(t) + ":" + std::to_string(homeflag) + ":" + std::to_string(cell)};
}

std::optional<Step> flipuniformsstep(const Cartridge& cart, int t)
{
    auto edit = flipuniformsedit(cart.RomImage, t);
    if (!edit)
        return std::nullopt;
    return Step{std::move(*edit), "Flip uniforms of " + teamof(cart, t), {}};
}

Step bannercoloursstep(const Cartridge& cart, int t, const BannerColours& rows)
{
    return {bannercoloursedit(cart.RomImage, t, rows), "Banner colours of " + teamof(cart, t),
            "banner:" + std::to_string(t)};
}

std::string teamlabel(int t, const std::string& location)
{
    const std::size_t first = location.find_first_not_of(" \t\r\n");
    const std::string trimmed =
        first == std::string::npos ? std::string() : location.substr(first, location.find_last_not_of(" \t\r\n") - first + 1);
    return "team " + std::to_string(t) + (trimmed.empty() ? "" : " (" + trimmed + ")");
}

std::string overallproblem(const std::vector<std::string>& labels)
{
    if (labels.size() == 1)
        return "the overall number of " + labels.front() + " is not a whole number from 0 to 255";
    std::string joined;
    for (const std::string& label : labels)
        joined += (joined.empty() ? "" : ", ") + label;
    return "the overall numbers of " + joined + " are not whole numbers from 0 to 255";
}

std::string textstoolongproblem(const std::string& label, std::int32_t over)
{
    return "the texts of " + label + " are " + std::to_string(over) + " bytes too long for its block";
}

std::string menunamesproblem(std::int64_t over)
{
    return "the menu display names are " + std::to_string(over) + " characters over the " +
           std::to_string(kMenuNamesBudget) + " they share";
}

std::string bannertextsproblem(std::int64_t over)
{
    return "Banner texts not saved: they need " + std::to_string(over) + " bytes more than the " +
           std::to_string(kBannerTextSize) + "-byte text area.";
}

Result<Step> teamstep(int t, const TeamTexts& texts, std::uint8_t overall)
{
    auto edit = teamtextedit(t, texts);
    if (!edit) {
        const auto characters = static_cast<std::int64_t>(texts.name.size() + texts.abbrev.size() + texts.nick.size() +
                                                          texts.arena.size());
        return fail(textstoolongproblem(teamlabel(t, bytestoutf8(texts.name)), -textblockfree(t, characters)));
    }
    edit->append(overalledit(t, overall));
    return Step{std::move(*edit), kTeamsStep, {}};
}

Result<Step> menunamesstep(const MenuNames& names)
{
    auto edit = menunamesedit(names);
    if (!edit)
        return fail(menunamesproblem(static_cast<std::int64_t>(names.first.size() + names.second.size()) -
                                               kMenuNamesBudget));
    return Step{std::move(*edit), kTeamsStep, {}};
}

}  // namespace icevale
