#pragma once
// "Reducciones y sus precios": the read-only grid of the direct system and the reductions
// al 5, al 4 and al 3 for 7 to 49 numbers, each with the bets of its compact design beside
// it. One button closes it.
#include <filesystem>

#include "controles/TDialogo.h"

class QTableWidget;

namespace numbrela::ui {

class TTablaReducciones : public TDialogo {
    Q_OBJECT
public:
    // The compact sizes are those of the designs in `carpeta`.
    TTablaReducciones(QWidget* parent, const std::filesystem::path& carpeta);
    QTableWidget* Rejilla() const { return rejilla_; }

private:
    QTableWidget* rejilla_;
};

} // namespace numbrela::ui
