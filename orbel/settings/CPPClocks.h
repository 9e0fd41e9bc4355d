#pragma once
// The Clocks page: the clocks in display order, each with its title, supplement, zone and
// daylight-saving flag.
#include "settings/CPPParent.h"

namespace orbel {

class CPPClocks : public CPPParent {
    Q_OBJECT
public:
    explicit CPPClocks(CPSOptions& sheet);
    PageCheck Store() override;
};

} // namespace orbel
