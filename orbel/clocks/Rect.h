#pragma once
// A rectangle of window coordinates: left and top inside, right and bottom just outside.
#include <cstdint>

namespace orbel {

struct Rect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;

    std::int64_t Width() const { return std::int64_t{right} - left; }
    std::int64_t Height() const { return std::int64_t{bottom} - top; }
    // Empty unless both width and height are above 0.
    bool Empty() const { return Width() <= 0 || Height() <= 0; }
    bool operator==(const Rect&) const = default;
};

} // namespace orbel
