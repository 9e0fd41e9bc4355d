#include "zones/TzifFile.h"

#include <cstring>

namespace orbel {
namespace {

struct Header {
    char version = 0;
    std::uint64_t isutcnt = 0, isstdcnt = 0, leapcnt = 0, timecnt = 0, typecnt = 0, charcnt = 0;
};

std::uint32_t Be32(const std::uint8_t* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
           p[3];
}

constexpr std::size_t kHeaderSize = 44;

bool ReadHeader(const std::vector<std::uint8_t>& b, std::size_t at, Header& h, std::string& error)
{
    if (b.size() < kHeaderSize || at > b.size() - kHeaderSize) {
        error = "header cut short";
        return false;
    }
    if (std::memcmp(b.data() + at, "TZif", 4) != 0) {
        error = "not a TZif file";
        return false;
    }
    h.version = static_cast<char>(b[at + 4]);
    const std::uint8_t* c = b.data() + at + 20;
    h.isutcnt = Be32(c);
    h.isstdcnt = Be32(c + 4);
    h.leapcnt = Be32(c + 8);
    h.timecnt = Be32(c + 12);
    h.typecnt = Be32(c + 16);
    h.charcnt = Be32(c + 20);
    if (h.typecnt == 0 || h.charcnt == 0 || (h.isutcnt != 0 && h.isutcnt != h.typecnt) ||
        (h.isstdcnt != 0 && h.isstdcnt != h.typecnt)) {
        error = "inconsistent counts";
        return false;
    }
    return true;
}

// Checks one data block (time size 4 or 8) and returns its length, or 0 when it runs past
// the end or holds an index out of range.
std::uint64_t CheckBlock(const std::vector<std::uint8_t>& b, std::size_t at, const Header& h,
                         int timeSize, std::string& error)
{
    const std::uint64_t length = h.timecnt * (timeSize + 1) + h.typecnt * 6 + h.charcnt +
                                 h.leapcnt * (timeSize + 4) + h.isstdcnt + h.isutcnt;
    if (at > b.size() || length > b.size() - at) {
        error = "data block runs past the end";
        return 0;
    }
    const std::uint8_t* types = b.data() + at + h.timecnt * timeSize;
    for (std::uint64_t i = 0; i < h.timecnt; ++i)
        if (types[i] >= h.typecnt) {
            error = "transition to an unknown local time type";
            return 0;
        }
    const std::uint8_t* info = types + h.timecnt;
    for (std::uint64_t i = 0; i < h.typecnt; ++i)
        if (info[6 * i + 4] > 1 || info[6 * i + 5] >= h.charcnt) {
            error = "damaged local time type";
            return 0;
        }
    return length;
}

std::uint64_t Be64(const std::uint8_t* p)
{
    return (std::uint64_t(Be32(p)) << 32) | Be32(p + 4);
}

// The transitions and types of a data block that CheckBlock accepted.
void ReadBlock(const std::vector<std::uint8_t>& b, std::size_t at, const Header& h, int timeSize,
               TzifZone& zone)
{
    const std::uint8_t* times = b.data() + at;
    const std::uint8_t* indexes = times + h.timecnt * timeSize;
    const std::uint8_t* info = indexes + h.timecnt;
    zone.transitions.clear();
    zone.types.clear();
    for (std::uint64_t i = 0; i < h.timecnt; ++i) {
        const std::uint8_t* t = times + i * timeSize;
        const std::int64_t when =
            timeSize == 8 ? static_cast<std::int64_t>(Be64(t)) : static_cast<std::int32_t>(Be32(t));
        // Times must rise; a file whose times do not is read up to the first that falls.
        if (!zone.transitions.empty() && when <= zone.transitions.back().when)
            break;
        zone.transitions.push_back({when, indexes[i]});
    }
    for (std::uint64_t i = 0; i < h.typecnt; ++i)
        zone.types.push_back({static_cast<std::int32_t>(Be32(info + 6 * i)), info[6 * i + 4] != 0});
}

} // namespace

bool ReadTzifZone(const std::vector<std::uint8_t>& b, TzifZone& zone, std::string& error)
{
    zone = TzifZone{};
    Header h1;
    if (!ReadHeader(b, 0, h1, error))
        return false;
    const std::uint64_t block1 = CheckBlock(b, kHeaderSize, h1, 4, error);
    if (block1 == 0)
        return false;
    if (h1.version < '2') {
        ReadBlock(b, kHeaderSize, h1, 4, zone);
        return true;
    }
    const std::size_t second = kHeaderSize + static_cast<std::size_t>(block1);
    Header h2;
    if (!ReadHeader(b, second, h2, error))
        return false;
    if (CheckBlock(b, second + kHeaderSize, h2, 8, error) == 0)
        return false;
    if (!ReadTzifFooter(b, zone.footer, error))
        return false;
    ReadBlock(b, second + kHeaderSize, h2, 8, zone);
    return true;
}

bool ReadTzifFooter(const std::vector<std::uint8_t>& b, std::string& footer, std::string& error)
{
    Header h1;
    if (!ReadHeader(b, 0, h1, error))
        return false;
    const std::uint64_t block1 = CheckBlock(b, kHeaderSize, h1, 4, error);
    if (block1 == 0)
        return false;
    if (h1.version < '2') {
        error = "version 1 file without a rule";
        return false;
    }
    const std::size_t second = kHeaderSize + static_cast<std::size_t>(block1);
    Header h2;
    if (!ReadHeader(b, second, h2, error))
        return false;
    const std::uint64_t block2 = CheckBlock(b, second + kHeaderSize, h2, 8, error);
    if (block2 == 0)
        return false;
    std::size_t at = second + kHeaderSize + static_cast<std::size_t>(block2);
    if (at >= b.size() || b[at] != '\n') {
        error = "missing rule";
        return false;
    }
    ++at;
    const auto* begin = b.data() + at;
    const auto* nl = static_cast<const std::uint8_t*>(std::memchr(begin, '\n', b.size() - at));
    if (!nl) {
        error = "rule not terminated";
        return false;
    }
    footer.assign(reinterpret_cast<const char*>(begin), static_cast<std::size_t>(nl - begin));
    return true;
}

} // namespace orbel
