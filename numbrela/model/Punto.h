#pragma once
// A point in pixels or printer dots: the one point type of the planner's rules.
namespace numbrela {

struct TPunto {
    int X = 0;
    int Y = 0;
    bool operator==(const TPunto&) const = default;
};

} // namespace numbrela
