#pragma once
// The View page: the clock window's frame options, what each clock shows, and how often it is
// redrawn.
#include "settings/CPPParent.h"

namespace orbel {

class CPPFormat : public CPPParent {
    Q_OBJECT
public:
    explicit CPPFormat(CPSOptions& sheet);
    PageCheck Store() override;
};

} // namespace orbel
