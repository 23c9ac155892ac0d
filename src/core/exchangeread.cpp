#include <algorithm>
#include <unordered_set>

#include "core/exchangereader.h"
#include "core/utf8text.h"

namespace icevale::detail {

std::string at(const std::string& path, std::string_view key)
{
    return path.empty() ? std::string(key) : path + "." + std::string(key);
}

std::string at(const std::string& path, std::size_t index) { return path + "[" + std::to_string(index) + "]"; }

// The library's message without its own prefix ("[json.exception.parse_error.101] ").
std::string jsonmessage(const std::exception& e)
{
    const std::string what = e.what();
    const std::size_t end = what.starts_with("[json.exception.") ? what.find("] ") : std::string::npos;
    return end == std::string::npos ? what : what.substr(end + 2);
}

bool JsonReader::object(const Json& v, const std::string& path, const std::vector<std::string_view>& keys)
{
    if (!v.is_object()) {
        fail(path, "expected an object");
        return false;
    }
    for (auto it = v.begin(); it != v.end(); ++it) {
        if (std::find(keys.begin(), keys.end(), it.key()) == keys.end())
            fail(at(path, it.key()), "unknown key \"" + it.key() + "\"");
    }
    return true;
}

bool JsonReader::array(const Json& v, const std::string& path, std::size_t size)
{
    if (v.is_array() && (size == 0 || v.size() == size))
        return true;
    fail(path, size == 0 ? "expected an array" : "expected an array of " + std::to_string(size) + " values");
    return false;
}

std::optional<std::string> JsonReader::text(const Json& v, const std::string& path)
{
    if (!v.is_string()) {
        fail(path, "expected a text");
        return std::nullopt;
    }
    Result<std::string> bytes = utf8tobytes(v.get_ref<const std::string&>());
    if (!bytes) {
        fail(path, bytes.message());
        return std::nullopt;
    }
    return std::move(bytes).value();
}

// A value as the text its parser reads: a whole number in decimal (a team's number
// as "#7"), or a text as it stands.
std::optional<std::string> JsonReader::value(const Json& v, const std::string& path, bool team)
{
    if (v.is_number_integer())
        return (team ? "#" : "") + v.dump();
    if (v.is_string())
        return v.get<std::string>();
    fail(path, "expected a whole number or a text");
    return std::nullopt;
}

std::optional<Rgb> JsonReader::colour(const Json& v, const std::string& path)
{
    if (!array(v, path, 3))
        return std::nullopt;
    std::array<int, 3> c{};
    for (std::size_t i = 0; i < 3; ++i) {
        if (!v[i].is_number_integer() || v[i].get<std::int64_t>() < 0 || v[i].get<std::int64_t>() > 31) {
            fail(at(path, i), "expected a colour component from 0 to 31");
            return std::nullopt;
        }
        c[i] = v[i].get<int>();
    }
    return Rgb{c[0], c[1], c[2]};
}

void JsonReader::rename(const Json& root)
{
    if (!root.is_object() || !root.contains("teams") || !root["teams"].is_array())
        return;
    for (const Json& team : root["teams"]) {
        if (!team.is_object() || !team.contains("index") || !team.contains("abbreviation"))
            continue;
        const Json &index = team["index"], &abbreviation = team["abbreviation"];
        const Result<std::string> bytes =
            abbreviation.is_string() ? utf8tobytes(abbreviation.get_ref<const std::string&>()) : icevale::fail("not a text");
        if (index.is_number_integer() && index.get<std::int64_t>() >= 1 && index.get<std::int64_t>() <= kTeams && bytes)
            tables_.teamabbrev[index.get<std::size_t>()] = bytes.value();
    }
}

void JsonReader::top(const Json& root)
{
    if (!object(root, "", {"format", "version", "menu_names", "season", "teams"}))
        return;
    if (root.value("format", Json()) != kExportFormat) {
        fail("format", std::string("expected \"") + kExportFormat + "\": this is not an export of this tool");
        return;
    }
    if (!root.contains("version")) {
        fail("", "the file names no \"version\"; this tool reads version " + std::to_string(kExportVersion));
        return;
    }
    if (root["version"] != kExportVersion) {
        fail("version", "version " + root.value("version", Json()).dump() + " is not known; this tool reads version " +
                            std::to_string(kExportVersion));
        return;
    }
    if (root.contains("menu_names") && object(root["menu_names"], "menu_names", {"first", "second"})) {
        const Json& names = root["menu_names"];
        if (names.contains("first"))
            data.season.menuname1 = text(names["first"], "menu_names.first");
        if (names.contains("second"))
            data.season.menuname2 = text(names["second"], "menu_names.second");
    }
    if (root.contains("season"))
        guarded("season", [&] { season(root["season"], "season"); });
    if (root.contains("teams") && array(root["teams"], "teams", 0)) {
        for (std::size_t i = 0; i < root["teams"].size(); ++i)
            guarded(at("teams", i), [&] { team(root["teams"][i], at("teams", i)); });
    }
}

std::optional<std::uint8_t> JsonReader::overall(const Json& v, const std::string& path)
{
    if (v.is_number_integer() && v.get<std::int64_t>() >= 0 && v.get<std::int64_t>() <= 255)
        return v.get<std::uint8_t>();
    fail(path, "expected an overall number from 0 to 255");
    return std::nullopt;
}

std::optional<int> JsonReader::teamof(const Json& v, const std::string& path)
{
    if (v.contains("index")) {
        const Json& index = v["index"];
        if (index.is_number_integer() && index.get<std::int64_t>() >= 1 && index.get<std::int64_t>() <= kTeams)
            return index.get<int>();
        fail(at(path, "index"), "expected a team number from 1 to 28");
        return std::nullopt;
    }
    if (v.contains("abbreviation"))
        return parsed(v["abbreviation"], at(path, "abbreviation"), [&](std::string_view t) {
            return parseteamref(tables_, t);
        });
    fail(path, "a team needs its \"index\" or its \"abbreviation\"");
    return std::nullopt;
}

void JsonReader::team(const Json& v, const std::string& path)
{
    if (!object(v, path, {"index", "abbreviation", "location", "nickname", "arena", "overall", "players", "lines",
                          "uniforms", "banner"}))
        return;
    const auto t = teamof(v, path);
    if (!t)
        return;
    // Found here as well as by the importer, so that a team given again and again is
    // refused before its values are read.
    if (!given_[*t].empty()) {
        fail(path, teamref(tables_, *t) + " is given twice (also at " + given_[*t] + ")");
        return;
    }
    given_[*t] = path;
    TeamInput in;
    in.team = *t;
    in.place = path;
    const auto field = [&](const char* key, std::optional<std::string>& out) {
        if (v.contains(key))
            out = text(v[key], at(path, key));
    };
    if (v.contains("index"))
        field("abbreviation", in.abbrev);
    field("location", in.name);
    field("nickname", in.nick);
    field("arena", in.arena);
    if (v.contains("overall"))
        in.overall = overall(v["overall"], at(path, "overall"));
    if (v.contains("players"))
        players(v["players"], at(path, "players"), in);
    if (v.contains("lines"))
        lines(v["lines"], at(path, "lines"), in);
    colours(v, path, in);
    // An import is used only without problems, so after the first one nothing more is
    // kept: a flood of refused teams costs time to count, not memory.
    if (problems_.empty())
        data.teams.push_back(std::move(in));
}

}  // namespace icevale::detail

