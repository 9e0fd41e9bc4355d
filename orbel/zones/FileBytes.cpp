#include "zones/FileBytes.h"

#include "zones/StringTable.h"
#include "zones/Translation.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace orbel {

bool ReadWholeFile(const std::filesystem::path& path, std::size_t maxSize,
                   std::vector<std::uint8_t>& bytes, std::string& error)
{
    bytes.clear();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        error = path.string() + ": " + std::strerror(errno);
        return false;
    }
    std::uint8_t buffer[65536];
    bool ok = true;
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, f);
        if (n == 0) {
            if (std::ferror(f)) {
                error = path.string() + ": read error";
                ok = false;
            }
            break;
        }
        if (n > maxSize - bytes.size()) {
            error = path.string() + ": file too large";
            ok = false;
            break;
        }
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    std::fclose(f);
    if (!ok)
        bytes.clear();
    return ok;
}

bool WriteFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                         std::string& error)
{
    std::filesystem::path temp = path;
    temp += ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) {
        const std::string why = std::strerror(errno);
        error = FormatMessage(Tr("Files", "Unable to write to %1: %2"), {path.string(), why});
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    // On disk before the rename, so a crash leaves the old file or the whole new one.
    ok = std::fflush(f) == 0 && ::fsync(::fileno(f)) == 0 && ok;
    int savedErrno = errno;
    ok = std::fclose(f) == 0 && ok;
    if (ok) {
        std::error_code ec;
        std::filesystem::rename(temp, path, ec);
        ok = !ec;
        savedErrno = ec.value();
    }
    if (!ok) {
        error = FormatMessage(Tr("Files", "Unable to write to %1: %2"),
                              {path.string(), std::strerror(savedErrno)});
        std::remove(temp.c_str());
    }
    return ok;
}

} // namespace orbel
