#include "sync/qt/CNtpSocket.h"

#include <QPointer>
#include <QTimer>

#include <chrono>
#include <random>
#include <sys/socket.h>

#include "sync/SocketErrors.h"
#include "sync/SystemClock.h"
#include "sync/TransferRoute.h"

namespace orbel {
namespace {

std::int64_t SteadyNs()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

// The computer's clock as an instant of the protocol's epoch.
NtpNanos WallClockNow()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count() +
           kNtpUnixEpochSeconds * kNtpNanosPerSecond;
}

std::uint64_t RandomCookie()
{
    static std::random_device device;
    std::uint64_t cookie = 0;
    while (cookie == 0) // an answer that leaves its origin timestamp at zero must not match
        cookie = (std::uint64_t{device()} << 32) | device();
    return cookie;
}

} // namespace

CNtpSocket::CNtpSocket(CHostSocket** ownerSlot, bool selfDeleting, TransferReceiver receiver,
                       std::uint32_t flags, SystemClock& clock)
    : CHostSocket(ownerSlot, selfDeleting, std::move(receiver), flags), clock_(clock)
{
    SetPort(kNtpPort);
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
}

void CNtpSocket::OnStart()
{
    timer_->stop();
    timer_->disconnect();
    address_.clear();
    kiss_.clear();
    cookie_ = 0;
    pacedMs_ = 0;
    ignoredError_ = 0;
}

int CNtpSocket::SocketType() const
{
    return SOCK_DGRAM;
}

std::string CNtpSocket::PacingKey() const
{
    return (serverName_.empty() ? address_ : serverName_) + ":" + std::to_string(Port());
}

void CNtpSocket::ConnectTo(int e, const std::string& address)
{
    if (e != 0 || ErrorCode() != 0) {
        ReportError(e != 0 ? e : ErrorCode());
        return;
    }
    address_ = CanonicalAddress(address); // as the answer's sender will be named
    const std::int64_t wait = ServerPacing().WaitBeforeRequest(PacingKey(), SteadyNs() / 1000000);
    if (wait <= 0) {
        SendRequest();
        return;
    }
    // Asked again too soon: the request goes out when the server's wait is over (a cancel
    // meanwhile ends the transfer and the timer finds it ended).
    pacedMs_ = wait;
    timer_->disconnect();
    connect(timer_, &QTimer::timeout, this, &CNtpSocket::SendRequest);
    timer_->start(static_cast<int>(std::min<std::int64_t>(wait, 0x7FFFFFFF)));
}

void CNtpSocket::SendRequest()
{
    if (!Running())
        return;
    cookie_ = RandomCookie();
    const auto request = NtpRequest(cookie_);
    sentSteadyNs_ = SteadyNs();
    int code = 0;
    if (!SendDatagram(address_, Port(), request.data(), request.size(), code)) {
        ReportError(code);
        return;
    }
    ServerPacing().Requested(PacingKey(), sentSteadyNs_ / 1000000);
    timer_->disconnect();
    connect(timer_, &QTimer::timeout, this, &CNtpSocket::AnswerWaitOver);
    timer_->start(answerWaitMs_);
    WaitForRead();
}

void CNtpSocket::AnswerWaitOver()
{
    if (!Running())
        return;
    // Datagrams came that were not the answer: say what was wrong with them.
    ReportError(ignoredError_ != 0 ? ignoredError_ : SocketError::NtpNoAnswer);
}

void CNtpSocket::OnReceive(int e)
{
    if (e != 0 || ErrorCode() != 0) {
        ReportError(e != 0 ? e : ErrorCode());
        return;
    }
    unsigned char buffer[kNtpLargestAnswer + 1];
    while (Running()) {
        std::string from;
        std::uint16_t fromPort = 0;
        int code = 0;
        const long got = ReadDatagram(buffer, sizeof buffer, from, fromPort, code);
        if (got < 0) {
            if (code == SocketError::WouldBlock)
                WaitForRead();
            else
                ReportError(code);
            return;
        }
        // Both ends of the round trip on the computer's clock as it reads now, the request's
        // departure counted back on the monotonic clock: should the clock have been stepped
        // meanwhile, the offset is still measured against the clock that will be set.
        const NtpNanos arrived = WallClockNow();
        const NtpNanos departed = arrived - (SteadyNs() - sentSteadyNs_);
        if (from != address_ || fromPort != Port()) {
            ignoredError_ = SocketError::NtpWrongSource;
            continue;
        }
        const NtpAnswerCheck check = CheckNtpAnswer(buffer, static_cast<std::size_t>(got), cookie_);
        switch (check.kind) {
        case NtpAnswerCheck::Ignored:
            ignoredError_ = check.error;
            continue;
        case NtpAnswerCheck::Rejected:
            if (!check.kiss.empty()) {
                kiss_ = check.kiss;
                ServerPacing().Kissed(PacingKey(), SteadyNs() / 1000000);
            }
            timer_->stop();
            ReportError(check.error);
            return;
        case NtpAnswerCheck::Accepted: {
            timer_->stop();
            ServerPacing().Answered(PacingKey());
            const NtpMeasurement m = MeasureNtp(departed, check.receive, check.transmit, arrived);
            if (const int bad = CheckNtpMeasurement(m); bad != 0)
                ReportError(bad);
            else
                ProcessAnswer(m);
            return;
        }
        }
    }
}

void CNtpSocket::ProcessAnswer(NtpMeasurement m)
{
    if (!record_) {
        ReportError(SocketError::InvalidArgument);
        return;
    }
    const DateTime pcUtc = DateTimeFromCalendar(clock_.UtcNow());
    const DateTime pcLocal = DateTimeFromCalendar(clock_.LocalNow());
    ProcessNtpAnswer(*record_, m, pcUtc, pcLocal);
    // The receiver must not delete the transfer; should it happen all the same (an event
    // loop run inside it), the transfer is not touched again.
    const QPointer<CNtpSocket> alive(this);
    Notify(TransferFinished, 0, 0);
    if (alive)
        Finish();
}

} // namespace orbel
