#include "core/playerattributes.h"

namespace icevale {
namespace {

constexpr std::array<const char*, kColumns + 1> kCaptions = {
    "",        "Weight",         "Agility",       "Speed",    "O Aware",             "D Aware",
    "ShotPower G:PuckCtrl",      "Checking",      "Hand",     "Stick Handling",      "Shot Accuracy",
    "Endurnce", "Stick Left ????????", "Passing Glove R", "Aggress'n Glove L"};

// What each column's short caption stands for.
constexpr std::array<const char*, kColumns + 1> kTips = {
    "",
    "Weight in pounds, 140 to 260",
    "Agility, 25 to 100",
    "Speed, 25 to 100",
    "Offensive awareness, 25 to 100",
    "Defensive awareness, 25 to 100",
    "Shot power, or puck control for a goalie, 25 to 100",
    "Checking, 25 to 100",
    "Hand: left or right",
    "Stick handling, 25 to 100",
    "Shot accuracy, 25 to 100",
    "Endurance, 25 to 100",
    "Stick left, 25 to 100",
    "Passing, or glove right for a goalie, 25 to 100",
    "Aggression, or glove left for a goalie, 25 to 100",
};

constexpr std::array<int, 7> kRatings = {25, 35, 45, 55, 65, 85, 100};

bool validcolumn(int column) { return column >= 1 && column <= kColumns; }

}  // namespace

Scale columnscale(int column)
{
    if (column == kWeightColumn)
        return Scale::Weight;
    return column == kHandColumn ? Scale::Hand : Scale::Rating;
}

const char* columncaption(int column) { return validcolumn(column) ? kCaptions[column] : ""; }

const char* columntip(int column) { return validcolumn(column) ? kTips[column] : ""; }

const std::vector<std::string>& scaleentries(Scale scale)
{
    static const std::vector<std::string> weights = [] {
        std::vector<std::string> list;
        for (int v = 0; v < 16; ++v)
            list.push_back(std::to_string(140 + 8 * v));
        return list;
    }();
    static const std::vector<std::string> hands = {"Left", "Right"};
    static const std::vector<std::string> ratings = [] {
        std::vector<std::string> list;
        for (const int r : kRatings)
            list.push_back(std::to_string(r));
        return list;
    }();
    if (scale == Scale::Weight)
        return weights;
    return scale == Scale::Hand ? hands : ratings;
}

int ratingvalue(int position)
{
    return position >= 0 && position < static_cast<int>(kRatings.size()) ? kRatings[position] : 0;
}

int attrnibble(const Tables& tables, int p, int t, int column)
{
    const std::uint8_t byte = tables.playerattr[(column + 1) / 2][p][t];
    return column % 2 == 1 ? byte >> 4 : byte & 15;
}

void loadgrid(const Tables& tables, int t, RatingGrid& grid)
{
    for (int i = 1; i <= kMaxPlayers; ++i) {
        for (int j = 1; j <= kColumns; ++j)
            grid[i][j] = attrnibble(tables, i, t, j);
    }
}

void storegrid(Tables& tables, int t, const RatingGrid& grid)
{
    for (int i = 1; i <= kMaxPlayers; ++i) {
        for (int k = 1; k <= 7; ++k)
            tables.playerattr[k][i][t] = static_cast<std::uint8_t>(16 * (grid[i][2 * k - 1] & 15) + (grid[i][2 * k] & 15));
    }
}

int entryposition(int column, int v)
{
    switch (columnscale(column)) {
    case Scale::Weight:
        return v >= 0 && v < 16 ? v : -1;
    case Scale::Hand:
        return v >= 0 ? v & 1 : -1;
    case Scale::Rating:
        break;
    }
    return v >= 0 && v < static_cast<int>(kRatings.size()) ? v : -1;
}

int committedvalue(int selected, int stored) { return selected >= 0 ? selected : stored; }

bool juicegrid(RatingGrid& grid, int v)
{
    if (v < 0 || v >= static_cast<int>(kRatings.size()))
        return false;
    for (int i = 1; i <= kMaxPlayers; ++i) {
        for (int j = 2; j <= kColumns; ++j) {
            if (j != kHandColumn)
                grid[i][j] = v;
        }
    }
    return true;
}

std::optional<double> teamaverage(const RatingGrid& grid, int n)
{
    double sum = 0;
    int counted = 0;
    for (int i = 1; i <= n && i <= kMaxPlayers; ++i) {
        for (int j = 2; j <= kColumns; ++j) {
            const int position = j == kHandColumn ? -1 : entryposition(j, grid[i][j]);
            if (position >= 0) {
                sum += ratingvalue(position);
                ++counted;
            }
        }
    }
    if (counted == 0)
        return std::nullopt;
    // Divided in two steps as the full grid always was, so the last digit agrees.
    return counted == 12 * n ? sum / 12 / n : sum / counted;
}

}  // namespace icevale
