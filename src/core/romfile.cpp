#include "core/romfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/rosterindex.h"
#include "core/teamtext.h"

namespace icevale {
namespace {

IoResult failure(const std::string& filename, const std::string& why)
{
    return {false, "\"" + filename + "\": " + why};
}

std::string lastError() { return std::strerror(errno); }

// Closes the descriptor on every path out of the two operations.
struct Fd {
    int fd;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// One read of the whole file; loops only where the kernel returns less than asked.
bool readAll(int fd, Bytes& buf)
{
    std::size_t done = 0;
    while (done < buf.size()) {
        const ssize_t n = ::read(fd, buf.data() + done, buf.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool writeAll(int fd, const Bytes& buf)
{
    std::size_t done = 0;
    while (done < buf.size()) {
        const ssize_t n = ::write(fd, buf.data() + done, buf.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string decodeimage(Cartridge& cart)
{
    readteamtext(cart);
    std::string problem = readrosters(cart);
    if (problem.empty())
        readlines(cart);
    return problem;
}

IoResult loadrom(Cartridge& cart, const std::string& filename)
{
    Fd f{::open(filename.c_str(), O_RDONLY | O_CLOEXEC)};
    if (f.fd < 0)
        return failure(filename, "cannot open: " + lastError());
    struct stat st {};
    if (::fstat(f.fd, &st) != 0)
        return failure(filename, "cannot read: " + lastError());
    if (S_ISDIR(st.st_mode))
        return failure(filename, "is a folder, not an image file");
    if (!S_ISREG(st.st_mode))
        return failure(filename, "is not a regular file");
    if (st.st_size < static_cast<off_t>(kMinImageSize)) {
        return failure(filename, "is " + std::to_string(st.st_size) + " bytes long; an image needs at least " +
                                     std::to_string(kMinImageSize) + " bytes");
    }

    // Decode into a copy so that a refused image leaves the loaded one untouched.
    Cartridge next = cart;
    next.RomImage.assign(static_cast<std::size_t>(st.st_size), 0);
    errno = 0;
    if (!readAll(f.fd, next.RomImage))
        return failure(filename, "cannot read: " + (errno ? lastError() : std::string("file changed while reading")));

    if (const std::string problem = decodeimage(next); !problem.empty())
        return failure(filename, problem);
    cart = std::move(next);
    return {true, {}};
}

IoResult saverom(const Cartridge& cart, const std::string& filename)
{
    Fd f{::open(filename.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666)};
    if (f.fd < 0)
        return failure(filename, "cannot open for writing: " + lastError());
    if (!writeAll(f.fd, cart.RomImage))
        return failure(filename, "cannot write: " + lastError());
    const int fd = f.fd;
    f.fd = -1;
    if (::close(fd) != 0)
        return failure(filename, "cannot write: " + lastError());
    return {true, {}};
}

}  // namespace icevale
