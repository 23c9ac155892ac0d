#pragma once
// The JSON types the export uses (keys kept in the order written) and its layout: two
// spaces of indent per level, and an array or object of plain values on one line (long
// arrays wrapped), so that colours, line-ups and the playoff slots stay readable.
#include <nlohmann/json.hpp>
#include <string>

namespace icevale {

using Json = nlohmann::ordered_json;

std::string layoutjson(const Json& value);

}  // namespace icevale
