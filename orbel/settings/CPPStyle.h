#pragma once
// The Style page: the five colours of the clocks and their typeface, with a preview.
#include "settings/CPPParent.h"

namespace orbel {

class CPPStyle : public CPPParent {
    Q_OBJECT
public:
    explicit CPPStyle(CPSOptions& sheet);
    PageCheck Store() override;
};

} // namespace orbel
