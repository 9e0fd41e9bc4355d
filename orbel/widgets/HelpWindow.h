#pragma once
// The help window: one stored help text, read only, and a Close button. Only one exists at a
// time; asking for another brings the shown one forward with the new text.
#include <QDialog>
#include <QPointer>

class QPlainTextEdit;

namespace orbel {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // Opens (or brings forward) the help window with the text of `name`. `extendTitle`: the
    // title names the window and page it was opened from.
    static HelpWindow* Open(QWidget* owner, const std::string& name, bool extendTitle,
                            const std::string& pageCaption = {});
    static HelpWindow* Current() { return current_; }
    QString Text() const;

private:
    explicit HelpWindow(QWidget* owner);
    void Show(const std::string& name, const QString& title);

    QPlainTextEdit* text_;
    static QPointer<HelpWindow> current_;
};

// A window with help of its own. The Help command opens it while the window (or a message
// over it) is in front, and F1 in the window does too.
class HelpSource {
public:
    virtual ~HelpSource() = default;
    virtual void ShowHelp() = 0;
};
// F1 anywhere in `window` opens its help.
void BindHelpKey(QWidget& window, HelpSource& source);
// Opens the help of `front` or of the nearest window that owns it; false when none has
// help of its own (the caller opens the general help).
bool ShowHelpOf(QWidget* front);

} // namespace orbel
