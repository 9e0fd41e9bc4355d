#pragma once
// The registry part every window program of ours keeps: the modified mark, the version
// bookkeeping, and where the main window was and how it was shown.
#include <cstdint>
#include <string>

#include "clocks/Rect.h"
#include "settings/RegProfile.h"

namespace orbel {

enum ShowState : std::int32_t { kShowNormal = 1, kShowMinimized = 2, kShowMaximized = 3 };

// What a window reports of its own placement.
struct WindowPlacement {
    std::int32_t showState = kShowNormal;
    Rect normal; // the rectangle in the normal (not minimised, not maximised) state
};

struct LoadResult {
    enum class Status { Loaded, NoFile, Failed };
    Status status = Status::Loaded;
    std::string error; // the message text when Failed; empty when there is none
};

struct SaveResult {
    bool ok = true;
    std::string error;
};

// Moves `r` so that at least `minWidth` x `minHeight` of it lies on `desktop`.
Rect KeepOnDesktop(Rect r, const Rect& desktop, std::int32_t minWidth, std::int32_t minHeight);

class CWindowProfile : public CRegProfile {
public:
    // `programPath` is the full path of the program file; `currentVersion` its product
    // version, major << 16 | minor (3.1 = 0x00030001).
    CWindowProfile(RegistryStore& store, std::string programPath, std::uint32_t currentVersion);

    virtual void SetDefaults();
    virtual LoadResult Load();
    virtual SaveResult Save();
    virtual bool IsModified() const { return modified != 0; }

    void SetModified() { modified = 1; }
    // Each stores the value and marks the settings modified when it differs. The window
    // layer applies the change to the window itself.
    bool SetOnTop(bool flag);
    bool SetBounds(const Rect& bounds);
    // Stores the state when it changed, else the normal rectangle when that changed.
    bool CapturePlacement(const WindowPlacement& placement);

    std::uint32_t modified = 0;
    std::uint32_t storedVersion = 0;
    std::uint32_t currentVersion;
    std::uint32_t onTop = 0;
    Rect bounds;
    std::int32_t showState = kShowNormal;
    std::string programPath;
};

} // namespace orbel
