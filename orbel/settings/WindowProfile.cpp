#include "settings/WindowProfile.h"

namespace orbel {
namespace {

constexpr const char* kCurrentVersion = "CurrentVersion";
constexpr const char* kWindow = "Window";

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

std::int32_t AsInt(std::uint32_t v)
{
    return static_cast<std::int32_t>(v);
}

} // namespace

Rect KeepOnDesktop(Rect r, const Rect& desktop, std::int32_t minWidth, std::int32_t minHeight)
{
    auto shift = [](std::int32_t& lo, std::int32_t& hi, std::int32_t dlo, std::int32_t dhi,
                    std::int32_t min) {
        std::int64_t by = 0;
        if (std::int64_t{hi} < std::int64_t{dlo} + min)
            by = std::int64_t{dlo} + min - hi;
        else if (std::int64_t{lo} > std::int64_t{dhi} - min)
            by = std::int64_t{dhi} - min - lo;
        lo = static_cast<std::int32_t>(lo + by);
        hi = static_cast<std::int32_t>(hi + by);
    };
    shift(r.left, r.right, desktop.left, desktop.right, minWidth);
    shift(r.top, r.bottom, desktop.top, desktop.bottom, minHeight);
    return r;
}

CWindowProfile::CWindowProfile(RegistryStore& store, std::string path, std::uint32_t version)
    : CRegProfile(store), currentVersion(version), programPath(std::move(path))
{
}

void CWindowProfile::SetDefaults()
{
    const std::string storedPath = GetString(kCurrentVersion, "Path", "");
    if (!EqualIgnoringCase(storedPath, programPath))
        SetString(kCurrentVersion, "Path", programPath);
    storedVersion = GetDword(kCurrentVersion, "Version", storedVersion);
    if (storedVersion != currentVersion)
        SetDword(kCurrentVersion, "Version", currentVersion);
    onTop = 0;
    bounds = Rect{};
    showState = kShowNormal;
}

LoadResult CWindowProfile::Load()
{
    onTop = GetDword(kWindow, "On top", onTop);
    bounds.left = AsInt(GetDword(kWindow, "Bounds.left", static_cast<std::uint32_t>(bounds.left)));
    bounds.top = AsInt(GetDword(kWindow, "Bounds.top", static_cast<std::uint32_t>(bounds.top)));
    bounds.right =
        AsInt(GetDword(kWindow, "Bounds.right", static_cast<std::uint32_t>(bounds.right)));
    bounds.bottom =
        AsInt(GetDword(kWindow, "Bounds.bottom", static_cast<std::uint32_t>(bounds.bottom)));
    const std::int32_t state =
        AsInt(GetDword(kWindow, "State", static_cast<std::uint32_t>(showState)));
    showState = state >= kShowNormal && state <= kShowMaximized ? state : kShowNormal;
    return {};
}

SaveResult CWindowProfile::Save()
{
    SetDword(kWindow, "On top", onTop);
    // An empty rectangle is not written, so the last good one stays.
    if (!bounds.Empty()) {
        SetDword(kWindow, "Bounds.left", static_cast<std::uint32_t>(bounds.left)) &&
            SetDword(kWindow, "Bounds.top", static_cast<std::uint32_t>(bounds.top)) &&
            SetDword(kWindow, "Bounds.right", static_cast<std::uint32_t>(bounds.right)) &&
            SetDword(kWindow, "Bounds.bottom", static_cast<std::uint32_t>(bounds.bottom));
    }
    SetDword(kWindow, "State", static_cast<std::uint32_t>(showState));
    modified = 0;
    return {};
}

bool CWindowProfile::SetOnTop(bool flag)
{
    const std::uint32_t v = flag ? 1 : 0;
    if (v == onTop)
        return false;
    onTop = v;
    SetModified();
    return true;
}

bool CWindowProfile::SetBounds(const Rect& r)
{
    if (r == bounds)
        return false;
    bounds = r;
    SetModified();
    return true;
}

bool CWindowProfile::CapturePlacement(const WindowPlacement& p)
{
    if (p.showState != showState) {
        showState = p.showState;
        SetModified();
        return true;
    }
    return SetBounds(p.normal);
}

} // namespace orbel
