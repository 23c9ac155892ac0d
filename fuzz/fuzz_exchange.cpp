// The JSON export and its reader and importer; see importcheck.h for the input and the
// properties. Every area is exported, so a round trip without a change needs an image
// the health check finds wholly sound.
#include "core/exchange.h"
#include "importcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace icevale;
    static const fuzz::ImportFormat json{exportjson, readexportjson, ""};
    fuzz::FuzzInput in(data, size);
    fuzz::fuzzimport(json, in);
    return 0;
}
