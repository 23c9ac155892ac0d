// The file layer on Windows. UTF-8 names go to the wide Win32 calls. A save writes a
// temporary file in the target's folder, flushes it (FlushFileBuffers) and puts it in
// place with ReplaceFileW, which keeps the old file's attributes, or with MoveFileExW
// when there is no old file. Files are opened without waiting: a file another program
// holds open without sharing fails at once with a sharing violation, which is reported.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
// After windows.h, which they need.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <random>

#include "core/filelayer.h"

namespace icevale {
namespace {

std::optional<std::uint64_t> writelimit;

Failure failure(const std::string& filename, const std::string& why)
{
    return fail("\"" + filename + "\": " + why);
}

// Empty when `text` is not valid UTF-8 (or is empty).
std::wstring widen(const std::string& text)
{
    if (text.empty() || text.size() > INT_MAX)
        return {};
    const int size = static_cast<int>(text.size());
    const int n = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    if (n <= 0 || ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), n) != n)
        return {};
    return wide;
}

std::string narrow(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), n, nullptr, nullptr);
    return text;
}

// The reason of a failed call. The common ones have the same words as on POSIX systems,
// so a message reads alike on every platform; the others are the system's own text.
std::string describe(DWORD code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return "No such file or directory";
    case ERROR_ACCESS_DENIED:
        return "Permission denied";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "No space left on device";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
        return "the file is in use by another program";
    default:
        break;
    }
    wchar_t* text = nullptr;
    const DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                         FORMAT_MESSAGE_IGNORE_INSERTS,
                                     nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring_view words(text ? text : L"", n);
    while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r' || words.back() == L'.'))
        words.remove_suffix(1);
    std::string result = words.empty() ? "error" : narrow(words);
    ::LocalFree(text);
    return result + " (error " + std::to_string(code) + ")";
}

std::string lasterror() { return describe(::GetLastError()); }

