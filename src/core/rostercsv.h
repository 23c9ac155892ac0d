#pragma once
// The roster CSV: UTF-8, a header row, then one row per player of every team in roster
// order, with the columns
//   team,role,name,number,weight,agility,speed,o_aware,d_aware,shot_power,checking,hand,
//   stick_handling,shot_accuracy,endurance,stick_left,passing,aggression
// team as exchangevalues.h names it, role G, F or D, the rest as the player editor shows
// them (raw forms for what it cannot show). The reader takes the columns in any order
// and any of them but team and role may be left out (the players' slots keep those
// values); every team with rows gets exactly the players of its rows, as importer.h
// orders them, and teams without rows stay as they are.
#include <string>
#include <string_view>
#include <vector>

#include "core/cartridge.h"
#include "core/importdata.h"

namespace icevale {

std::string exportrostercsv(const Cartridge& cart);

// Whether the first line reads as a CSV header naming at least one of the columns.
bool hasrosterheader(std::string_view text);

// Whether the first line, split at semicolons instead of commas, names at least one of the
// columns: a roster CSV written with the wrong separator (as some spreadsheets do).
bool semicolonheader(std::string_view text);

// The import the CSV asks for; every problem, with its line and column, is added to
// `problems`, and the import is to be used only when none was added.
ImportData readrostercsv(std::string_view text, const Tables& tables, std::vector<ImportProblem>& problems);

}  // namespace icevale
