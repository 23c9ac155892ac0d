#include "importcheck.h"

#include <algorithm>
#include <array>
#include <exception>
#include <memory>

#include "core/document.h"
#include "core/health.h"
#include "core/importer.h"
#include "fuzzimage.h"

namespace icevale::fuzz {
namespace {

const Cartridge& decodedbase(int k)
{
    static std::array<std::unique_ptr<Cartridge>, kBaseImages> bases;
    auto& base = bases[static_cast<std::size_t>(k % kBaseImages)];
    if (!base) {
        base = std::make_unique<Cartridge>();
        base->RomImage = baseimage(k);
        if (!decodeimage(*base).empty())
            violated("every base image decodes");
    }
    return *base;
}

Document opened(Cartridge cart)
{
    Document doc;
    doc.adopt(std::move(cart), "image.smc");
    return doc;
}

ImportData readfile(const ImportFormat& format, std::string_view text, const Tables& tables,
                    std::vector<ImportProblem>& problems)
{
    try {
        return format.read(text, tables, problems);
    } catch (const std::exception& e) {
        violated(std::string("reading a file threw: ") + e.what());
    } catch (...) {
        violated("reading a file threw");
    }
}

bool sameoutcome(const ImportOutcome& a, const ImportOutcome& b)
{
    return a.steps == b.steps && std::equal(a.problems.begin(), a.problems.end(), b.problems.begin(), b.problems.end(),
                                            [](const ImportProblem& x, const ImportProblem& y) {
                                                return x.place == y.place && x.text == y.text;
                                            });
}

// The export of the image as decoded afresh, so that it does not rest on the document's
// tables.
std::string exportof(const ImportFormat& format, const Bytes& image)
{
    Cartridge cart;
    cart.RomImage = image;
    if (!decodeimage(cart).empty())
        violated("an imported image decodes");
    return format.write(cart);
}

void checkwritten(Document& doc, const ImportData& data, const ImportOutcome& written)
{
    Cartridge reread;
    reread.RomImage = doc.image();
    expect(decodeimage(reread).empty() && samedecode(reread, doc.cart()),
           "after an import the image decodes to exactly the document's tables");
    if (written.steps == 0)
        return;
    const ImportOutcome again = importinto(doc, data, true);
    expect(again.problems.empty() && again.steps == 0, "importing the same file again changes no byte");
}

void importfile(const ImportFormat& format, FuzzInput& in)
{
    const Cartridge& base = decodedbase(in.byte());
    const auto bytes = in.rest();
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    Document doc = opened(base);
    std::vector<ImportProblem> problems;
    const ImportData data = readfile(format, text, doc.cart(), problems);
    if (!problems.empty())
        return;
    const ImportOutcome checked = importinto(doc, data, false);
    expect(doc.image() == base.RomImage, "checking an import writes nothing");
    const ImportOutcome written = importinto(doc, data, true);
    expect(sameoutcome(checked, written), "checking and writing an import find the same problems and steps");
    if (!written.problems.empty())
        expect(doc.image() == base.RomImage, "a refused import writes nothing");
    else
        checkwritten(doc, data, written);
}

bool soundfor(const ImportFormat& format, const Cartridge& cart)
{
    const auto problems = healthcheck(cart);
    return std::none_of(problems.begin(), problems.end(),
                        [&](const HealthProblem& p) { return format.area.empty() || p.area == format.area; });
}

void roundtrip(const ImportFormat& format, FuzzInput& in)
{
    Cartridge cart;
    buildimage(planimage(in), cart.RomImage);
    if (cart.RomImage.size() < kMinImageSize || !decodeimage(cart).empty())
        return;  // not an image loadrom would give a document
    const bool sound = soundfor(format, cart);
    Document doc = opened(std::move(cart));
    const std::string text = format.write(doc.cart());
    std::vector<ImportProblem> problems;
    const ImportData data = readfile(format, text, doc.cart(), problems);
    expect(!sound || problems.empty(), "the export of a sound image reads back");
    if (!problems.empty())
        return;
    const Bytes before = doc.image();
    const ImportOutcome outcome = importinto(doc, data, true);
    expect(!sound || (outcome.problems.empty() && outcome.steps == 0 && doc.image() == before),
           "importing the export of a sound image changes no byte");
    if (outcome.problems.empty() && outcome.steps > 0)
        expect(exportof(format, doc.image()) == text, "an accepted import of an image's export keeps every value");
}

}  // namespace

void fuzzimport(const ImportFormat& format, FuzzInput& in)
{
    if (in.byte() == 1)
        roundtrip(format, in);
    else
        importfile(format, in);
}

}  // namespace icevale::fuzz
