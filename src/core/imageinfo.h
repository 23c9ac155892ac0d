#pragma once
// A summary of an opened image: its size and copier header, the 28 teams (abbreviation,
// location, nickname, goalies, forwards and defencemen, bytes left for player names) and
// the health check of every area (health.h), "ok" or its problems; as text for people
// (control characters of texts as \xNN) and as JSON for programs.
#include <string>
#include <vector>

#include "core/cartridge.h"
#include "core/health.h"

namespace icevale {

// The health check's areas, in the order it reports them.
const std::vector<std::string>& healthareas();

std::string infotext(const Cartridge& cart, const std::vector<HealthProblem>& problems, const std::string& filename);
std::string infojson(const Cartridge& cart, const std::vector<HealthProblem>& problems, const std::string& filename);

}  // namespace icevale
