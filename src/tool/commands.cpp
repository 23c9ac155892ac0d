#include "tool/commands.h"

#include <iostream>
#include <iterator>
#include <optional>

#include "core/exchange.h"
#include "core/filelayer.h"
#include "core/health.h"
#include "core/imagediff.h"
#include "core/imageinfo.h"
#include "core/importer.h"
#include "core/patching.h"
#include "core/romfile.h"
#include "core/rostercsv.h"

namespace icevale::tool {
namespace {

int refuse(const std::string& message)
{
    std::cerr << message << "\n";
    return kRefused;
}

std::optional<Cartridge> loadimage(const std::string& file)
{
    Cartridge cart;
    if (const IoResult loaded = loadrom(cart, file); !loaded.ok) {
        refuse(loaded.message);
        return std::nullopt;
    }
    return cart;
}

std::optional<std::string> readwhole(const std::string& file)
{
    Bytes bytes;
    if (const IoResult read = readregularfile(file, bytes, "a data file"); !read.ok) {
        refuse(read.message);
        return std::nullopt;
    }
    return std::string(bytes.begin(), bytes.end());
}

std::optional<Bytes> readbytes(const std::string& file)
{
    const auto text = readwhole(file);
    return text ? std::optional<Bytes>(Bytes(text->begin(), text->end())) : std::nullopt;
}

std::string_view asText(const Bytes& bytes) { return {reinterpret_cast<const char*>(bytes.data()), bytes.size()}; }

// An output of this tool is exactly the image, so a longer old file is replaced whole.
IoResult writeimage(const Bytes& image, const std::string& file) { return writeoutput(asText(image), file); }

int written(const IoResult& result) { return result.ok ? kSuccess : refuse(result.message); }

void notes(const std::string& file, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        std::cerr << file << ": " << line << "\n";
}

// Every problem of an import, then the verdict; false when there were any.
bool report(const std::string& file, const std::vector<ImportProblem>& problems)
{
    for (const ImportProblem& p : problems)
        std::cerr << file << ": " << (p.place.empty() ? "" : p.place + ": ") << p.text << "\n";
    if (!problems.empty())
        std::cerr << file << ": refused with " << problems.size() << (problems.size() == 1 ? " problem" : " problems")
                  << "; nothing written\n";
    return problems.empty();
}

bool isjson(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && text[first] == '{';
}

}  // namespace

int info(const Arguments& args)
{
    const auto cart = loadimage(args.image);
    if (!cart)
        return kRefused;
    const std::vector<HealthProblem> problems = healthcheck(*cart);
    std::cout << (args.json ? infojson : infotext)(*cart, problems, args.image);
    return problems.empty() ? kSuccess : kRefused;
}

int exportdata(const Arguments& args)
{
    const auto cart = loadimage(args.image);
    if (!cart)
        return kRefused;
    const std::string text = args.format == "csv" ? exportrostercsv(*cart) : exportjson(*cart);
    if (args.output.empty()) {
        std::cout << text;
        return kSuccess;
    }
    return written(writeoutput(text, args.output));
}

int importdata(const Arguments& args)
{
    auto cart = loadimage(args.image);
    const auto text = readwhole(args.data);
    if (!cart || !text)
        return kRefused;
    std::vector<ImportProblem> problems;
    const ImportData data =
        isjson(*text) ? readexportjson(*text, *cart, problems) : readrostercsv(*text, *cart, problems);
    Document doc;
    doc.adopt(std::move(*cart), args.image);
    ImportOutcome outcome;
    if (problems.empty())
        outcome = importinto(doc, data, !args.check);
    problems.insert(problems.end(), outcome.problems.begin(), outcome.problems.end());
    if (!report(args.data, problems))
        return kRefused;
    const std::string summary = std::to_string(outcome.steps) + (outcome.steps == 1 ? " change" : " changes");
    if (args.check) {
        std::cerr << args.data << ": fits " << args.image << " (" << summary << "); nothing written (--check)\n";
        return kSuccess;
    }
    const int status = written(writeimage(doc.image(), args.output));
    if (status == kSuccess)
        std::cerr << args.output << ": written with " << summary << "\n";
    return status;
}

int diff(const Arguments& args)
{
    const auto a = loadimage(args.image), b = loadimage(args.other);
    if (!a || !b)
        return kRefused;
    const ImageDiff differences = diffimages(*a, *b);
    std::cout << (args.json ? diffjson(differences) : difftext(differences));
    return differences.empty() ? kSuccess : kRefused;
}

int patchcreate(const Arguments& args)
{
    const auto original = readbytes(args.image), modified = readbytes(args.other);
    if (!original || !modified)
        return kRefused;
    const PatchResult patch =
        makepatch(*original, *modified, args.format == "bps" ? PatchFormat::Bps : PatchFormat::Ips, args.noheader);
    notes(args.output, patch.notes);
    if (!patch.ok())
        return refuse(args.output + ": " + patch.error + "; nothing written");
    return written(writeoutput(asText(patch.bytes), args.output));
}

int patchapply(const Arguments& args)
{
    const auto patch = readbytes(args.patch), image = readbytes(args.image);
    if (!patch || !image)
        return kRefused;
    const PatchResult patched = applypatch(*patch, *image, args.noheader);
    notes(args.image, patched.notes);
    if (!patched.ok())
        return refuse(args.patch + ": " + patched.error + "; nothing written");
    return written(writeimage(patched.bytes, args.output));
}

}  // namespace icevale::tool
