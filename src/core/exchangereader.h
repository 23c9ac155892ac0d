#pragma once
// The JSON export reader's parts, shared by the files that read the team and the season
// sections: each checks one part of the document, records every problem with its JSON
// path and keeps going, so a file's problems are reported together.
#include <vector>
#include <string>
#include <string_view>
#include <type_traits>

#include "core/exchange.h"
#include "core/jsonlayout.h"

namespace icevale::detail {

std::string at(const std::string& path, std::string_view key);
std::string at(const std::string& path, std::size_t index);
std::string jsonmessage(const std::exception& e);

class JsonReader {
public:
    JsonReader(const Tables& tables, std::vector<ImportProblem>& problems) : tables_(tables), problems_(problems) {}

    // Takes the abbreviations the file sets for numbered teams, so that the file names
    // teams as the import leaves them.
    void rename(const Json& root);

    void top(const Json& root);
    ImportData data;

private:
    void fail(const std::string& path, const std::string& text) { problems_.push_back({path, text}); }
    // Runs one part of the reading; an exception of the JSON library becomes a refusal
    // at that part's path.
    template <class Read>
    void guarded(const std::string& path, Read read)
    {
        try {
            read();
        } catch (const Json::exception& e) {
            fail(path, jsonmessage(e));
        }
    }
    bool object(const Json& v, const std::string& path, const std::vector<std::string_view>& keys);
    bool array(const Json& v, const std::string& path, std::size_t size);
    std::optional<std::string> text(const Json& v, const std::string& path);
    std::optional<std::string> value(const Json& v, const std::string& path, bool team = false);
    template <class Parse>
    auto parsed(const Json& v, const std::string& path, Parse parse, bool team = false)
    {
        using Value = std::decay_t<decltype(parse(std::string_view()).value())>;
        const auto given = value(v, path, team);
        if (!given)
            return std::optional<Value>();
        auto result = parse(*given);
        if (!result) {
            fail(path, result.message());
            return std::optional<Value>();
        }
        return std::optional<Value>(std::move(result).value());
    }
    std::optional<Rgb> colour(const Json& v, const std::string& path);
    void team(const Json& v, const std::string& path);
    std::optional<int> teamof(const Json& v, const std::string& path);
    std::optional<std::uint8_t> overall(const Json& v, const std::string& path);
    void players(const Json& v, const std::string& path, TeamInput& in);
    void lines(const Json& v, const std::string& path, TeamInput& in);
    void colours(const Json& v, const std::string& path, TeamInput& in);
    void season(const Json& v, const std::string& path);
    void playoffs(const Json& v, const std::string& path);

    Tables tables_;
    std::vector<ImportProblem>& problems_;
    std::array<std::string, kTeams + 1> given_;  // where each team was given first
};

}  // namespace icevale::detail
