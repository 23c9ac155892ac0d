// The core's entry points for JavaScript (embind). Each call hands back plain values:
// texts (JSON where the value has parts), byte arrays copied out of the module's memory,
// and a refusal as an "error" text that api.js turns into a thrown Error. Nothing here
// knows a byte of the image: every rule is the core's.
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <malloc.h>

#include <algorithm>
#include <exception>
#include <string>
#include <string_view>

#include "core/document.h"
#include "core/exchange.h"
#include "core/health.h"
#include "core/imageinfo.h"
#include "core/importer.h"
#include "core/locations.h"
#include "core/colours.h"
#include "core/patching.h"
#include "core/romfile.h"
#include "core/bannertexts.h"
#include "core/jersey.h"
#include "core/lineups.h"
#include "core/menudefaults.h"
#include "core/playoffs.h"
#include "core/storedchoice.h"
#include "core/playerattributes.h"
#include "core/playerlabels.h"
#include "core/rosterchanges.h"
#include "core/rosterdraft.h"
#include "core/rosters.h"
#include "core/rostercsv.h"
#include "core/steps.h"
#include "core/teamtexts.h"
#include "core/undorecord.h"
#include "core/utf8text.h"
#include "wasm/messages.h"

namespace icevale::wasm {
namespace {

using emscripten::val;

// The largest file the page reads: far past any image, small enough to hold twice.
constexpr std::uint64_t kMaxFileSize = std::uint64_t{64} << 20;
// A jersey number box holds two digits, an overall number box three characters.
constexpr int kNumberLength = 2;
constexpr int kOverallLength = 3;

// Bytes api.js has copied into the module's memory for the length of one call.
std::string_view lent(unsigned at, unsigned size)
{
    return {reinterpret_cast<const char*>(static_cast<std::uintptr_t>(at)), size};
}

Bytes tobytes(std::string_view s) { return Bytes(s.begin(), s.end()); }

// A copy the caller owns: the module's memory may grow and move under a view of it.
val bytesout(const Bytes& bytes)
{
    return val::global("Uint8Array").new_(emscripten::typed_memory_view(bytes.size(), bytes.data()));
}

val failed(const std::string& error)
{
    val out = val::object();
    out.set("error", error);
    return out;
}

// Runs one call, turning anything the core throws (memory exhausted, a library's own
// exception) into a refusal instead of tearing down the module.
template <class Call>
val guarded(Call call)
{
    try {
        return call();
    } catch (const std::exception& e) {
        return failed(std::string("internal error: ") + e.what());
    } catch (...) {
        return failed("internal error");
    }
}

std::string jsonquote(const std::string& text)
{
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            static const char* hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

val patchout(const PatchOutcome& result)
{
    val out = val::object();
    val notes = val::array();
    for (const std::string& note : result.notes)
        notes.call<void>("push", note);
    out.set("notes", notes);
    val warnings = val::array();
    for (const std::string& warning : result.warnings)
        warnings.call<void>("push", warning);
    out.set("warnings", warnings);
    if (!result.bytes)
        out.set("error", result.bytes.message());
    else
        out.set("bytes", bytesout(result.bytes.value()));
    return out;
}

}  // namespace

// One open document of the page or a script.
class Handle {
public:
    // Checks and opens the image api.js has copied into the module's memory.
    val open(unsigned at, unsigned size, const std::string& name)
    {
        return guarded([&] {
            Cartridge cart;
            if (const Status loaded = loadbytes(cart, tobytes(lent(at, size)), name); !loaded)
                return failed(loaded.message());
            doc_.adopt(std::move(cart), name);
            record_.clear();
            return val::object();
        });
    }

    // The health check's problems, as [{area, team, text}] (team 0: the whole image).
    std::string health() const
    {
        std::string out = "[";
        for (const HealthProblem& p : healthcheck(doc_.cart())) {
            out += (out.size() > 1 ? "," : "") + std::string("{\"area\":") + jsonquote(p.area) +
                   ",\"team\":" + std::to_string(p.team) + ",\"text\":" + jsonquote(bytestoutf8(p.text)) + "}";
        }
        return out + "]";
    }

    std::string info() const { return infojson(doc_.cart(), healthcheck(doc_.cart()), doc_.filename()); }
    std::string exportjson() const { return icevale::exportjson(doc_.cart()); }
    std::string exportcsv() const { return exportrostercsv(doc_.cart()); }
    bool modified() const { return doc_.modified(); }
    std::string filename() const { return doc_.filename(); }

