#pragma once
// What the two import targets (the JSON export and the roster CSV) share: the format's
// writer and reader, and the two ways an input is used. The first input byte chooses:
//   1: the rest is an image input as fuzzimage.h describes, exported and imported back
//     onto itself when it is as long as loadrom requires and decodes (an export of the
//     whole image takes a tenth of a second here, so this is kept to one byte value);
//   any other: the rest is a file in the format, after a base byte naming the sample
//     image it is imported onto.
// Properties of a file: reading never throws; checking and writing an import report
// the same problems and steps, and a refused import writes nothing; after a written
// import the image decodes to exactly the document's tables, and importing the same
// file again changes no byte.
// Properties of a round trip: on an image whose health check finds no problem in the
// format's areas the export reads and imports without a problem and changes no byte; on
// any image, an accepted import of its export gives an image whose export is the same
// text.
#include <string>
#include <string_view>
#include <vector>

#include "core/cartridge.h"
#include "core/importdata.h"
#include "fuzzinput.h"

namespace icevale::fuzz {

struct ImportFormat {
    std::string (*write)(const Cartridge&);
    ImportData (*read)(std::string_view, const Tables&, std::vector<ImportProblem>&);
    // The health area that must be sound for a round trip without a change, or "" for all.
    std::string_view area;
};

void fuzzimport(const ImportFormat& format, FuzzInput& in);

}  // namespace icevale::fuzz
