#include "core/rostercsv.h"

#include <algorithm>
#include <map>

#include "core/csv.h"
#include "core/rosterchanges.h"
#include "core/utf8text.h"

namespace icevale {
namespace {

// Columns past the fourteen attribute columns: 0 is no column.
constexpr int kTeamColumn = kColumns + 1, kRoleColumn = kColumns + 2, kNameColumn = kColumns + 3,
              kNumberColumn = kColumns + 4;

std::vector<std::string> header()
{
    std::vector<std::string> names = {"team", "role", "name", "number"};
    for (int j = 1; j <= kColumns; ++j)
        names.emplace_back(columnkey(j));
    return names;
}

std::string columnlist()
{
    std::string list;
    for (const std::string& name : header())
        list += (list.empty() ? "" : ", ") + name;
    return list;
}

int columnof(std::string_view name)
{
    static const std::map<std::string_view, int> named = {
        {"team", kTeamColumn}, {"role", kRoleColumn}, {"name", kNameColumn}, {"number", kNumberColumn}};
    const auto it = named.find(name);
    return it != named.end() ? it->second : columnofkey(name);
}

std::string place(std::size_t line, std::size_t column, const std::string& name)
{
    return "line " + std::to_string(line) + ", column " + std::to_string(column) + " (" + name + ")";
}

// The column of each header field; empty when the header is refused.
std::vector<int> readheader(const CsvRow& row, std::vector<ImportProblem>& problems)
{
    std::vector<int> columns;
    std::map<int, std::size_t> seen;
    const std::size_t before = problems.size();
    for (std::size_t i = 0; i < row.fields.size(); ++i) {
        const int column = columnof(row.fields[i]);
        const std::string where = place(row.line, i + 1, row.fields[i]);
        if (column == 0)
            problems.push_back({where, "unknown column \"" + row.fields[i] + "\"; the columns are " + columnlist() +
                                           (row.fields[i].find(';') != std::string::npos
                                                ? "; fields are separated by commas, not semicolons"
                                                : "")});
        else if (seen.contains(column))
            problems.push_back({where, "the column \"" + row.fields[i] + "\" is given twice"});
        seen[column] = i;
        columns.push_back(column);
    }
    for (const char* required : {"team", "role"}) {
        if (!seen.contains(columnof(required)))
            problems.push_back({"line " + std::to_string(row.line), std::string("the column \"") + required + "\" is missing"});
    }
    return problems.size() == before ? columns : std::vector<int>{};
}

// Whether a field was read, or why not; with `into`, the value read is kept there.
template <class T>
Status stored(const Result<T>& read)
{
    return read ? Status() : fail(read.message());
}

template <class T, class Into>
Status stored(const Result<T>& read, std::optional<Into>& into)
{
    into.reset();
    if (read)
        into = read.value();
    return stored(read);
}

struct RowReader {
    const Tables& tables;
    std::vector<ImportProblem>& problems;
    int team = 0;

