#include "sync/qt/CSyncClient.h"

#include "sync/ServerSetting.h"
#include "sync/qt/CNtpSocket.h"
#include "sync/qt/CTimeSocket.h"

namespace orbel {

CSyncClient::CSyncClient(SyncRecord& record, SystemClock& clock) : record_(record), clock_(clock) {}

CSyncClient::~CSyncClient()
{
    if (current_ && current_->ErrorCode() == 0)
        current_->Cancel();
    delete current_; // normally already gone: a cancelled transfer lets go of it
}

StartDownloadResult CSyncClient::StartDownload(int mode, const std::string& serverSetting)
{
    if (current_) {
        if (mode == 0)
            current_->Cancel();
        return DownloadAlreadyRunning;
    }
    // The socket layer of Linux needs no start-up, so 3 never happens here.
    const ServerAddress server = ParseServerSetting(serverSetting);
    settingProblem_ = server.problem;
    auto receiver = [this](const TransferNotification& n) { Notified(n); };
    const std::uint32_t flags = mode != 0 ? CHostSocket::kAutomaticFlag : 0u;
    CHostSocket* transfer = nullptr;
    if (server.ntp) {
        auto* ntp = new CNtpSocket(&current_, true, receiver, flags, clock_);
        ntp->SetRecord(&record_);
        ntp->SetServerName(server.host);
        ntp->SetAnswerWait(ntpAnswerWaitMs);
        transfer = ntp;
    } else {
        auto* time = new CTimeSocket(&current_, true, receiver, flags, clock_);
        time->SetRecord(&record_);
        time->SetAnswerWait(answerWaitMs);
        transfer = time;
    }
    current_ = transfer;
    record_.status = 1;

    if (server.error != 0) {
        transfer->ReportLater(server.error);
        return DownloadStarted;
    }
    transfer->SetPort(server.port);
    transfer->Start(server.host);
    return DownloadStarted;
}

void CSyncClient::ComputerClockStepped()
{
    if (record_.status != 0)
        return;
    record_.status = 1;
    emit readingDropped();
}

void CSyncClient::Notified(const TransferNotification& n)
{
    const TransferEndRoute route =
        RouteTransferEnd(n.kind, n.transfer && n.transfer->IsAutomatic());
    if (route.adjustAutomatically) {
        TransferNotification ended = n;
        ended.transfer = nullptr; // gone by then
        QMetaObject::invokeMethod(
            &later_,
            [this, ended, tell = route.tellPage] {
                emit automaticSuccess(ended);
                if (tell)
                    emit transferEnded(ended);
            },
            Qt::QueuedConnection);
        return;
    }
    if (route.tellPage)
        emit transferEnded(n);
}

} // namespace orbel