    // Checks and applies a JSON export or a roster CSV as the command-line tool does;
    // `name` stands where the tool names the data file in its messages. The edits are
    // one step, named `step`, or after the file.
    val importtext(unsigned at, unsigned size, bool json, const std::string& name, const std::string& step)
    {
        return guarded([&] {
            const std::string_view text = lent(at, size);
            // Told by its content as the tool tells it; a text of the other kind is refused.
            const ImportKind kind = importkind(text);
            if (kind != ImportKind::Neither && (kind == ImportKind::Json) != json)
                return failed(refusal(name, {{"", json ? "a roster CSV, not a JSON export" : "a JSON export, not a roster CSV"}}));
            const std::size_t mark = record_.index();
            const ImportReport outcome = icevale::importtext(doc_, text, name, true);
            record_.join(mark, !step.empty() ? step : "Import " + (name.empty() ? std::string(json ? "JSON" : "CSV") : name));
            if (!outcome.ok())
                return failed(refusal(name, outcome.problems));
            val out = val::object();
            out.set("changes", outcome.steps);
            return out;
        });
    }

    // The whole file as it is now, which from now on counts as saved.
    val save()
    {
        return guarded([&] {
            doc_.marksaved();
            record_.saved();
            val out = val::object();
            out.set("bytes", bytesout(doc_.image()));
            return out;
        });
    }

    // The whole file as it is now, still counted as unsaved when it differs (a patch's
    // edited side).
    val image() const { return bytesout(doc_.image()); }

    // The step undone or redone, named, or "" when there was none. The tables follow
    // the bytes, as after every change.
    // The document decodes what a step touched as it moves the bytes.
    std::string undo() { return record_.undo(); }
    std::string redo() { return record_.redo(); }
    std::string undoname() const { return record_.undoname(); }
    std::string redoname() const { return record_.redoname(); }

    // The team editor's rows: texts, overall number and the bytes left in the block.
    val teams() const
    {
        const Cartridge& cart = doc_.cart();
        val out = val::array();
        for (int t = 1; t <= kTeams; ++t) {
            const TeamTexts texts = teamtexts(cart, t);
            val team = val::object();
            team.set("index", t);
            team.set("location", bytestoutf8(texts.name));
            team.set("abbreviation", bytestoutf8(texts.abbrev));
            team.set("nickname", bytestoutf8(texts.nick));
            team.set("arena", bytestoutf8(texts.arena));
            team.set("overall", readoverall(cart.RomImage, t).value_or(0));
            team.set("bytesLeft", textblockfree(t, static_cast<std::int64_t>(texts.name.size() + texts.abbrev.size() +
                                                                                texts.nick.size() + texts.arena.size())));
            out.call<void>("push", team);
        }
        return out;
    }

    val setteam(int t, const std::string& location, const std::string& abbreviation, const std::string& nickname,
                const std::string& arena, const std::string& overalltext)
    {
        return guarded([&] {
            if (t < 1 || t > kTeams)
                return failed(teamrange(t));
            // The overall box's text, read by the team editor's rule (fractions round).
            const auto overall = parseoverall(overalltext);
            if (!overall)
                return failed(overallproblem({teamlabel(t, location)}));
            TeamTexts texts;
            for (auto [field, text, into] : {std::tuple("location", &location, &texts.name),
                                             std::tuple("abbreviation", &abbreviation, &texts.abbrev),
                                             std::tuple("nickname", &nickname, &texts.nick),
                                             std::tuple("arena", &arena, &texts.arena)}) {
                const Result<std::string> bytes = utf8tobytes(*text);
                if (!bytes)
                    return failed(std::string(field) + ": " + bytes.message());
                *into = bytes.value();
            }
            const Result<Step> step = teamstep(t, texts, *overall);
            return step ? applied(step.value()) : failed(step.message());
        });
    }

    val menunames() const
    {
        const MenuNames names = readmenunames(doc_.image()).value_or(MenuNames{});
        val out = val::object();
        out.set("first", bytestoutf8(names.first));
        out.set("second", bytestoutf8(names.second));
        return out;
    }

    val setmenunames(const std::string& first, const std::string& second)
    {
        return guarded([&] {
            const Result<std::string> a = utf8tobytes(first);
            if (!a)
                return failed("first: " + a.message());
            const Result<std::string> b = utf8tobytes(second);
            if (!b)
                return failed("second: " + b.message());
            const Result<Step> step = menunamesstep({a.value(), b.value()});
            return step ? applied(step.value()) : failed(step.message());
        });
    }

