#pragma once
// Changes as the editor windows make them, for every front end: the edit, the step's
// name in the undo record and its merge key (undorecord.h), so that the desktop and the
// web page make the same steps. Teams are named by their abbreviations as the tables
// hold them.
#include <optional>
#include <string>
#include <vector>

#include "core/cartridge.h"
#include "core/colours.h"
#include "core/result.h"
#include "core/teamtexts.h"

namespace icevale {

struct Step {
    Edit edit;
    std::string name;
    std::string mergekey;
};

// One cell of team t's away (homeflag 0) or home (1) uniform; the changes of one cell in
// a row (a drag on its bars) are one step.
Step uniformcellstep(const Cartridge& cart, int t, int homeflag, int cell, const Rgb& colour);

// Away and home exchanged; nothing when an entry lies past the image.
std::optional<Step> flipuniformsstep(const Cartridge& cart, int t);

// The fourteen banner colours of team t (rows 1..14); the changes of one team's banner in
// a row are one step.
Step bannercoloursstep(const Cartridge& cart, int t, const BannerColours& rows);

// The team editor's words for a team: "team 3", or "team 3 (Aldermoor)" with the location
// name (UTF-8) trimmed of spaces.
std::string teamlabel(int t, const std::string& location);

// The team editor's refusals, each naming the teams by teamlabel().
std::string overallproblem(const std::vector<std::string>& labels);
std::string textstoolongproblem(const std::string& label, std::int32_t over);
std::string menunamesproblem(std::int64_t over);
// The banner text editor's refusal of texts `over` bytes past the text area.
std::string bannertextsproblem(std::int64_t over);

// Team t's texts and overall number as the team editor saves them (the step named as
// its save), or the refusal in its words.
Result<Step> teamstep(int t, const TeamTexts& texts, std::uint8_t overall);

// Both menu names, or the refusal when they share more than 22 characters.
Result<Step> menunamesstep(const MenuNames& names);

}  // namespace icevale
