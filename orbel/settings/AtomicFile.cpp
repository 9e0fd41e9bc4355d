#include "settings/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbel {
namespace {

void SetError(std::string* error, const std::string& text)
{
    if (error)
        *error = text;
}

std::string SystemText(int code)
{
    return std::strerror(code);
}

} // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error)
{
    // A unique name beside the target, so the rename stays inside one file system.
    std::string pattern = path.string() + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        SetError(error, "Unable to write to " + path.string() + ": " + SystemText(errno));
        return false;
    }
    const std::filesystem::path temp = pattern;
    auto fail = [&](int code) {
        ::close(fd);
        std::error_code ec;
        std::filesystem::remove(temp, ec);
        SetError(error, "Unable to write to " + path.string() + ": " + SystemText(code));
        return false;
    };
    // mkstemp makes the file 0600; a settings file is as readable as any other file the
    // user writes.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);

    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int code = errno;
        std::error_code ec;
        std::filesystem::remove(temp, ec);
        SetError(error, "Unable to write to " + path.string() + ": " + SystemText(code));
        return false;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int code = errno;
        std::error_code ec;
        std::filesystem::remove(temp, ec);
        SetError(error, "Unable to write to " + path.string() + ": " + SystemText(code));
        return false;
    }
    // Make the rename itself durable.
    const int dir = ::open(path.parent_path().empty() ? "." : path.parent_path().c_str(),
                           O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes, std::uintmax_t maxBytes,
                   std::string* error)
{
    bytes.clear();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        SetError(error, "Unable to open " + path.string() + ": " + SystemText(errno));
        return false;
    }
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, f);
        if (n > 0) {
            if (bytes.size() + n > maxBytes) {
                SetError(error, path.string() + " is too large.");
                ok = false;
                break;
            }
            bytes.append(buffer, n);
        }
        if (n < sizeof buffer) {
            if (std::ferror(f)) {
                SetError(error, "An error occurred while reading " + path.string() + ".");
                ok = false;
            }
            break;
        }
    }
    std::fclose(f);
    if (!ok)
        bytes.clear();
    return ok;
}

} // namespace orbel
