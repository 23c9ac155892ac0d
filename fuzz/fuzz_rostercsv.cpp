// The roster CSV export and its reader and importer; see importcheck.h for the input
// and the properties. Only rosters are exported, so a round trip without a change needs
// rosters the health check finds sound.
#include "core/rostercsv.h"
#include "importcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace icevale;
    static const fuzz::ImportFormat csv{exportrostercsv, readrostercsv, "rosters"};
    fuzz::FuzzInput in(data, size);
    fuzz::fuzzimport(csv, in);
    return 0;
}
