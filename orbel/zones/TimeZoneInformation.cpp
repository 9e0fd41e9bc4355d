#include "zones/TimeZoneInformation.h"

namespace orbel {
namespace {

void Put16(std::uint8_t*& p, std::uint16_t v)
{
    *p++ = static_cast<std::uint8_t>(v);
    *p++ = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::uint8_t*& p, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        *p++ = static_cast<std::uint8_t>(u >> (8 * i));
}

std::uint16_t Get16(const std::uint8_t*& p)
{
    const std::uint16_t v = static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    p += 2;
    return v;
}

std::int32_t Get32(const std::uint8_t*& p)
{
    const std::uint32_t v =
        p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    p += 4;
    return static_cast<std::int32_t>(v);
}

void PutTime(std::uint8_t*& p, const SystemTime& t)
{
    for (std::uint16_t v :
         {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds})
        Put16(p, v);
}

SystemTime GetTime(const std::uint8_t*& p)
{
    SystemTime t;
    for (std::uint16_t* f : {&t.wYear, &t.wMonth, &t.wDayOfWeek, &t.wDay, &t.wHour, &t.wMinute,
                             &t.wSecond, &t.wMilliseconds})
        *f = Get16(p);
    return t;
}

} // namespace

void TimeZoneInformation::ToBytes(std::uint8_t out[kSize]) const
{
    std::uint8_t* p = out;
    Put32(p, Bias);
    for (std::uint16_t u : StandardName)
        Put16(p, u);
    PutTime(p, StandardDate);
    Put32(p, StandardBias);
    for (std::uint16_t u : DaylightName)
        Put16(p, u);
    PutTime(p, DaylightDate);
    Put32(p, DaylightBias);
}

TimeZoneInformation TimeZoneInformation::FromBytes(const std::uint8_t in[kSize])
{
    TimeZoneInformation z;
    const std::uint8_t* p = in;
    z.Bias = Get32(p);
    for (std::uint16_t& u : z.StandardName)
        u = Get16(p);
    z.StandardDate = GetTime(p);
    z.StandardBias = Get32(p);
    for (std::uint16_t& u : z.DaylightName)
        u = Get16(p);
    z.DaylightDate = GetTime(p);
    z.DaylightBias = Get32(p);
    return z;
}

bool IsSameZoneInformation(const TimeZoneInformation& a, const TimeZoneInformation& b)
{
    return a.Bias == b.Bias && a.StandardBias == b.StandardBias &&
           a.DaylightBias == b.DaylightBias && a.StandardDate == b.StandardDate &&
           a.DaylightDate == b.DaylightDate;
}

} // namespace orbel
