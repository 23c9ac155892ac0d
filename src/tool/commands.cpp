#include "tool/commands.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <iterator>
#include <optional>

#include "core/exchange.h"
#include "core/filelayer.h"
#include "core/health.h"
#include "core/imagediff.h"
#include "core/imageinfo.h"
#include "core/importtext.h"
#include "core/patching.h"
#include "core/romfile.h"
#include "core/rostercsv.h"
#include "core/utf8text.h"

namespace icevale::tool {
namespace {

// One line of standard error; texts from an image or an input may hold control characters,
// which are written as \xNN instead of reaching the terminal.
void say(const std::string& line) { std::cerr << printableutf8(line) << "\n"; }

int refuse(const std::string& message)
{
    say(message);
    return kRefused;
}

std::optional<Cartridge> loadimage(const std::string& file)
{
    Cartridge cart;
    if (const Status loaded = loadrom(cart, file); !loaded) {
        refuse(loaded.message());
        return std::nullopt;
    }
    return cart;
}

std::optional<std::string> readwhole(const std::string& file)
{
    const Result<Bytes> read = readregularfile(file, "a data file");
    if (!read) {
        refuse(read.message());
        return std::nullopt;
    }
    return std::string(read->begin(), read->end());
}

std::optional<Bytes> readbytes(const std::string& file)
{
    const auto text = readwhole(file);
    return text ? std::optional<Bytes>(Bytes(text->begin(), text->end())) : std::nullopt;
}

std::string_view astext(const Bytes& bytes) { return {reinterpret_cast<const char*>(bytes.data()), bytes.size()}; }

// An output of this tool is exactly the image, so a longer old file is replaced whole.
Status writeimage(const Bytes& image, const std::string& file) { return writeoutput(astext(image), file); }

int written(const Status& result) { return result ? kSuccess : refuse(result.message()); }

// Writes `text` to standard output and flushes it; a failed write (a full disk, a closed
// pipe) is a refusal, as a failed -o is, instead of data lost without a word.
int printed(const std::string& text, int status)
{
    errno = 0;
    std::cout << text << std::flush;
    if (std::cout)
        return status;
    const int error = errno;
    return refuse(std::string("standard output: cannot write") + (error != 0 ? std::string(" (") + std::strerror(error) + ")" : ""));
}

// A text output: to standard output when no file is named or the name is "-", else
// written to the file as any output is; `status` is the result when it is written.
int textout(const std::string& text, const std::string& file, int status)
{
    if (file.empty() || file == "-")
        return printed(text, status);
    const Status result = writeoutput(text, file);
    return result ? status : refuse(result.message());
}

void notes(const std::string& file, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        say(file + ": " + line);
}

}  // namespace

int info(const Arguments& args)
{
    const auto cart = loadimage(args.image);
    if (!cart)
        return kRefused;
    const std::vector<HealthProblem> problems = healthcheck(*cart);
    return textout((args.json ? infojson : infotext)(*cart, problems, args.image), args.output,
                   problems.empty() ? kSuccess : kRefused);
}

int exportdata(const Arguments& args)
{
    const auto cart = loadimage(args.image);
    if (!cart)
        return kRefused;
    return textout(args.format == "csv" ? exportrostercsv(*cart) : exportjson(*cart), args.output, kSuccess);
}

int importdata(const Arguments& args)
{
    auto cart = loadimage(args.image);
    const auto text = readwhole(args.data);
    if (!cart || !text)
        return kRefused;
    Document doc;
    doc.adopt(std::move(*cart), args.image);
    const ImportReport report = importtext(doc, *text, args.data, !args.check);
    for (const std::string& line : report.lines)
        say(line);
    if (!report.ok())
        return kRefused;
    if (args.check) {
        say(args.data + ": fits " + args.image + " (" + report.changes() + "); nothing written (--check)");
        return kSuccess;
    }
    const int status = written(writeimage(doc.image(), args.output));
    if (status == kSuccess)
        say(args.output + ": written with " + report.changes());
    return status;
}

int diff(const Arguments& args)
{
    const auto a = loadimage(args.image), b = loadimage(args.other);
    if (!a || !b)
        return kRefused;
    const ImageDiff differences = diffimages(*a, *b);
    return textout(args.json ? diffjson(differences) : difftext(differences), args.output,
                   differences.empty() ? kSuccess : kRefused);
}

int patchcreate(const Arguments& args)
{
    const auto original = readbytes(args.image), modified = readbytes(args.other);
    if (!original || !modified)
        return kRefused;
    const PatchOutcome patch =
        makepatch(*original, *modified, args.format == "bps" ? PatchFormat::Bps : PatchFormat::Ips, args.noheader);
    notes(args.output, patch.notes);
    if (!patch.bytes)
        return refuse(args.output + ": " + patch.bytes.message() + "; nothing written");
    return written(writeoutput(astext(patch.bytes.value()), args.output));
}

int patchapply(const Arguments& args)
{
    const auto patch = readbytes(args.patch), image = readbytes(args.image);
    if (!patch || !image)
        return kRefused;
    ApplyOptions options;
    options.ipskind = args.withheader ? IpsKind::Header : args.noheader ? IpsKind::NoHeader : IpsKind::AsItStands;
    options.allowshort = args.allowshort;
    const PatchOutcome patched = applypatch(*patch, *image, options);
    notes(args.image, patched.notes);
    for (const std::string& warning : patched.warnings)
        say(args.patch + ": warning: " + warning);
    if (!patched.bytes)
        return refuse(args.patch + ": " + patched.bytes.message() + "; nothing written" +
                      (patched.tooshort ? " (--allow-short writes it all the same)" : ""));
    if (!patched.warnings.empty())
        say(args.patch + ": applied all the same" +
            (options.ipskind == IpsKind::AsItStands
                 ? "; --with-header or --no-header says which kind of image an IPS patch was made for"
                 : ""));
    return written(writeimage(patched.bytes.value(), args.output));
}

}  // namespace icevale::tool
