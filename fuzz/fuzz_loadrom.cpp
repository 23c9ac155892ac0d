// loadrom on files around the minimum length. The input is a length byte (the file is
// 0xEAED6 bytes plus the byte read as a signed number, or as long as the sample image for
// 0x80), then an image input as fuzzimage.h describes (a cut there sets the length).
// The file is written to the temporary folder and loaded into a cartridge holding the
// decoded fixed sample image.
// Properties: a load succeeds exactly when the file is at least 0xEAED6 bytes long and
// its bytes decode; a successful load holds the file's bytes and exactly the tables
// decodeimage gives for them; a refused load names the file and leaves the cartridge
// exactly as it was.
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <filesystem>

#include "core/romfile.h"
#include "fuzzimage.h"
#include "tools/sampleimage.h"

namespace icevale::fuzz {
namespace {

struct TempFile {
    std::string path = (std::filesystem::temp_directory_path() /
                        ("icevale-fuzz-loadrom-" + std::to_string(::getpid()) + ".smc")).string();
    ~TempFile() { ::unlink(path.c_str()); }
};

bool writefile(const std::string& path, const Bytes& bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return ::close(fd) == 0 && done == bytes.size();
}

// The cartridges the oracle decodes into, kept between runs (their megabyte is reused).
// `held` is the one equal to what the loading cartridge holds; the next oracle is another.
struct Oracles {
    std::array<Cartridge, 3> carts;
    std::size_t held = 0;

    Oracles()
    {
        carts[0].RomImage = sample::makeSampleImage().bytes;
        if (!decodeimage(carts[0]).empty())
            violated("the sample image decodes");
    }

    Cartridge& next()
    {
        Cartridge& cart = carts[(held + 1) % carts.size()];
        static_cast<Tables&>(cart) = Tables{};
        return cart;
    }
};

}  // namespace
}  // namespace icevale::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace icevale;
    using namespace icevale::fuzz;
    static const TempFile file;
    static Oracles oracles;
    static Cartridge cart = oracles.carts[0];
    FuzzInput in(data, size);
    const std::uint8_t delta = in.byte();
    const std::size_t length = delta == 0x80 ? sample::kImageSize : kMinImageSize + static_cast<std::int8_t>(delta);
    Cartridge& expected = oracles.next();
    buildimage(planimage(in, length), expected.RomImage);
    if (!writefile(file.path, expected.RomImage))
        violated("the temporary file " + file.path + " can be written");

    const Status result = loadrom(cart, file.path);
    const bool decodes = decodeimage(expected).empty();
    expect(result.ok() == (expected.RomImage.size() >= kMinImageSize && decodes),
           "a load succeeds exactly when the file is long enough and decodes");
    const Cartridge& before = oracles.carts[oracles.held];
    if (result.ok()) {
        expect(cart.RomImage == expected.RomImage && samedecode(cart, expected),
               "a load holds the file's bytes and their decoded tables");
        oracles.held = static_cast<std::size_t>(&expected - oracles.carts.data());
    } else {
        expect(result.message().find(file.path) != std::string::npos, "a refused load names the file");
        expect(cart.RomImage == before.RomImage && samedecode(cart, before),
               "a refused load leaves the cartridge as it was");
    }
    return 0;
}