    // A uniform's eleven cells or a banner's fourteen rows, as [{red, green, blue}].
    val uniform(int t, int homeflag) const
    {
        if (t < 1 || t > kTeams || homeflag < 0 || homeflag > 1)
            return failed(teamrange(t));
        const auto cells = readuniform(doc_.image(), t, homeflag);
        if (!cells)
            return failed("the uniform of team " + std::to_string(t) + " lies past the end of the image");
        val out = val::array();
        for (const Rgb& c : *cells)
            out.call<void>("push", rgbout(c));
        return out;
    }

    val setuniformcell(int t, int homeflag, int cell, int red, int green, int blue)
    {
        return guarded([&] {
            if (t < 1 || t > kTeams || homeflag < 0 || homeflag > 1 || cell < 0 || cell >= kUniformCells)
                return failed(teamrange(t) + ", a side and a cell 0.." + std::to_string(kUniformCells - 1));
            if (!components(red, green, blue))
                return failed(componentrange());
            return applied(uniformcellstep(doc_.cart(), t, homeflag, cell, {red, green, blue}));
        });
    }

    val flipuniforms(int t)
    {
        return guarded([&] {
            if (t < 1 || t > kTeams)
                return failed(teamrange(t));
            const auto step = flipuniformsstep(doc_.cart(), t);
            return step ? applied(*step) : failed("the uniforms of team " + std::to_string(t) + " lie past the end of the image");
        });
    }

    val bannercolours(int t) const
    {
        BannerColours rows{};
        if (t < 1 || t > kTeams || !readbannercolours(doc_.image(), t, rows))
            return failed(teamrange(t));
        val out = val::array();
        for (int r = 1; r <= kBannerCells; ++r)
            out.call<void>("push", rgbout(rows[r]));
        return out;
    }

    // `how`: 0 sets the rows from `flat` (red, green, blue of rows 1..14), 1 blacks them
    // out, 2 colours them from rows 1 and 7 as the banner editor's buttons do.
    val setbannercolours(int t, int how, const val& given)
    {
        return guarded([&] {
            BannerColours rows{};
            if (t < 1 || t > kTeams || !readbannercolours(doc_.image(), t, rows))
                return failed(teamrange(t));
            if (how == 1) {
                blackout(rows);
            } else if (how == 2) {
                autocolor(rows);
            } else {
                const std::vector<int> flat = emscripten::vecFromJSArray<int>(given);
                if (flat.size() != 3 * kBannerCells)
                    return failed("a banner has " + std::to_string(kBannerCells) + " colours");
                for (int r = 1; r <= kBannerCells; ++r) {
                    const int* c = &flat[static_cast<std::size_t>(3 * (r - 1))];
                    if (!components(c[0], c[1], c[2]))
                        return failed(componentrange());
                    rows[r] = {c[0], c[1], c[2]};
                }
            }
            return applied(bannercoloursstep(doc_.cart(), t, rows));
        });
    }

    // The player editor's grid of team t: counts, bytes left, the team average and each
    // player's role, name, number as its box shows it and the fourteen stored columns.
    val roster(int t) const
    {
        if (t < 1 || t > kTeams)
            return failed(teamrange(t));
        const Cartridge& cart = doc_.cart();
        RatingGrid grid{};
        loadgrid(cart, t, grid);
        val out = val::object();
        out.set("goalies", cart.goaliecount[t]);
        out.set("forwards", cart.forwardcount[t]);
        out.set("defencemen", cart.defensecount[t]);
        out.set("bytesLeft", cart.rosterbytesleft[t]);
        const auto average = teamaverage(grid, cart.playercount(t));
        out.set("average", average ? val(*average) : val::null());
        // The player editor's labels of both, as the window words them.
        out.set("averageLabel", averagelabel(average));
        out.set("bytesLeftLabel", bytesleftlabel(cart.rosterbytesleft[t], false));
        val players = val::array();
        for (int p = 1; p <= cart.playercount(t); ++p) {
            val player = val::object();
            player.set("role", roleletter(cart, t, p - 1));
            player.set("name", bytestoutf8(cart.playername[p][t]));
            player.set("number", jerseytext(cart.playernum[p][t]));
            val columns = val::array();
            for (int j = 1; j <= kColumns; ++j)
                columns.call<void>("push", grid[p][j]);
            player.set("columns", columns);
            players.call<void>("push", player);
        }
        out.set("players", players);
        return out;
    }

