#include "core/jsonlayout.h"

#include <algorithm>

namespace icevale {
namespace {

// Arrays wrap at kWidth; an object of plain values (a player) stays on one line up to
// kObjectWidth, so that each player is one line of a file compared line by line.
constexpr std::size_t kWidth = 100, kObjectWidth = 320;

bool plain(const Json& v) { return !v.is_structured(); }

bool allplain(const Json& v)
{
    return std::all_of(v.begin(), v.end(), [](const Json& e) { return plain(e); });
}

// Numbers, most of what an export holds, without the serializer's set-up per value.
std::string scalar(const Json& v)
{
    if (v.is_number_integer())
        return v.is_number_unsigned() ? std::to_string(v.get<std::uint64_t>()) : std::to_string(v.get<std::int64_t>());
    return v.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// Plain members on one line when they fit, an array's wrapped at the width otherwise.
bool oneline(const Json& v, std::size_t indent, std::string& out)
{
    if (!allplain(v))
        return false;
    std::string line(1, v.is_array() ? '[' : '{');
    bool first = true;
    for (auto it = v.begin(); it != v.end(); ++it, first = false) {
        std::string item = v.is_array() ? scalar(*it) : scalar(Json(it.key())) + ": " + scalar(it.value());
        if (!first)
            line += ",";
        if (v.is_array() && indent + line.size() + item.size() > kWidth && !first) {
            out += line + "\n";
            line = std::string(indent + 1, ' ') + item;
        } else {
            line += (first ? "" : " ") + item;
        }
    }
    line += v.is_array() ? ']' : '}';
    if (v.is_object() && indent + line.size() > kObjectWidth)
        return false;
    out += line;
    return true;
}

void layout(const Json& v, std::size_t indent, std::string& out)
{
    if (plain(v)) {
        out += scalar(v);
        return;
    }
    if (v.empty() || oneline(v, indent, out)) {
        if (v.empty())
            out += v.is_array() ? "[]" : "{}";
        return;
    }
    const std::string inner(indent + 2, ' ');
    out += v.is_array() ? "[\n" : "{\n";
    for (auto it = v.begin(); it != v.end(); ++it) {
        out += inner;
        if (v.is_object())
            out += scalar(Json(it.key())) + ": ";
        layout(it.value(), indent + 2, out);
        out += std::next(it) == v.end() ? "\n" : ",\n";
    }
    out += std::string(indent, ' ') + (v.is_array() ? "]" : "}");
}

}  // namespace

std::string layoutjson(const Json& value)
{
    std::string out;
    layout(value, 0, out);
    return out + "\n";
}

}  // namespace icevale
