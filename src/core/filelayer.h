#pragma once
// The one place where core meets the operating system: reading a file whole, putting a
// file safely in place, and the program's arguments. One source file per platform
// implements it (filelayerposix.cpp, filelayerwin32.cpp), chosen by the build; nothing
// else in core knows the platform. File names are UTF-8 on every platform.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/cartridge.h"
#include "core/result.h"
#include "core/romfile.h"

namespace icevale {

// Asked with a file's size before anything is read; a failure refuses the file with its
// reason.
using SizeCheck = std::function<Status(std::uint64_t size)>;

// Reads a regular file whole. Anything else is refused without reading:
// a folder ("is a folder, not " + `kind`), a device or a named pipe (which never blocks).
// A file another program holds open without sharing is reported at once.
Result<Bytes> readregularfile(const std::string& filename, const char* kind, const SizeCheck& check = {});

// Writes `bytes` to a temporary file in the target's folder, flushes it and puts it in
// place of the target, so the target is always either the old file or the new one. With
// `keeptail`, a longer old file's bytes past `bytes` follow them. The old file's
// permissions or attributes are kept; a target that is not a regular file is refused;
// a failure leaves the old file and no temporary file.
Status replaceregularfile(std::span<const std::uint8_t> bytes, const std::string& filename, bool keeptail);

// The program's arguments in UTF-8 (argv[0] first). On Windows they come from the wide
// command line, since argv there is in the ANSI code page; the standard streams are also
// switched to bytes as written (no CR put before each LF), so a program's output is the
// same on every platform.
std::vector<std::string> programarguments(int argc, char** argv);

// Makes every later write of a temporary file fail once `bytes` more bytes are written
// (as a full disk would), to show that a torn write leaves the old file; nullopt ends it.
void simulatewritefailure(std::optional<std::uint64_t> bytes);

}  // namespace icevale