    // The player editor's buttons: 0 goalie +, 1 goalie -, 2 defence +, 3 defence -,
    // 4 add player, 5 remove player. Nothing changes when the button's rule says no.
    val rosterbutton(int t, int button)
    {
        return guarded([&] {
            if (t < 1 || t > kTeams || button < 0 || button > 5)
                return failed(teamrange(t));
            bool (*const rules[])(Tables&, int) = {goalieplus, goalieminus, defenceplus, defenceminus, addplayer, removeplayer};
            RosterDraft draft;
            draft.take(doc_.tables());
            if (!rules[button](draft.rosters(), t)) {
                val none = val::object();
                none.set("step", val::null());
                return none;
            }
            return writeroster(draft.tables(), t);
        });
    }

    // Player p's name, number box text and columns (stored values; a column keeps its
    // value when given -1), as the grid stores them.
    val setplayer(int t, int p, const val& name, const val& number, const val& given)
    {
        return guarded([&] {
            const Cartridge& cart = doc_.cart();
            if (t < 1 || t > kTeams || p < 1 || p > cart.playercount(t))
                return failed("player " + std::to_string(p) + " of team " + std::to_string(t) + ": no such player");
            RosterDraft draft;
            draft.take(doc_.tables());
            Tables& tables = draft.rosters();
            if (!name.isUndefined()) {
                const Result<std::string> bytes = utf8tobytes(name.as<std::string>());
                if (!bytes)
                    return failed("name: " + bytes.message());
                const int limit = namelimit(tables.playername[p][t].size(), tables.rosterbytesleft[t]);
                if (static_cast<int>(bytes->size()) > limit)
                    return failed("name: at most " + std::to_string(limit) + " characters fit the roster's area");
                tables.playername[p][t] = bytes.value();
            }
            if (!number.isUndefined())
                tables.playernum[p][t] = keptjersey(number.as<std::string>(), tables.playernum[p][t]);
            if (!given.isUndefined()) {
                const std::vector<int> columns = emscripten::vecFromJSArray<int>(given);
                RatingGrid grid{};
                loadgrid(tables, t, grid);
                for (int j = 1; j <= kColumns && j <= static_cast<int>(columns.size()); ++j) {
                    const int v = columns[static_cast<std::size_t>(j - 1)];
                    if (v == -1 || v == grid[p][j])
                        continue;
                    if (entryposition(j, v) < 0) {
                        return failed(std::string(columncaption(j)) + ": " + std::to_string(v) + " is no entry of its list");
                    }
                    grid[p][j] = v;
                }
                storegrid(tables, t, grid);
            }
            tables.rosterbytesleft[t] = rosterfreebytes(tables, t);
            return writeroster(tables, t);
        });
    }

    // "Juice Team": every rating of the team's 25 slots set to rating entry `entry`.
    val juiceteam(int t, int entry)
    {
        return guarded([&] {
            if (t < 1 || t > kTeams)
                return failed(teamrange(t));
            RatingGrid grid{};
            loadgrid(doc_.tables(), t, grid);
            if (!juicegrid(grid, entry))
                return failed("no rating entry " + std::to_string(entry));
            RosterDraft draft;
            draft.take(doc_.tables());
            storegrid(draft.rosters(), t, grid);
            return writeroster(draft.tables(), t);
        });
    }

    // The line editor's boxes of team t: the entries a slot box lists (position k is
    // slot byte k; past the roster the stored byte shows as an extra entry) and the
    // eight lines' stored slot bytes.
    val lines(int t) const
    {
        if (t < 1 || t > kTeams)
            return failed(teamrange(t));
        const Cartridge& cart = doc_.cart();
        val out = val::object();
        val entries = val::array();
        for (const std::string& entry : slotentries(cart, t))
            entries.call<void>("push", bytestoutf8(entry));
        out.set("entries", entries);
        val all = val::array();
        for (int l = 1; l <= kLines; ++l) {
            val line = val::object();
            line.set("name", std::string(kLineNames[static_cast<std::size_t>(l - 1)]));
            const LineSlots slots = lineslots(cart, t, l);
            val bytes = val::array();
            for (int s = 1; s <= kSlots; ++s)
                bytes.call<void>("push", slots[static_cast<std::size_t>(s)]);
            line.set("slots", bytes);
            all.call<void>("push", line);
        }
        out.set("lines", all);
        return out;
    }

