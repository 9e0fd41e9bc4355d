#include "sync/qt/CTimeSocket.h"

#include <QPointer>
#include <QTimer>

#include <chrono>

#include "sync/SocketErrors.h"
#include "sync/SystemClock.h"
#include "sync/TimeAnswer.h"
#include "sync/TransferRoute.h"

namespace orbel {
namespace {

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
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (IsOpen() && ErrorCode() == 0) // still waiting
            ReportError(SocketError::TimedOut);
    });
}

void CTimeSocket::OnStart()
{
    value_ = 0;
    connectTick_ = 0;
    timer_->start(answerWaitMs_);
}

void CTimeSocket::OnConnect(int e)
{
    if (e != 0 || ErrorCode() != 0) {
        ReportError(e != 0 ? e : ErrorCode());
        return;
    }
    connectTick_ = TickMs();
    // The answer may already be there; else OnReceive waits for it.
    OnReceive(0);
}

void CTimeSocket::OnReceive(int e)
{
    if (e != 0 || ErrorCode() != 0) {
        ReportError(e != 0 ? e : ErrorCode());
        return;
    }
    unsigned char bytes[4] = {};
    int error = 0;
    const long got = Read(bytes, sizeof bytes, error);
    const AnswerStep step =
        ReadAnswerStep(got, error, bytes, got == 4 && MoreDataWaiting(), connectTick_, TickMs());
    switch (step.kind) {
    case AnswerStep::Wait:
        WaitForRead();
        return;
    case AnswerStep::Failed:
        ReportError(step.error);
        return;
    case AnswerStep::Answered:
        value_ = TimeValueFromNetworkBytes(bytes);
        ProcessAnswer(step.seconds);
        return;
    }
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
    timer_->stop();
    const DateTime pcUtc = DateTimeFromCalendar(clock_.UtcNow());
    const DateTime pcLocal = DateTimeFromCalendar(clock_.LocalNow());
    ProcessTimeAnswer(*record_, seconds, pcUtc, pcLocal);
    // The receiver must not delete the transfer; should it happen all the same (an event
    // loop run inside it), the transfer is not touched again.
    const QPointer<CTimeSocket> alive(this);
    Notify(TransferFinished, 0, 0);
    if (alive)
        Finish();
}

} // namespace orbel
