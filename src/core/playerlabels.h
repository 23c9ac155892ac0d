#pragma once
// The texts of the player editor's labels. Numbers are written in the general number
// format: a blank before a value of 0 or more (a minus sign before a negative one),
// up to 15 significant digits.
#include <cstdint>
#include <optional>
#include <string>

namespace icevale {

std::string generalnumber(double value, bool leadingblank = true);

// "37 bytes left for player names", or " 37 ..." with the leading blank.
std::string bytesleftlabel(std::int32_t left, bool leadingblank);

// "Team Average:" followed directly by the average in general number format, or
// alone when there is none.
std::string averagelabel(std::optional<double> average);

}  // namespace icevale
