#include "settings/CPPFormat.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orbel {

CPPFormat::CPPFormat(CPSOptions& sheet) : CPPParent(sheet, "CPPFormat", QStringLiteral("View"))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("This page is not available yet."), this));
}

PageCheck CPPFormat::Store()
{
    return {};
}

} // namespace orbel