// Closes the handle on every path out.
struct Handle {
    HANDLE h;
    explicit Handle(HANDLE handle) : h(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { close(); }
    bool valid() const { return h != INVALID_HANDLE_VALUE; }
    void close()
    {
        if (valid())
            ::CloseHandle(h);
        h = INVALID_HANDLE_VALUE;
    }
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kChunk = 1u << 24;

// Opens an existing file or folder (a folder only to tell it apart) without waiting.
HANDLE openexisting(const std::wstring& path, DWORD access)
{
    return ::CreateFileW(path.c_str(), access, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// Whether the open file is a regular file, or why not.
Status notregular(HANDLE h, const char* folder, BY_HANDLE_FILE_INFORMATION& info)
{
    if (::GetFileType(h) != FILE_TYPE_DISK)
        return fail("is not a regular file");
    if (!::GetFileInformationByHandle(h, &info))
        return fail("cannot read: " + lasterror());
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return fail(folder);
    return {};
}

bool readall(HANDLE h, std::uint8_t* data, std::size_t size)
{
    for (std::size_t done = 0; done < size;) {
        DWORD got = 0;
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(size - done, kChunk));
        if (!::ReadFile(h, data + done, ask, &got, nullptr))
            return false;
        if (got == 0) {
            ::SetLastError(ERROR_SUCCESS);
            return false;
        }
        done += got;
    }
    return true;
}

bool writeall(HANDLE h, const std::uint8_t* data, std::size_t size)
{
    const bool limited = writelimit && *writelimit < size;
    const std::size_t allowed = limited ? static_cast<std::size_t>(*writelimit) : size;
    if (writelimit)
        *writelimit -= allowed;
    for (std::size_t done = 0; done < allowed;) {
        DWORD put = 0;
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(allowed - done, kChunk));
        if (!::WriteFile(h, data + done, ask, &put, nullptr))
            return false;
        done += put;
    }
    if (limited)
        ::SetLastError(ERROR_DISK_FULL);
    return !limited;
}

// The old file's bytes past the image, which a save keeps.
Status readtail(const std::wstring& path, std::uint64_t from, Bytes& tail)
{
    Handle f(openexisting(path, GENERIC_READ));
    LARGE_INTEGER size{};
    if (!f.valid() || !::GetFileSizeEx(f.h, &size))
        return fail("cannot read the existing file: " + lasterror());
    if (static_cast<std::uint64_t>(size.QuadPart) <= from)
        return {};
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(from);
    tail.resize(static_cast<std::size_t>(static_cast<std::uint64_t>(size.QuadPart) - from));
    if (!::SetFilePointerEx(f.h, at, nullptr, FILE_BEGIN) || !readall(f.h, tail.data(), tail.size()))
        return fail("cannot read the existing file: " + lasterror());
    return {};
}

// The full name, which ReplaceFileW needs: it fails on a name without a folder.
std::wstring fullpath(const std::wstring& path)
{
    std::wstring full(MAX_PATH, L'\0');
    DWORD n = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (n >= full.size()) {
        full.resize(n);
        n = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    if (n == 0 || n >= full.size())
        return path;
    full.resize(n);
    return full;
}

std::wstring folderof(const std::wstring& path)
{
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos)
        return L".";
    return path.substr(0, slash == 0 ? 1 : slash);
}

// A new temporary file beside the target, open for writing and shared with no one.
HANDLE createtemporary(const std::wstring& target, std::wstring& temp)
{
    static std::mt19937 names{std::random_device{}() ^ ::GetCurrentProcessId()};
    HANDLE h = INVALID_HANDLE_VALUE;
    for (int tries = 0; tries < 100 && h == INVALID_HANDLE_VALUE; ++tries) {
        temp = target + L".icevale-" + std::to_wstring(names() % 1000000);
        h = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    return h;
}

// Where a symbolic link or junction leads: the file that is to be replaced.
std::wstring finalpath(HANDLE h, const std::wstring& path)
{
    std::wstring full(MAX_PATH, L'\0');
    DWORD n = ::GetFinalPathNameByHandleW(h, full.data(), static_cast<DWORD>(full.size()), FILE_NAME_NORMALIZED);
    if (n >= full.size()) {
        full.resize(n + 1);
        n = ::GetFinalPathNameByHandleW(h, full.data(), static_cast<DWORD>(full.size()), FILE_NAME_NORMALIZED);
    }
    if (n == 0 || n >= full.size())
        return path;
    full.resize(n);
    return full;
}

// The old file's attributes that the new one takes over (ReplaceFileW keeps them as
// well; they are set first so that no moment shows the new file without them).
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Fills and flushes the temporary file and puts it in place, or says why it could not.
Status writetemporary(const std::wstring& target, const std::wstring& temp, Handle& f,
                           std::span<const std::uint8_t> bytes, bool keeptail, const BY_HANDLE_FILE_INFORMATION* old)
{
    Bytes tail;
    if (old && keeptail) {
        if (Status read = readtail(target, bytes.size(), tail); !read)
            return read;
    }
    if (!writeall(f.h, bytes.data(), bytes.size()) || !writeall(f.h, tail.data(), tail.size()) ||
        !::FlushFileBuffers(f.h))
        return fail("cannot write: " + lasterror());
    f.close();
    if (!old) {
        if (!::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return fail("cannot replace the file: " + lasterror());
        return {};
    }
    ::SetFileAttributesW(temp.c_str(), (old->dwFileAttributes & kKeptAttributes) | FILE_ATTRIBUTE_NORMAL);
    if (!::ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return fail("cannot replace the file: " + lasterror());
    return {};
}

}  // namespace

Result<Bytes> readregularfile(const std::string& filename, const char* kind, const SizeCheck& check)
{
    const std::wstring path = widen(filename);
    if (path.empty())
        return failure(filename, "cannot open: the name is not valid UTF-8");
    Handle f(openexisting(path, GENERIC_READ));
    if (!f.valid())
        return failure(filename, "cannot open: " + lasterror());
    BY_HANDLE_FILE_INFORMATION info{};
    if (const Status regular = notregular(f.h, (std::string("is a folder, not ") + kind).c_str(), info); !regular)
        return failure(filename, regular.message());
    const std::uint64_t size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    if (check) {
        if (const Status fits = check(size); !fits)
            return failure(filename, fits.message());
    }
    Bytes read(static_cast<std::size_t>(size));
    if (!readall(f.h, read.data(), read.size())) {
        const DWORD code = ::GetLastError();
        return failure(filename, "cannot read: " + (code ? describe(code) : std::string("file changed while reading")));
    }
    return read;
}

Status replaceregularfile(std::span<const std::uint8_t> bytes, const std::string& filename, bool keeptail)
{
    std::wstring target = widen(filename);
    if (target.empty())
        return failure(filename, "cannot write: the name is not valid UTF-8");
    target = fullpath(target);
    BY_HANDLE_FILE_INFORMATION old{};
    bool exists = false;
    {
        Handle existing(openexisting(target, FILE_READ_ATTRIBUTES));
        const DWORD code = existing.valid() ? ERROR_SUCCESS : ::GetLastError();
        if (code != ERROR_SUCCESS && code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND)
            return failure(filename, "cannot open: " + describe(code));
        exists = existing.valid();
        if (exists) {
            if (const Status regular = notregular(existing.h, "is a folder", old); !regular)
                return failure(filename, regular.message());
            if (old.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
                target = finalpath(existing.h, target);
        }
    }
    // A file held open without sharing, or read-only, cannot be replaced: that is told
    // before anything is written, as a failed ReplaceFileW can leave a file of its own.
    if (exists && !Handle(openexisting(target, DELETE)).valid())
        return failure(filename, "cannot replace the file: " + lasterror());
    std::wstring temp;
    Handle f(createtemporary(target, temp));
    if (!f.valid())
        return failure(filename, "cannot write in the folder \"" + narrow(folderof(target)) + "\": " + lasterror());
    if (const Status wrote = writetemporary(target, temp, f, bytes, keeptail, exists ? &old : nullptr); !wrote) {
        f.close();
        ::DeleteFileW(temp.c_str());
        return failure(filename, wrote.message());
    }
    return {};
}

std::vector<std::string> programarguments(int argc, char** argv)
{
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    ::_setmode(::_fileno(stdin), _O_BINARY);
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide)
        return {argv, argv + argc};
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i)
        arguments.push_back(narrow(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

void simulatewritefailure(std::optional<std::uint64_t> bytes) { writelimit = bytes; }

}  // namespace icevale
