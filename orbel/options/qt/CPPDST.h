#pragma once
// The TZI page of the options sheet: how the corrected zone database file is used, what the
// file holds, and the daylight-saving rules of a zone as the system and the file give them.
// A change of usage takes effect when the page stores its fields: the zones are rebuilt,
// the clocks take theirs from them, and the zone pickers refill. The rules are the core's
// (options/TziPageModel.h, ApplyUsageMode in options/OptionsPages.h).
#include "options/TziPageModel.h"
#include "options/qt/CPPParent.h"

class QComboBox;
class QLineEdit;

namespace orbel {

class CPPDST : public CPPParent {
    Q_OBJECT
public:
    explicit CPPDST(CPSOptions& sheet);

    PageCheck Store() override;

    QComboBox* Usage() const { return usage_; }
    QLineEdit* Status() const { return status_; }
    QComboBox* Zone() const { return zone_; }
    QLineEdit* SystemStart() const { return systemStart_; }
    QLineEdit* SystemEnd() const { return systemEnd_; }
    QLineEdit* OrbelStart() const { return orbelStart_; }
    QLineEdit* OrbelEnd() const { return orbelEnd_; }

private:
    // A usage other than the current one takes effect now.
    void ReadFields();
    void FillPicker();
    void ShowRules();

    TziPageModel model_;
    QComboBox* usage_;
    QLineEdit* status_;
    QComboBox* zone_;
    QLineEdit* systemStart_;
    QLineEdit* systemEnd_;
    QLineEdit* orbelStart_;
    QLineEdit* orbelEnd_;
};

} // namespace orbel