    // Line l (1..8) of team t from entry positions of the slot boxes (-1 keeps a slot).
    val setline(int t, int l, const val& given)
    {
        return guarded([&] {
            if (t < 1 || t > kTeams || l < 1 || l > kLines)
                return failed(teamrange(t) + ", a line 1.." + std::to_string(kLines));
            const Cartridge& cart = doc_.cart();
            const std::vector<int> positions = emscripten::vecFromJSArray<int>(given);
            LineSlots line = lineslots(cart, t, l);
            const int players = cart.playercount(t);
            for (int s = 1; s <= kSlots && s <= static_cast<int>(positions.size()); ++s) {
                const int position = positions[static_cast<std::size_t>(s - 1)];
                if (position == -1)
                    continue;
                if (position < 0 || position > players)
                    return failed("slot " + std::to_string(s) + ": " + std::to_string(position) + " is no player of the roster");
                line[static_cast<std::size_t>(s)] = slotbyte(position, players, line[static_cast<std::size_t>(s)]);
            }
            return applied({lineedit(t, l, line), "Line-up of " + bytestoutf8(cart.teamabbrev[t]), {}});
        });
    }

    // The banner text editor's boxes, and the bytes the texts leave of their area.
    val bannertexts() const
    {
        const Cartridge& cart = doc_.cart();
        TeamTable<std::string> texts;
        val out = val::object();
        val all = val::array();
        for (int t = 1; t <= kTeams; ++t) {
            texts[t] = bannerboxtext(cart, cart.RomImage, t);
            all.call<void>("push", bytestoutf8(texts[t]));
        }
        out.set("texts", all);
        out.set("bytesLeft", static_cast<double>(kBannerTextSize) - static_cast<double>(bannerbytesused(texts)));
        return out;
    }

    // All 28 banner texts (teams 1..28 as [0..27]) packed into their area.
    val setbannertexts(const val& given)
    {
        return guarded([&] {
            const std::vector<std::string> given8 = emscripten::vecFromJSArray<std::string>(given);
            if (given8.size() != static_cast<std::size_t>(kTeams))
                return failed("the banner texts are " + std::to_string(kTeams) + " texts");
            TeamTable<std::string> texts;
            for (int t = 1; t <= kTeams; ++t) {
                const Result<std::string> bytes = utf8tobytes(given8[static_cast<std::size_t>(t - 1)]);
                if (!bytes || bytes->find('\0') != std::string::npos)
                    return failed("team " + std::to_string(t) + ": " +
                                  (bytes ? std::string("a banner text holds no zero character") : bytes.message()));
                texts[t] = bytes.value();
            }
            const auto edit = bannertextsedit(texts);
            if (!edit)
                return failed(bannertextsproblem(bannerbytesused(texts) - static_cast<std::int64_t>(kBannerTextSize)));
            return applied({*edit, "Banner texts", {}});
        });
    }

    // The playoff editor's lists as stored bytes: the team count (1..28) and the slots of
    // the four pages (a team 0..27, or 28 for none), each with its list position.
    val playoffs() const
    {
        const Bytes& rom = doc_.image();
        val out = val::object();
        const std::uint8_t count = readplayoffcount(rom).value_or(0);
        out.set("count", count);
        out.set("countPosition", choiceposition(count, kTeams, 1));
        val slots = val::array();
        for (int g = 0; g < kPlayoffPages; ++g) {
            const PlayoffPage page = readplayoffpage(rom, g).value_or(PlayoffPage{});
            for (const std::uint8_t slot : page)
                slots.call<void>("push", slot);
        }
        out.set("slots", slots);
        return out;
    }

