#include "settings/CPPStyle.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orbel {

CPPStyle::CPPStyle(CPSOptions& sheet) : CPPParent(sheet, "CPPStyle", QStringLiteral("Style"))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("This page is not available yet."), this));
}

PageCheck CPPStyle::Store()
{
    return {};
}

} // namespace orbel
