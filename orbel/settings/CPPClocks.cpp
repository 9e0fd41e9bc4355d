#include "settings/CPPClocks.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orbel {

CPPClocks::CPPClocks(CPSOptions& sheet) : CPPParent(sheet, "CPPClocks", QStringLiteral("Clocks"))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("This page is not available yet."), this));
}

PageCheck CPPClocks::Store()
{
    return {};
}

} // namespace orbel