namespace icevale {
namespace {

// Reads the text once before it becomes a tree, following the JSON path: a key given
// twice in one object is refused (the tree would silently keep the last value), and a
// failure of the parser, a number out of range included, is named with the path where
// it happened instead of leaving the parser by an exception.
class JsonChecker : public nlohmann::json_sax<Json> {
public:
    explicit JsonChecker(std::vector<ImportProblem>& problems) : problems_(problems) {}

    bool null() override { return value(); }
    bool boolean(bool) override { return value(); }
    bool number_integer(number_integer_t) override { return value(); }
    bool number_unsigned(number_unsigned_t) override { return value(); }
    bool number_float(number_float_t, const string_t&) override { return value(); }
    bool string(string_t&) override { return value(); }
    bool binary(binary_t&) override { return value(); }
    bool start_object(std::size_t) override { return open(false); }
    bool end_object() override { return close(); }
    bool start_array(std::size_t) override { return open(true); }
    bool end_array() override { return close(); }
    bool key(string_t& name) override
    {
        Level& level = levels_.back();
        level.key = name;
        if (!level.keys.insert(name).second)
            problems_.push_back({path(), "the key \"" + name + "\" is given twice in one object"});
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) override
    {
        problems_.push_back({path(), detail::jsonmessage(e)});
        return false;
    }

private:
    struct Level {
        bool array = false;
        std::size_t index = 0;
        std::string key;
        std::unordered_set<std::string> keys;
    };

    std::string path() const
    {
        std::string at;
        for (const Level& level : levels_)
            at = level.array ? detail::at(at, level.index) : level.key.empty() ? at : detail::at(at, level.key);
        return at;
    }
    bool value()
    {
        if (!levels_.empty() && levels_.back().array)
            ++levels_.back().index;
        return true;
    }
    bool open(bool array)
    {
        levels_.push_back({array, 0, {}, {}});
        return true;
    }
    bool close()
    {
        levels_.pop_back();
        return value();
    }

    std::vector<Level> levels_;
    std::vector<ImportProblem>& problems_;
};

}  // namespace

ImportData readexportjson(std::string_view text, const Tables& tables, std::vector<ImportProblem>& problems)
{
    const std::size_t before = problems.size();
    JsonChecker checker(problems);
    Json::sax_parse(text.begin(), text.end(), &checker);
    if (problems.size() != before)
        return {};
    try {
        const Json root = Json::parse(text.begin(), text.end(), nullptr, false);
        detail::JsonReader reader(tables, problems);
        reader.rename(root);
        reader.top(root);
        return std::move(reader.data);
    } catch (const Json::exception& e) {
        // The reader checks every value's type before taking it; this is a last guard
        // that keeps a fault of the reader a refusal.
        problems.push_back({"", detail::jsonmessage(e)});
        return {};
    }
}

}  // namespace icevale