    // The count and slots from list positions (-1 keeps a value), as the window closes.
    val setplayoffs(int countposition, const val& given)
    {
        return guarded([&] {
            const Bytes& rom = doc_.image();
            const std::vector<int> positions = emscripten::vecFromJSArray<int>(given);
            if (countposition < -1 || countposition >= kTeams)
                return failed("the playoff team count is one of 1.." + std::to_string(kTeams));
            const std::uint8_t stored = readplayoffcount(rom).value_or(0);
            Edit edit = playoffcountedit(countposition == -1 ? stored : choicebyte(countposition, stored, kTeams, 1));
            for (int g = 0; g < kPlayoffPages; ++g) {
                PlayoffPage page = readplayoffpage(rom, g).value_or(PlayoffPage{});
                for (std::size_t i = 0; i < page.size(); ++i) {
                    const std::size_t k = static_cast<std::size_t>(g) * page.size() + i;
                    const int position = k < positions.size() ? positions[k] : -1;
                    if (position < -1 || position > kNoTeam)
                        return failed("playoff slot " + std::to_string(k) + ": a team 0.." + std::to_string(kNoTeam - 1) +
                                      " or " + std::to_string(kNoTeam) + " for none");
                    if (position != -1)
                        page[i] = choicebyte(position, page[i], kNoTeam + 1);
                }
                edit.append(playoffpageedit(g, page));
            }
            return applied({edit, "Playoff slots", {}});
        });
    }

    // The menu editor's seven lists and the selectable team count: each stored byte, its
    // list position and the list's entries (the teams' location names for fields 2 and 3).
    val menudefaults() const
    {
        const Cartridge& cart = doc_.cart();
        const MenuFields fields = readmenufields(cart.RomImage).value_or(MenuFields{});
        val out = val::object();
        val all = val::array();
        for (int f = 1; f <= kMenuFields; ++f) {
            val field = val::object();
            val entries = val::array();
            if (f == 2 || f == 3) {
                for (int t = 1; t <= kTeams; ++t)
                    entries.call<void>("push", bytestoutf8(cart.teamname[t]));
            } else {
                for (const std::string& entry : menufieldentries(f))
                    entries.call<void>("push", entry);
            }
            field.set("entries", entries);
            field.set("stored", fields[static_cast<std::size_t>(f)]);
            field.set("position", choiceposition(fields[static_cast<std::size_t>(f)], menufieldsize(f)));
            all.call<void>("push", field);
        }
        out.set("fields", all);
        const std::uint8_t count = readselectableteams(cart.RomImage).value_or(0);
        out.set("selectableTeams", count);
        out.set("selectableTeamsPosition", choiceposition(count, kTeams, 1));
        return out;
    }

    val setmenudefaults(const val& given, int countposition)
    {
        return guarded([&] {
            const Bytes& rom = doc_.image();
            const std::vector<int> positions = emscripten::vecFromJSArray<int>(given);
            MenuFields fields = readmenufields(rom).value_or(MenuFields{});
            for (int f = 1; f <= kMenuFields && f <= static_cast<int>(positions.size()); ++f) {
                const int position = positions[static_cast<std::size_t>(f - 1)];
                if (position < -1 || position >= menufieldsize(f))
                    return failed("menu default " + std::to_string(f) + ": a position 0.." + std::to_string(menufieldsize(f) - 1));
                if (position != -1)
                    fields[static_cast<std::size_t>(f)] = choicebyte(position, fields[static_cast<std::size_t>(f)], menufieldsize(f));
            }
            if (countposition < -1 || countposition >= kTeams)
                return failed("the selectable team count is one of 1.." + std::to_string(kTeams));
            const std::uint8_t stored = readselectableteams(rom).value_or(0);
            Edit edit = menufieldsedit(fields);
            edit.append(selectableteamsedit(countposition == -1 ? stored : choicebyte(countposition, stored, kTeams, 1)));
            return applied({edit, "Menu defaults", {}});
        });
    }

private:
    // Team t's count byte, goalie marks and records from a draft of the rosters, one step
    // per team in a row; a roster that does not fit writes nothing.
    val writeroster(const Tables& tables, int t)
    {
        Edit edit = rostercountedit(tables, t);
        edit.append(goaliemarksedit(tables, t));
        const auto records = rosterrecordsedit(tables, t);
        if (!records) {
            return failed("the roster of team " + std::to_string(t) + " does not fit its area");
        }
        edit.append(*records);
        return applied({edit, "Roster of " + bytestoutf8(tables.teamabbrev[t]), "roster:" + std::to_string(t)});
    }

    static std::string teamrange(int t)
    {
        return "team " + std::to_string(t) + ": a team is numbered 1.." + std::to_string(kTeams);
    }
    static bool components(int red, int green, int blue)
    {
        return red >= 0 && red <= kComponentMax && green >= 0 && green <= kComponentMax && blue >= 0 &&
               blue <= kComponentMax;
    }
    static std::string componentrange() { return "a colour component runs 0.." + std::to_string(kComponentMax); }
    static val rgbout(const Rgb& c)
    {
        val out = val::object();
        out.set("red", c.red);
        out.set("green", c.green);
        out.set("blue", c.blue);
        return out;
    }