    // Reads one field into the player, recording a refusal with its place.
    void field(const CsvRow& row, std::size_t i, int column, const std::string& name, PlayerInput& player)
    {
        const std::string& text = row.fields[i];
        Status read;
        if (column == kTeamColumn) {
            const Result<int> t = parseteamref(tables, text);
            read = stored(t), team = t ? t.value() : 0;
        } else if (column == kRoleColumn) {
            const Result<char> role = parserole(text);
            read = stored(role), player.role = role ? role.value() : 'D';
        } else if (column == kNameColumn) {
            read = stored(utf8tobytes(text), player.name);
        } else if (column == kNumberColumn) {
            read = stored(parsenumber(text), player.number);
        } else {
            read = stored(parsecolumn(column, text), player.columns[column]);
        }
        if (!read)
            problems.push_back({place(row.line, i + 1, name), read.message()});
    }
};

// Reads one row into the player; returns its team, or 0 for a blank line or a row that
// names no team.
int readrow(const CsvRow& row, const CsvRow& head, const std::vector<int>& columns, RowReader reader, PlayerInput& player)
{
    if (row.fields.size() == 1 && row.fields[0].empty())
        return 0;
    if (row.fields.size() != columns.size()) {
        reader.problems.push_back({"line " + std::to_string(row.line), std::to_string(row.fields.size()) +
                                                                           " fields; the header has " +
                                                                           std::to_string(columns.size())});
        return 0;
    }
    player.place = "line " + std::to_string(row.line);
    for (std::size_t i = 0; i < columns.size(); ++i)
        reader.field(row, i, columns[i], head.fields[i], player);
    return reader.team;
}

}  // namespace

std::string exportrostercsv(const Cartridge& cart)
{
    std::vector<std::vector<std::string>> rows = {header()};
    for (int t = 1; t <= kTeams; ++t) {
        for (int p = 1; p <= cart.playercount(t) && p <= kMaxPlayers; ++p) {
            std::vector<std::string> row = {teamref(cart, t), roleletter(cart, t, p - 1),
                                            bytestoutf8(cart.playername[p][t]), numbertext(cart.playernum[p][t])};
            for (int j = 1; j <= kColumns; ++j)
                row.push_back(columntext(j, attrnibble(cart, p, t, j)));
            rows.push_back(std::move(row));
        }
    }
    return writecsv(rows);
}

namespace {

std::string_view firstline(std::string_view text)
{
    std::string_view line = text.substr(0, text.find('\n'));
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line;
}

}  // namespace

bool semicolonheader(std::string_view text)
{
    std::string_view line = firstline(text);
    if (line.find(';') == std::string_view::npos)
        return false;
    for (std::size_t end = 0; end != std::string_view::npos; line.remove_prefix(end + 1)) {
        end = line.find(';');
        if (columnof(line.substr(0, end)) != 0)
            return true;
    }
    return false;
}

bool hasrosterheader(std::string_view text)
{
    const Result<std::vector<CsvRow>> head = readcsv(firstline(text));
    if (!head || head->empty())
        return false;
    const auto& fields = head->front().fields;
    return std::any_of(fields.begin(), fields.end(), [](const std::string& f) { return columnof(f) != 0; });
}

ImportData readrostercsv(std::string_view text, const Tables& tables, std::vector<ImportProblem>& problems)
{
    const Result<std::vector<CsvRow>> csv = readcsv(text);
    if (!csv) {
        problems.push_back({"", csv.message()});  // the message names the line and column
        return {};
    }
    const std::vector<CsvRow>& rows = csv.value();
    if (rows.empty()) {
        problems.push_back({"line 1", "the header row is missing"});
        return {};
    }
    const CsvRow& head = rows.front();
    const std::vector<int> columns = readheader(head, problems);
    if (columns.empty())
        return {};
    const std::size_t before = problems.size();
    std::map<int, TeamInput> teams;
    std::map<int, std::pair<std::size_t, std::size_t>> lines;  // first and last line of each team's rows
    for (std::size_t r = 1; r < rows.size(); ++r) {
        PlayerInput player;
        const CsvRow& row = rows[r];
        const int t = readrow(row, head, columns, RowReader{tables, problems}, player);
        // After the first problem the rows are only checked, not kept (the import is
        // not used), so a flood of refused rows costs no memory.
        if (t == 0 || problems.size() != before)
            continue;
        auto& [first, last] = lines.try_emplace(t, row.line, row.line).first->second;
        last = row.line;
        TeamInput& in = teams[t];
        in.team = t;
        in.place = first == last ? "line " + std::to_string(first) : "lines " + std::to_string(first) + "-" + std::to_string(last);
        if (!in.players)
            in.players.emplace();
        in.players->push_back(std::move(player));
    }
    ImportData data;
    for (auto& [t, in] : teams)
        data.teams.push_back(std::move(in));
    return data;
}

}  // namespace icevale
