#pragma once
// A tool's output file, written safely: the bytes go to a temporary file in the target's
// folder, are flushed, and the temporary file is renamed over the target, so the target
// is always either the old file or the whole new one and a failure leaves nothing behind.
// Unlike saverom, which keeps the bytes of a longer old image past the new one as the
// editor's save must, the new file replaces the old one whole. A symbolic link is written
// through, and an existing target keeps its permissions.
#include <string>
#include <string_view>

#include "core/romfile.h"

namespace icevale {

IoResult writeoutput(std::string_view bytes, const std::string& filename);

}  // namespace icevale
