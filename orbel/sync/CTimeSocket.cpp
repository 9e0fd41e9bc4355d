#include "sync/CTimeSocket.h"

#include <chrono>

#include "sync/SocketErrors.h"
#include "sync/SystemClock.h"
#include "sync/TimeAnswer.h"

namespace orbel {
namespace {

// The millisecond tick taken when the connection was established (one transfer at a time).
std::uint64_t g_connectTick = 0;

std::uint64_t TickMs()
{
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

CTimeSocket::CTimeSocket(CHostSocket** ownerSlot, bool selfDeleting, TransferReceiver receiver,
                         std::uint32_t flags, SystemClock& clock)
    : CHostSocket(ownerSlot, selfDeleting, std::move(receiver), flags), clock_(clock)
{
}

void CTimeSocket::OnStart()
{
    value_ = 0;
    haveValue_ = false;
}

void CTimeSocket::OnConnect(int e)
{
    if (e != 0 || ErrorCode() != 0) {
        ReportError(e != 0 ? e : ErrorCode());
        return;
    }
    g_connectTick = TickMs();
    unsigned char bytes[4];
    int error = 0;
    const long got = Read(bytes, sizeof bytes, error);
    if (got < 0) {
        if (error == SocketError::WouldBlock)
            WaitForRead();
        else
            ReportError(error);
        return;
    }
    if (got != 4) {
        ReportError(SocketError::NoData);
        return;
    }
    value_ = TimeValueFromNetworkBytes(bytes);
    haveValue_ = true;
    OnReceive(0);
}

void CTimeSocket::OnReceive(int e)
{
    if (e != 0 || ErrorCode() != 0) {
        ReportError(e != 0 ? e : ErrorCode());
        return;
    }
    if (!haveValue_) {
        unsigned char bytes[4];
        int error = 0;
        const long got = Read(bytes, sizeof bytes, error);
        if (got < 0 && error == SocketError::WouldBlock) {
            WaitForRead(); // woken with nothing to read: keep waiting
            return;
        }
        if (got < 0) {
            ReportError(error); // a reset connection says so, not "no data"
            return;
        }
        // The four bytes must come in this one read: three, or one at a time, or nothing
        // before the end of the stream, is not an answer.
        if (got != 4) {
            ReportError(SocketError::NoData);
            return;
        }
        value_ = TimeValueFromNetworkBytes(bytes);
        haveValue_ = true;
    }
    // A Time Protocol server sends four bytes and closes. More bytes already waiting mean
    // another kind of server (an HTTP reply's "HTTP" would read as a date in 1938).
    if (MoreDataWaiting()) {
        ReportError(SocketError::NoData);
        return;
    }
    ProcessAnswer(value_ + HalfDelaySeconds(g_connectTick, TickMs()));
}

void CTimeSocket::ProcessAnswer(std::uint32_t seconds)
{
    if (ErrorCode() != 0) {
        ReportError(ErrorCode());
        return;
    }
    if (!record_) {
        ReportError(SocketError::InvalidArgument);
        return;
    }
    const DateTime pcUtc = DateTimeFromCalendar(clock_.UtcNow());
    const DateTime pcLocal = DateTimeFromCalendar(clock_.LocalNow());
    ProcessTimeAnswer(*record_, seconds, pcUtc, pcLocal);
    Notify(TransferFinished, 0, 0);
    Finish();
}

} // namespace orbel
