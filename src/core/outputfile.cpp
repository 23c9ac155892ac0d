#include "core/outputfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace icevale {
namespace {

// The file a chain of symbolic links ends at (which need not exist yet).
std::filesystem::path linktarget(std::filesystem::path path)
{
    std::error_code ec;
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(path, ec); ++hops) {
        const std::filesystem::path link = std::filesystem::read_symlink(path, ec);
        if (ec)
            break;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

std::string filled(int fd, std::string_view bytes, const std::filesystem::path& target)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return std::string("cannot write: ") + std::strerror(n < 0 ? errno : EIO);
        done += static_cast<std::size_t>(n);
    }
    struct stat old {};
    mode_t mode = 0;
    if (::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0)
        return std::string("cannot write: ") + std::strerror(errno);
    return {};
}

}  // namespace

IoResult writeoutput(std::string_view bytes, const std::string& filename)
{
    const std::filesystem::path target = linktarget(filename);
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec))
        return {false, "\"" + filename + "\": is a folder"};
    std::string temp = target.string() + ".icevale-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return {false, "\"" + filename + "\": cannot write in its folder: " + std::strerror(errno)};
    std::string why = filled(fd, bytes, target);
    if (::close(fd) != 0 && why.empty())
        why = std::string("cannot write: ") + std::strerror(errno);
    if (why.empty() && ::rename(temp.c_str(), target.c_str()) != 0)
        why = std::string("cannot replace the file: ") + std::strerror(errno);
    if (!why.empty()) {
        ::unlink(temp.c_str());
        return {false, "\"" + filename + "\": " + why};
    }
    return {true, {}};
}

}  // namespace icevale
