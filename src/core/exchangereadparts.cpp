#include "core/exchangereader.h"

namespace icevale::detail {
namespace {

const std::vector<std::string_view>& playerkeys()
{
    static const std::vector<std::string_view> keys = [] {
        std::vector<std::string_view> list = {"role", "name", "number"};
        for (int j = 1; j <= kColumns; ++j)
            list.emplace_back(columnkey(j));
        return list;
    }();
    return keys;
}

const std::vector<std::string_view>& linekeys()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (int l = 1; l <= kLines; ++l)
            list.push_back(linekey(l));
        return list;
    }();
    static const std::vector<std::string_view> keys(names.begin(), names.end());
    return keys;
}

const std::vector<std::string_view>& cellkeys()
{
    static const std::vector<std::string_view> keys = [] {
        std::vector<std::string_view> list;
        for (int k = 0; k < kUniformCells; ++k)
            list.emplace_back(uniformcellkey(k));
        return list;
    }();
    return keys;
}

}  // namespace

void JsonReader::players(const Json& v, const std::string& path, TeamInput& in)
{
    if (!array(v, path, 0))
        return;
    std::vector<PlayerInput> list;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const Json& p = v[i];
        PlayerInput player;
        player.place = at(path, i);
        if (!object(p, player.place, playerkeys()))
            continue;
        if (!p.contains("role"))
            fail(player.place, "a player needs its \"role\" (G, F or D)");
        else if (const auto role = parsed(p["role"], at(player.place, "role"), parserole))
            player.role = *role;
        if (p.contains("name"))
            player.name = text(p["name"], at(player.place, "name"));
        if (p.contains("number"))
            player.number = parsed(p["number"], at(player.place, "number"), parsenumber);
        for (int j = 1; j <= kColumns; ++j) {
            if (p.contains(columnkey(j)))
                player.columns[j] = parsed(p[columnkey(j)], at(player.place, columnkey(j)),
                                           [j](std::string_view t) { return parsecolumn(j, t); });
        }
        list.push_back(std::move(player));
    }
    in.players = std::move(list);
}

void JsonReader::lines(const Json& v, const std::string& path, TeamInput& in)
{
    if (!object(v, path, linekeys()))
        return;
    for (int l = 1; l <= kLines; ++l) {
        const std::string key = linekey(l), place = at(path, key);
        if (!v.contains(key) || !array(v[key], place, kSlots))
            continue;
        LineInput line{};
        bool complete = true;
        for (int s = 1; s <= kSlots; ++s) {
            const Json* slot = &v[key][static_cast<std::size_t>(s - 1)];
            std::string slotpath = at(place, static_cast<std::size_t>(s - 1));
            if (slot->is_object()) {
                if (!object(*slot, slotpath, {"player", "name"}) || !slot->contains("player")) {
                    fail(slotpath, "a slot needs its \"player\": a roster position, 0 for an empty slot");
                    complete = false;
                    continue;
                }
                slot = &(*slot)["player"];
                slotpath = at(slotpath, "player");
            }
            const auto value = parsed(*slot, slotpath, parseslot);
            complete = complete && value;
            line[s] = value.value_or(SlotValue{});
        }
        if (complete)
            in.lines[l] = line;
    }
}

void JsonReader::colours(const Json& v, const std::string& path, TeamInput& in)
{
    const std::string uniforms = at(path, "uniforms"), banner = at(path, "banner");
    if (v.contains("uniforms") && object(v["uniforms"], uniforms, {"away", "home"})) {
        for (int h = 0; h <= 1; ++h) {
            const char* mode = h == 0 ? "away" : "home";
            const Json& cells = v["uniforms"].contains(mode) ? v["uniforms"][mode] : Json::object();
            if (!object(cells, at(uniforms, mode), cellkeys()))
                continue;
            for (int k = 0; k < kUniformCells; ++k) {
                if (cells.contains(uniformcellkey(k)))
                    in.uniform[h][k] = colour(cells[uniformcellkey(k)], at(at(uniforms, mode), uniformcellkey(k)));
            }
        }
    }
    if (!v.contains("banner") || !object(v["banner"], banner, {"text", "colours"}))
        return;
    const Json& b = v["banner"];
    if (b.contains("text"))
        in.bannertext = text(b["text"], at(banner, "text"));
    if (b.contains("colours") && array(b["colours"], at(banner, "colours"), kBannerCells)) {
        for (int i = 1; i <= kBannerCells; ++i)
            in.bannercolours[i] = colour(b["colours"][static_cast<std::size_t>(i - 1)],
                                         at(at(banner, "colours"), static_cast<std::size_t>(i - 1)));
    }
}

void JsonReader::season(const Json& v, const std::string& path)
{
    if (!object(v, path, {"playoffs", "menu_defaults", "selectable_teams"}))
        return;
    if (v.contains("playoffs"))
        playoffs(v["playoffs"], at(path, "playoffs"));
    const std::string menu = at(path, "menu_defaults");
    if (v.contains("menu_defaults") && array(v["menu_defaults"], menu, kMenuFields)) {
        for (int f = 1; f <= kMenuFields; ++f) {
            data.season.menufields[f] = parsed(
                v["menu_defaults"][static_cast<std::size_t>(f - 1)], at(menu, static_cast<std::size_t>(f - 1)),
                [&](std::string_view t) { return parsemenufield(tables_, f, t); }, f == 2 || f == 3);
        }
    }
    const std::string selectable = at(path, "selectable_teams");
    if (v.contains("selectable_teams"))
        data.season.selectableteams =
            v["selectable_teams"].is_null() ? std::optional<std::uint8_t>(0) : parsed(v["selectable_teams"], selectable, parsecount);
}

void JsonReader::playoffs(const Json& v, const std::string& path)
{
    if (!object(v, path, {"count", "slots"}))
        return;
    if (v.contains("count"))
        data.season.playoffcount =
            v["count"].is_null() ? std::optional<std::uint8_t>(0) : parsed(v["count"], at(path, "count"), parsecount);
    const std::string slots = at(path, "slots");
    if (!v.contains("slots") || !array(v["slots"], slots, data.season.playoffslots.size()))
        return;
    for (std::size_t i = 0; i < data.season.playoffslots.size(); ++i) {
        const Json& slot = v["slots"][i];
        data.season.playoffslots[i] =
            slot.is_null() ? std::optional<std::uint8_t>(kNoTeam)
                           : parsed(slot, at(slots, i), [&](std::string_view t) {
                                 return parseplayoffslot(tables_, t);
                             }, true);
    }
}

}  // namespace icevale::detail
