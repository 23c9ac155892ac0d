// The file layer on POSIX systems: a save goes through mkstemp, fsync and rename, and
// follows symbolic links so that the link stays and its target is replaced.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "core/filelayer.h"

namespace icevale {
namespace {

Failure failure(const std::string& filename, const std::string& why)
{
    return fail("\"" + filename + "\": " + why);
}

std::string lasterror() { return std::strerror(errno); }

std::optional<std::uint64_t> writelimit;

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
bool transferall(std::uint8_t* data, std::size_t size, Call call)
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

bool writeall(int fd, const std::uint8_t* data, std::size_t size)
{
    auto* bytes = const_cast<std::uint8_t*>(data);
    const bool limited = writelimit && *writelimit < size;
    const std::size_t allowed = limited ? static_cast<std::size_t>(*writelimit) : size;
    if (writelimit)
        *writelimit -= allowed;
    if (transferall(bytes, allowed, [fd](std::uint8_t* p, std::size_t n) { return ::write(fd, p, n); })) {
        if (!limited)
            return true;
        errno = ENOSPC;
        return false;
    }
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
    return transferall(tail.data(), tail.size(), [&](std::uint8_t* p, std::size_t n) {
        const ssize_t got = ::pread(f.fd, p, n, static_cast<off_t>(from + done));
        done += got > 0 ? static_cast<std::size_t>(got) : 0;
        return got;
    });
}

// Fills and flushes the temporary file and renames it over the target; returns why
// it could not.
Status writetemporary(const std::string& target, const std::string& temp, int fd,
                           std::span<const std::uint8_t> bytes, bool keeptail, const struct stat* old)
{
    Bytes tail;
    if (old && keeptail && !readtail(target, bytes.size(), tail))
        return fail("cannot read the existing file: " + lasterror());
    if (!writeall(fd, bytes.data(), bytes.size()) || !writeall(fd, tail.data(), tail.size()))
        return fail("cannot write: " + lasterror());
    const mode_t mode = old ? (old->st_mode & 07777) : [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    if (::fchmod(fd, mode) != 0)
        return fail("cannot set the permissions: " + lasterror());
    if (old) {
        // Another owner can be kept only where that is allowed; the permissions hold anyway.
        const int kept = ::fchown(fd, old->st_uid, old->st_gid);
        static_cast<void>(kept);
    }
    if (::fsync(fd) != 0)
        return fail("cannot write: " + lasterror());
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return fail("cannot replace the file: " + lasterror());
    return {};
}

}  // namespace

Result<Bytes> readregularfile(const std::string& filename, const char* kind, const SizeCheck& check)
{
    Fd f{::open(filename.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (f.fd < 0)
        return failure(filename, "cannot open: " + lasterror());
    struct stat st {};
    if (::fstat(f.fd, &st) != 0)
        return failure(filename, "cannot read: " + lasterror());
    if (S_ISDIR(st.st_mode))
        return failure(filename, std::string("is a folder, not ") + kind);
    if (!S_ISREG(st.st_mode))
        return failure(filename, "is not a regular file");
    if (check) {
        if (const Status fits = check(static_cast<std::uint64_t>(st.st_size)); !fits)
            return failure(filename, fits.message());
    }
    Bytes read(static_cast<std::size_t>(st.st_size));
    errno = 0;
    if (!transferall(read.data(), read.size(), [&f](std::uint8_t* p, std::size_t n) { return ::read(f.fd, p, n); }))
        return failure(filename, "cannot read: " + (errno ? lasterror() : std::string("file changed while reading")));
    return read;
}

Status replaceregularfile(std::span<const std::uint8_t> bytes, const std::string& filename, bool keeptail)
{
    std::string target = filename;
    if (!followlinks(target))
        return failure(filename, "cannot follow the link: " + lasterror());
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return failure(filename, "is a folder");
    if (exists && !S_ISREG(st.st_mode))
        return failure(filename, "is not a regular file");

    std::string temp = target + ".icevale-XXXXXX";
    Fd f{::mkstemp(temp.data())};
    if (f.fd < 0)
        return failure(filename, "cannot write in the folder \"" + folderof(target) + "\": " + lasterror());
    if (const Status wrote = writetemporary(target, temp, f.fd, bytes, keeptail, exists ? &st : nullptr); !wrote) {
        ::unlink(temp.c_str());
        return failure(filename, wrote.message());
    }
    // The rename itself reaches the disk with the folder.
    Fd folder{::open(folderof(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (folder.fd >= 0)
        ::fsync(folder.fd);
    return {};
}

std::vector<std::string> programarguments(int argc, char** argv) { return {argv, argv + argc}; }

void simulatewritefailure(std::optional<std::uint64_t> bytes) { writelimit = bytes; }

}  // namespace icevale
