#pragma once
// "Reducciones y sus precios": the read-only grid of the direct system and the reductions
// al 5, al 4 and al 3 for 7 to 49 numbers. One button closes it.
#include "controles/TDialogo.h"

class QTableWidget;

namespace numbrela::ui {

class TTablaReducciones : public TDialogo {
    Q_OBJECT
public:
    explicit TTablaReducciones(QWidget* parent);
    QTableWidget* Rejilla() const { return rejilla_; }

private:
    QTableWidget* rejilla_;
};

} // namespace numbrela::ui
