#pragma once
// The Style page: the five colours of the clocks and their typeface, with a preview.
#include <array>

#include "options/qt/CPPParent.h"
#include "settings/LogFont.h"

class QLabel;
class QPushButton;

namespace orbel {

class ColourPicker;

class CPPStyle : public CPPParent {
    Q_OBJECT
public:
    explicit CPPStyle(CPSOptions& sheet);
    PageCheck Store() override;

    ColourPicker* Picker(std::size_t i) { return pickers_.at(i); }
    QPushButton* BrowseButton() { return browse_; }
    // The page's copy of the font (its height is the preview's).
    const LogFont& FontCopy() const { return font_; }
    // Takes a font chosen in the chooser: preview and name follow, the page is changed.
    void TakeFont(const LogFont& chosen);

private:
    void ShowFont();

    std::array<ColourPicker*, 5> pickers_{};
    LogFont font_;
    QLabel *name_, *preview_;
    QPushButton* browse_;
};

} // namespace orbel
