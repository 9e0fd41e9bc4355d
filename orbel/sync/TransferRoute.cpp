#include "sync/TransferRoute.h"

#include "sync/SocketErrors.h"
#include "sync/TimeAnswer.h"

namespace orbel {

TransferEndRoute RouteTransferEnd(int kind, bool automatic)
{
    TransferEndRoute r;
    if (kind != TransferFinished && kind != TransferFailed)
        return r;
    if (automatic && kind == TransferFailed)
        return r;
    r.adjustAutomatically = automatic;
    r.tellPage = true;
    return r;
}

AnswerStep ReadAnswerStep(long got, int readError, const unsigned char bytes[4], bool moreWaiting,
                          std::uint64_t connectTickMs, std::uint64_t answerTickMs)
{
    AnswerStep s;
    if (got < 0 && readError == SocketError::WouldBlock)
        return s; // woken with nothing to read: keep waiting
    s.kind = AnswerStep::Failed;
    if (got < 0) {
        s.error = readError; // a reset connection says so, not "no data"
        return s;
    }
    // The four bytes must come in this one read: three, or one at a time, or nothing before
    // the end of the stream, is not an answer; nor is a longer reply (an HTTP reply's
    // "HTTP" would read as a date in 1938).
    if (got != 4 || moreWaiting) {
        s.error = SocketError::NoData;
        return s;
    }
    s.kind = AnswerStep::Answered;
    s.seconds = TimeValueFromNetworkBytes(bytes) + HalfDelaySeconds(connectTickMs, answerTickMs);
    return s;
}

} // namespace orbel
