#pragma once
// The font chooser of the Style page: the installed typefaces and their styles, with the
// size fixed (the clock window sizes its text itself).
#include <QDialog>

#include <optional>

#include "settings/LogFont.h"

class QComboBox;
class QFontComboBox;
class QLabel;

namespace orbel {

class FontChooser : public QDialog {
    Q_OBJECT
public:
    // `font` is the page's copy; its height (in pixels) stays as it is.
    FontChooser(const LogFont& font, QWidget* parent);
    // The chosen font: face, weight and italic from the choice, the rest from the copy.
    LogFont Chosen() const;
    // Chooses a face and style as a user would (tests and keyboard use alike).
    void Choose(const QString& family, const QString& style = {});

    // Runs the chooser; the chosen font, or none when it was cancelled.
    static std::optional<LogFont> Ask(const LogFont& font, QWidget* parent);

private:
    void FillStyles();
    void ShowSample();

    LogFont font_;
    QFontComboBox* family_;
    QComboBox* style_;
    QLabel* sample_;
};

} // namespace orbel
