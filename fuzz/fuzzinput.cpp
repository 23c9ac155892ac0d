#include "fuzzinput.h"

#include <cstdio>
#include <cstdlib>

namespace icevale::fuzz {

void violated(const std::string& property)
{
    std::fprintf(stderr, "property failed: %s\n", property.c_str());
    std::abort();
}

}  // namespace icevale::fuzz
