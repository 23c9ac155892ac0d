#include "core/playerlabels.h"

#include <cstdio>

namespace icevale {

std::string generalnumber(double value, bool leadingblank)
{
    char digits[40];
    std::snprintf(digits, sizeof digits, "%.15g", value);
    std::string text = leadingblank && value >= 0 ? " " : "";
    return text += digits;
}

std::string bytesleftlabel(std::int32_t left, bool leadingblank)
{
    return generalnumber(left, leadingblank) + " bytes left for player names";
}

std::string averagelabel(std::optional<double> average)
{
    return "Team Average:" + (average ? generalnumber(*average) : std::string());
}

}  // namespace icevale
