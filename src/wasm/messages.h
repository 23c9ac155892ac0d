#pragma once
// An import's refusal as the command-line tool words it on standard error: one line per
// problem, "NAME: place: text" (no "NAME: " when the name is empty), then the verdict.
// Kept in one place so that it follows the tool's wording wherever that is written.
#include <string>
#include <vector>

#include "core/importdata.h"

namespace icevale::wasm {

inline std::string refusal(const std::string& name, const std::vector<ImportProblem>& problems)
{
    const std::string prefix = name.empty() ? "" : name + ": ";
    std::string out;
    for (const ImportProblem& p : problems)
        out += prefix + (p.place.empty() ? "" : p.place + ": ") + p.text + "\n";
    out += prefix + "refused with " + std::to_string(problems.size()) +
           (problems.size() == 1 ? " problem" : " problems") + "; nothing written";
    return out;
}

}  // namespace icevale::wasm
