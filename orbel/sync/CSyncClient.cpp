#include "sync/CSyncClient.h"

#include "sync/CTimeSocket.h"
#include "sync/ServerSetting.h"

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
    auto* transfer = new CTimeSocket(
        &current_, true, [this](const TransferNotification& n) { Notified(n); },
        mode != 0 ? CHostSocket::kAutomaticFlag : 0u, clock_);
    current_ = transfer;
    record_.status = 1;
    transfer->SetRecord(&record_);

    const ServerAddress server = ParseServerSetting(serverSetting);
    settingProblem_ = server.problem;
    if (server.error != 0) {
        transfer->ReportLater(server.error);
        return DownloadStarted;
    }
    transfer->SetPort(server.port);
    transfer->Start(server.host);
    return DownloadStarted;
}

void CSyncClient::Notified(const TransferNotification& n)
{
    const TransferEndRoute route =
        RouteTransferEnd(n.kind, n.transfer && n.transfer->IsAutomatic());
    if (route.adjustAutomatically && onAutomaticSuccess)
        onAutomaticSuccess(n);
    if (route.tellPage && onNotification)
        onNotification(n);
}

} // namespace orbel
