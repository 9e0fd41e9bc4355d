#pragma once
// The clock window's side of the time transfer: at most one transfer at a time, started by
// the Adjust Time page's Download button (manual) or by the schedule (automatic), and the
// routing of its notification.
#include <QObject>

#include <functional>
#include <string>

#include "sync/SyncRecord.h"
#include "sync/qt/CHostSocket.h"

namespace orbel {

class SystemClock;

enum StartDownloadResult : int {
    DownloadStarted = 1,
    DownloadAlreadyRunning = 2, // for a manual start the running transfer was cancelled
    DownloadNoSocketLayer = 3,
};

class CSyncClient : public QObject {
    Q_OBJECT
public:
    CSyncClient(SyncRecord& record, SystemClock& clock);
    ~CSyncClient(); // cancels a transfer still running
    CSyncClient(const CSyncClient&) = delete;
    CSyncClient& operator=(const CSyncClient&) = delete;

    // mode 0 manual, 3 automatic. serverSetting: host, optional ":port", optional comment;
    // ntp://host[:port] asks a network time server, anything else a Time Protocol server.
    StartDownloadResult StartDownload(int mode, const std::string& serverSetting);

    CHostSocket* CurrentTransfer() const { return current_; }
    bool TransferExists() const { return current_ != nullptr; }
    // Why the last server setting could not be used (empty when it could).
    const std::string& SettingProblem() const { return settingProblem_; }

    // The computer's clock was stepped (by the user or another time service): a fresh
    // reading measured the old clock, and applying its offset now would move the clock by
    // the step a second time, so it is dropped (the record's status becomes 1) and
    // readingDropped is emitted. A reading already used, or none, stays as it is.
    void ComputerClockStepped();
    // How long a Time Protocol transfer may take from its start to the server's answer (a
    // server that accepts and never answers ends it with 10060), and how long a network
    // time transfer waits for its answer, in milliseconds. The first is the command line's
    // default --timeout.
    int answerWaitMs = 10000;
    int ntpAnswerWaitMs = 5000;

signals:
    void readingDropped();
    // A successful automatic transfer: the shell adjusts the minutes and seconds, with
    // AdjustClock(AdjustMinutesSeconds, ..., AdjustOrigin::Automatic) so that nobody is
    // asked for authorisation (before the page hears of it). It is emitted from the event
    // loop once the transfer has ended and let go of itself, since setting the clock may
    // run events for as long as the system takes: the notification's transfer is gone then.
    void automaticSuccess(const orbel::TransferNotification& n);
    // For the Adjust Time page while it is open (or the command line): manual transfers'
    // ends, emitted before the transfer lets go of itself (a receiver that shows a message
    // connects queued), and automatic successes, emitted after automaticSuccess.
    void transferEnded(const orbel::TransferNotification& n);

private:
    void Notified(const TransferNotification& n);

    SyncRecord& record_;
    SystemClock& clock_;
    CHostSocket* current_ = nullptr;
    std::string settingProblem_;
    QObject later_; // runs the automatic adjustment from the event loop while this lives
};

} // namespace orbel
