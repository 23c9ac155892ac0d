#pragma once
// Moving the whole image between disk and memory. A load is one read of a regular file
// of at least 0xEAED6 bytes, decoded into fresh tables. A save writes a temporary file
// in the target's folder and renames it over the target once every byte is written and
// flushed, so the target is always either the old file or the new one; a longer old
// file keeps its bytes past the image, the target's permissions (on Windows, its
// attributes) are kept, and a symbolic link is saved through (its target is replaced,
// the link stays). A target that is not a regular file is refused. The command-line tool
// writes its outputs the same way. File names are UTF-8; the platform's part is in
// core/filelayer.h.
#include <string>
#include <string_view>

#include "core/areas.h"
#include "core/cartridge.h"
#include "core/result.h"

namespace icevale {

// Decodes every table of cart.RomImage (team texts, rosters, line-ups, banner text
// lengths) into the tables as they are. Returns an empty text, or why the image cannot
// be held (the tables are then partly filled and must be discarded).
std::string decodeimage(Cartridge& cart);

// Decodes again only the decoded areas of `scope` (for a per-team area, only its teams),
// in the order decodeimage takes them; the rest of the tables is left as it is. Fails as
// decodeimage does, with the tables then partly refilled.
Status decodeareas(Tables& tables, const Bytes& rom, const Scope& scope);

// Takes `bytes` as the whole file `filename` into `cart`, replacing everything it held,
// and decodes it from clean tables, with loadrom's checks and messages; on any failure
// `cart` is left exactly as it was. This is the load of a front end that has the file's
// bytes already (the browser's).
Status loadbytes(Cartridge& cart, Bytes bytes, const std::string& filename);

// Reads the file whole into `cart`, replacing everything it held, and decodes it from
// clean tables; on any failure `cart` is left exactly as it was. Anything that is not a
// regular file is refused without reading (a named pipe never blocks).
Status loadrom(Cartridge& cart, const std::string& filename);

// Saves `rom` safely to the file (see above); a failure names the file and the reason.
// On failure the target is untouched and
// no temporary file is left behind.
Status saverom(const Bytes& rom, const std::string& filename);

// Writes a file of the command-line tool as saverom writes, except that the file ends up
// exactly `bytes`: a longer old file's bytes past them are not kept.
Status writeoutput(std::string_view bytes, const std::string& filename);

}  // namespace icevale
