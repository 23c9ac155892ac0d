#include "core/menudefaults.h"

namespace icevale {
namespace {

std::size_t fieldoffset(int f) { return kMenuDefaults + 2 * static_cast<std::size_t>(f - 1); }

}  // namespace

const std::vector<std::string>& menufieldentries(int f)
{
    static const std::array<std::vector<std::string>, kMenuFields + 1> entries = {{
        {},
        {"Regular Season", "Cont. Playoffs", "New Playoffs", "Best of Seven", "Shootout"},
        {},
        {},
        {"5 Minutes", "10 Minutes", "20 Minutes"},
        {"Off", "On", "Off, No Offsides"},
        {"Off", "On", "Automatic"},
        {"Automatic", "Manual"},
    }};
    static const std::vector<std::string> none;
    return f >= 1 && f <= kMenuFields ? entries[static_cast<std::size_t>(f)] : none;
}

int menufieldsize(int f) { return f == 2 || f == 3 ? kTeams : static_cast<int>(menufieldentries(f).size()); }

std::optional<MenuFields> readmenufields(const Bytes& rom)
{
    const auto area = readspan(rom, kMenuDefaults, 2 * kMenuFields - 1);
    if (!area)
        return std::nullopt;
    MenuFields fields{};
    for (int f = 1; f <= kMenuFields; ++f)
        fields[static_cast<std::size_t>(f)] = (*area)[fieldoffset(f) - kMenuDefaults];
    return fields;
}

Edit menufieldsedit(const MenuFields& fields)
{
    Edit edit;
    for (int f = 1; f <= kMenuFields; ++f)
        edit.put(fieldoffset(f), fields[static_cast<std::size_t>(f)]);
    return edit;
}

std::optional<std::uint8_t> readselectableteams(const Bytes& rom) { return readbyte(rom, kSelectableTeams); }

Edit selectableteamsedit(std::uint8_t count)
{
    Edit edit;
    edit.put(kSelectableTeams, count);
    edit.put(kSelectableTeamsCopy, count);
    return edit;
}

}  // namespace icevale
