#include "core/romfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <span>

#include "core/bannertexts.h"
#include "core/lineups.h"
#include "core/rosters.h"
#include "core/teamtexts.h"

namespace icevale {
namespace {

IoResult failure(const std::string& filename, const std::string& why)
{
    return {false, "\"" + filename + "\": " + why};
}

std::string lastError() { return std::strerror(errno); }

std::string tooshort(std::uint64_t size)
{
    return "is " + std::to_string(size) + " bytes long; an image needs at least " + std::to_string(kMinImageSize) +
           " bytes";
}

// Closes the descriptor on every path out.
struct Fd {
    int fd;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Loops only where the kernel moves less than asked.
template <class Call>
bool transferAll(std::uint8_t* data, std::size_t size, Call call)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = call(data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = 0;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size)
{
    auto* bytes = const_cast<std::uint8_t*>(data);
    if (transferAll(bytes, size, [fd](std::uint8_t* p, std::size_t n) { return ::write(fd, p, n); }))
        return true;
    if (errno == 0)
        errno = EIO;
    return false;
}

std::string folderof(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of symbolic links ends at (which may not exist yet).
bool followlinks(std::string& path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        char target[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
        if (n < 0)
            return false;
        const std::string link(target, static_cast<std::size_t>(n));
        path = link.front() == '/' ? link : folderof(path) + "/" + link;
    }
    errno = ELOOP;
    return false;
}

// The old file's bytes past the image, which a save keeps.
bool readtail(const std::string& path, std::size_t from, Bytes& tail)
{
    Fd f{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat st {};
    if (f.fd < 0 || ::fstat(f.fd, &st) != 0)
        return false;
    if (static_cast<std::uint64_t>(st.st_size) <= from)
        return true;
    tail.resize(static_cast<std::size_t>(st.st_size) - from);
    std::size_t done = 0;
    return transferAll(tail.data(), tail.size(), [&](std::uint8_t* p, std::size_t n) {
        const ssize_t got = ::pread(f.fd, p, n, static_cast<off_t>(from + done));
        done += got > 0 ? static_cast<std::size_t>(got) : 0;
        return got;
    });
}

// Fills and flushes the temporary file and renames it over the target; returns why
// it could not, or an empty text.
std::string writetemporary(const std::string& target, const std::string& temp, int fd,
                           std::span<const std::uint8_t> bytes, bool keeptail, const struct stat* old)
{
    Bytes tail;
    if (old && keeptail && !readtail(target, bytes.size(), tail))
        return "cannot read the existing file: " + lastError();
    if (!writeAll(fd, bytes.data(), bytes.size()) || !writeAll(fd, tail.data(), tail.size()))
        return "cannot write: " + lastError();
    const mode_t mode = old ? (old->st_mode & 07777) : [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    if (::fchmod(fd, mode) != 0)
        return "cannot set the permissions: " + lastError();
    if (old) {
        // Another owner can be kept only where that is allowed; the permissions hold anyway.
        const int kept = ::fchown(fd, old->st_uid, old->st_gid);
        static_cast<void>(kept);
    }
    if (::fsync(fd) != 0)
        return "cannot write: " + lastError();
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return "cannot replace the file: " + lastError();
    return {};
}

IoResult replacefile(std::span<const std::uint8_t> bytes, const std::string& filename, bool keeptail)
{
    std::string target = filename;
    if (!followlinks(target))
        return failure(filename, "cannot follow the link: " + lastError());
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return failure(filename, "is a folder");
    if (exists && !S_ISREG(st.st_mode))
        return failure(filename, "is not a regular file");

    std::string temp = target + ".icevale-XXXXXX";
    Fd f{::mkstemp(temp.data())};
    if (f.fd < 0)
        return failure(filename, "cannot write in the folder \"" + folderof(target) + "\": " + lastError());
    if (const std::string why = writetemporary(target, temp, f.fd, bytes, keeptail, exists ? &st : nullptr); !why.empty()) {
        ::unlink(temp.c_str());
        return failure(filename, why);
    }
    // The rename itself reaches the disk with the folder.
    Fd folder{::open(folderof(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (folder.fd >= 0)
        ::fsync(folder.fd);
    return {true, {}};
}

}  // namespace

std::string decodeimage(Cartridge& cart)
{
    const Bytes& rom = cart.RomImage;
    std::string problem = readteamtext(cart, rom);
    if (problem.empty())
        problem = readrosters(cart, rom);
    if (problem.empty() && !readlines(cart, rom))
        problem = "the line-ups lie past the end of the image";
    if (problem.empty())
        readbannerlengths(cart, rom);
    return problem;
}

IoResult loadbytes(Cartridge& cart, Bytes bytes, const std::string& filename)
{
    if (bytes.size() < kMinImageSize)
        return failure(filename, tooshort(bytes.size()));
    Cartridge next;
    next.RomImage = std::move(bytes);
    if (const std::string problem = decodeimage(next); !problem.empty())
        return failure(filename, problem);
    cart = std::move(next);
    return {true, {}};
}

IoResult loadrom(Cartridge& cart, const std::string& filename)
{
    Fd f{::open(filename.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (f.fd < 0)
        return failure(filename, "cannot open: " + lastError());
    struct stat st {};
    if (::fstat(f.fd, &st) != 0)
        return failure(filename, "cannot read: " + lastError());
    if (S_ISDIR(st.st_mode))
        return failure(filename, "is a folder, not an image file");
    if (!S_ISREG(st.st_mode))
        return failure(filename, "is not a regular file");
    if (st.st_size < static_cast<off_t>(kMinImageSize))
        return failure(filename, tooshort(static_cast<std::uint64_t>(st.st_size)));

    Cartridge next;
    next.RomImage.resize(static_cast<std::size_t>(st.st_size));
    errno = 0;
    if (!transferAll(next.RomImage.data(), next.RomImage.size(),
                     [&f](std::uint8_t* p, std::size_t n) { return ::read(f.fd, p, n); }))
        return failure(filename, "cannot read: " + (errno ? lastError() : std::string("file changed while reading")));
    return loadbytes(cart, std::move(next.RomImage), filename);
}


IoResult saverom(const Bytes& rom, const std::string& filename) { return replacefile(rom, filename, true); }

IoResult writeoutput(std::string_view bytes, const std::string& filename)
{
    return replacefile({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, filename, false);
}

}  // namespace icevale
