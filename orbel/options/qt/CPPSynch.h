#pragma once
// The Adjust Time page of the options sheet: the server, the last reading and its
// difference to this computer's clock, the buttons that fetch the time and set the clock,
// and the automatic adjustment. Its texts, rules and checks are the core's
// (options/AdjustTimeRules.h, options/OptionsPages.h); the page moves them into its controls.
#include <vector>

#include "options/qt/CPPParent.h"
#include "sync/qt/CHostSocket.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orbel {

class SpinEdit;

class CPPSynch : public CPPParent {
    Q_OBJECT
public:
    explicit CPPSynch(CPSOptions& sheet);

    PageCheck Store() override;
    void OnSetActive() override;

    QComboBox* Server() const { return server_; }
    QLineEdit* Every() const { return every_; }
    QCheckBox* Adjust() const { return adjust_; }
    QPushButton* Download() const { return download_; }
    QPushButton* SetToLocalTime() const { return setFull_; }
    QPushButton* AdjustMinSec() const { return setMinSec_; }
    QLineEdit* Last() const { return last_; }
    QLineEdit* Next() const { return next_; }
    // The read-only text of the row with this caption ("UTC:", "Difference:"); empty when
    // there is no such row.
    QString Reading(const QString& caption) const;

private:
    // The steps of the constructor, in order.
    QLabel* MakeServerBox();
    void MakeButtons();
    QGroupBox* MakeAutomaticGroup();
    void LayOut(QLabel* serverLabel, QGroupBox* group);
    void ShowStoredValues();
    void ConnectControls();
    void FollowTransfers();

    // The reading, the difference, Last and Next, and the buttons' enabled state.
    void ShowReading();
    // Store the page and press Apply; false when a check refused.
    bool StoreAndApply();
    void OnDownload();
    void OnAdjust(int mode);
    void OnTransferEnd(int kind, int code);

    QComboBox* server_;
    QFormLayout* readings_;
    struct Row {
        QLabel* label;
        QLineEdit* field;
    };
    std::vector<Row> rows_;
    QPushButton* download_;
    QPushButton* setFull_;
    QPushButton* setMinSec_;
    QCheckBox* adjust_;
    SpinEdit* everyBox_;
    QLineEdit* every_; // its edit
    QLineEdit* last_;
    QLineEdit* next_;
};

} // namespace orbel
