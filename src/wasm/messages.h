#pragma once
// An import's refusal as the command-line tool words it on standard error (the core's
// refusal lines: the first problems, how many more, the verdict), one text with a line
// each. Without a name, the lines start with their place instead of "NAME: ".
#include <string>
#include <vector>

#include "core/importtext.h"

namespace icevale::wasm {

inline std::string refusal(const std::string& name, const std::vector<ImportProblem>& problems)
{
    std::string out;
    for (const std::string& line : refusallines(name, problems))
        out += (out.empty() ? "" : "\n") + (name.empty() ? line.substr(2) : line);
    return out;
}

}  // namespace icevale::wasm