    // Applies a window's step (the document decodes what it touched). Gives the step's name, or
    // null when every byte was already there.
    val applied(const Step& step)
    {
        const Result<Change> result = doc_.apply(step.edit, step.name, step.mergekey);
        if (!result)
            return failed(result.message());
        val out = val::object();
        out.set("step", result->empty() ? val::null() : val(step.name));
        return out;
    }

    Document doc_;
    UndoRecord record_{doc_};
};

val createpatch(unsigned original, unsigned originalsize, unsigned edited, unsigned editedsize, bool bps, bool noheader)
{
    return guarded([&] {
        return patchout(makepatch(tobytes(lent(original, originalsize)), tobytes(lent(edited, editedsize)),
                                  bps ? PatchFormat::Bps : PatchFormat::Ips, noheader));
    });
}

// `ipskind`: 0 an IPS patch's offsets as they stand, 1 made for images with the copier
// header, 2 without.
val applypatch(unsigned patch, unsigned patchsize, unsigned image, unsigned imagesize, int ipskind, bool allowshort)
{
    return guarded([&] {
        ApplyOptions options;
        options.ipskind = ipskind == 1 ? IpsKind::Header : ipskind == 2 ? IpsKind::NoHeader : IpsKind::AsItStands;
        options.allowshort = allowshort;
        return patchout(icevale::applypatch(tobytes(lent(patch, patchsize)), tobytes(lent(image, imagesize)), options));
    });
}

// The entries of column J's list (1..14), in stored-value order: what a stored value
// shows as in the grid.
val columnentries(int column)
{
    val out = val::array();
    if (column >= 1 && column <= kColumns) {
        for (const std::string& entry : scaleentries(columnscale(column)))
            out.call<void>("push", entry);
    }
    return out;
}

// Bytes the module's allocator holds for the program now: what a dropped document must
// give back.
double heapinuse() { return static_cast<double>(mallinfo().uordblks); }

// The typing limits of the page's boxes, from the windows' rules. Lengths are counted in
// characters of the single-byte set, one byte each.

// Team t's four boxes (location, abbreviation, nickname, arena) of the given lengths:
// the bytes their block has left and how long each box may grow.
val teamtextroom(int t, const val& given)
{
    const std::vector<int> lengths = emscripten::vecFromJSArray<int>(given);
    std::int64_t total = 0;
    for (const int n : lengths)
        total += n;
    const std::int32_t left = t >= 1 && t <= kTeams ? textblockfree(t, total) : 0;
    val out = val::object();
    out.set("bytesLeft", left);
    val limits = val::array();
    for (const int n : lengths)
        limits.call<void>("push", sharedlimit(left, n));
    out.set("limits", limits);
    return out;
}

// The two menu display name boxes share one budget.
val menunamelimits(int first, int second)
{
    const std::int64_t left = kMenuNamesBudget - static_cast<std::int64_t>(first) - second;
    val out = val::array();
    out.call<void>("push", sharedlimit(left, first));
    out.call<void>("push", sharedlimit(left, second));
    return out;
}

// The 28 banner text boxes share their area; each text also takes its end byte.
val bannertextroom(const val& given)
{
    const std::vector<int> lengths = emscripten::vecFromJSArray<int>(given);
    TeamTable<std::string> texts;
    for (int t = 1; t <= kTeams && t <= static_cast<int>(lengths.size()); ++t)
        texts[t].assign(static_cast<std::size_t>(std::max(0, lengths[static_cast<std::size_t>(t - 1)])), ' ');
    const std::int64_t left = static_cast<std::int64_t>(kBannerTextSize) - bannerbytesused(texts);
    val out = val::object();
    out.set("bytesLeft", static_cast<double>(left));
    val limits = val::array();
    for (int t = 1; t <= kTeams; ++t)
        limits.call<void>("push", sharedlimit(left, static_cast<std::int64_t>(texts[t].size())));
    out.set("limits", limits);
    return out;
}

int playernamelimit(int length, int bytesleft) { return namelimit(static_cast<std::size_t>(std::max(0, length)), bytesleft); }

// The text with every character the single-byte set has no code for left out, as a box
// drops what cannot be typed.
std::string keepable(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        const std::string one = text.substr(i, n);
        if (utf8tobytes(one))
            out += one;
        i += n;
    }
    return out;
}

// Grid columns 1..14: caption, what it stands for, and the list's entries.
val columns()
{
    val out = val::array();
    for (int j = 1; j <= kColumns; ++j) {
        val column = val::object();
        column.set("caption", std::string(columncaption(j)));
        column.set("tip", std::string(columntip(j)));
        val entries = val::array();
        for (const std::string& entry : scaleentries(columnscale(j)))
            entries.call<void>("push", entry);
        column.set("entries", entries);
        out.call<void>("push", column);
    }
    return out;
}

val ratingentries()
{
    val out = val::array();
    for (const std::string& entry : scaleentries(Scale::Rating))
        out.call<void>("push", entry);
    return out;
}

// The colour a cell is painted with, as CSS "#rrggbb".
std::string screencolour(int red, int green, int blue)
{
    const std::uint32_t bgr = colortoscreen({red, green, blue});
    static const char* hex = "0123456789abcdef";
    std::string out = "#";
    for (const int shift : {0, 8, 16}) {
        const unsigned byte = (bgr >> shift) & 0xFF;
        out += hex[byte >> 4];
        out += hex[byte & 15];
    }
    return out;
}

val limits()
{
    val out = val::object();
    out.set("maxFileSize", static_cast<double>(kMaxFileSize));
    out.set("minImageSize", static_cast<double>(kMinImageSize));
    out.set("numberLength", kNumberLength);
    out.set("overallLength", kOverallLength);
    out.set("maxPlayers", kMaxPlayers);
    out.set("playoffPageSlots", kPlayoffPageSlots);
    out.set("uniformCells", kUniformCells);
    out.set("bannerCells", kBannerCells);
    out.set("componentMax", kComponentMax);
    return out;
}

EMSCRIPTEN_BINDINGS(icevale)
{
    emscripten::class_<Handle>("Handle")
        .constructor<>()
        .function("open", &Handle::open)
        .function("health", &Handle::health)
        .function("info", &Handle::info)
        .function("exportJson", &Handle::exportjson)
        .function("exportCsv", &Handle::exportcsv)
        .function("modified", &Handle::modified)
        .function("filename", &Handle::filename)
        .function("importText", &Handle::importtext)
        .function("save", &Handle::save)
        .function("image", &Handle::image)
        .function("undo", &Handle::undo)
        .function("redo", &Handle::redo)
        .function("undoName", &Handle::undoname)
        .function("redoName", &Handle::redoname)
        .function("teams", &Handle::teams)
        .function("setTeam", &Handle::setteam)
        .function("menuNames", &Handle::menunames)
        .function("setMenuNames", &Handle::setmenunames)
        .function("uniform", &Handle::uniform)
        .function("setUniformCell", &Handle::setuniformcell)
        .function("flipUniforms", &Handle::flipuniforms)
        .function("bannerColours", &Handle::bannercolours)
        .function("setBannerColours", &Handle::setbannercolours)
        .function("roster", &Handle::roster)
        .function("rosterButton", &Handle::rosterbutton)
        .function("setPlayer", &Handle::setplayer)
        .function("juiceTeam", &Handle::juiceteam)
        .function("lines", &Handle::lines)
        .function("setLine", &Handle::setline)
        .function("bannerTexts", &Handle::bannertexts)
        .function("setBannerTexts", &Handle::setbannertexts)
        .function("playoffs", &Handle::playoffs)
        .function("setPlayoffs", &Handle::setplayoffs)
        .function("menuDefaults", &Handle::menudefaults)
        .function("setMenuDefaults", &Handle::setmenudefaults);
    emscripten::function("columnEntries", &columnentries);
    emscripten::function("createPatch", &createpatch);
    emscripten::function("applyPatch", &applypatch);
    emscripten::function("heapInUse", &heapinuse);
    emscripten::function("teamTextRoom", &teamtextroom);
    emscripten::function("menuNameLimits", &menunamelimits);
    emscripten::function("bannerTextRoom", &bannertextroom);
    emscripten::function("playerNameLimit", &playernamelimit);
    emscripten::function("keepable", &keepable);
    emscripten::function("columns", &columns);
    emscripten::function("ratingEntries", &ratingentries);
    emscripten::function("screenColour", &screencolour);
    emscripten::function("limits", &limits);
}

}  // namespace icevale::wasm
