// The end of a transfer and the reading of the answer, without sockets.
#include <gtest/gtest.h>

#include "sync/SocketErrors.h"
#include "sync/TransferRoute.h"

namespace orbel {
namespace {

TEST(TransferRoute, AutomaticFailuresAreDroppedAndSuccessesAdjustFirst)
{
    struct Case {
        int kind;
        bool automatic;
        bool adjust, tell;
    } cases[] = {
        {TransferFinished, false, false, true}, // the page shows the reading
        {TransferFailed, false, false, true},   // the page shows the error
        {TransferFinished, true, true, true},   // adjusted, then the page reloads
        {TransferFailed, true, false, false},   // retried at the next hour, silently
        {2, false, false, false},
        {7, true, false, false},
    };
    for (const Case& c : cases) {
        const TransferEndRoute r = RouteTransferEnd(c.kind, c.automatic);
        EXPECT_EQ(r.adjustAutomatically, c.adjust) << c.kind << " " << c.automatic;
        EXPECT_EQ(r.tellPage, c.tell) << c.kind << " " << c.automatic;
    }
}

TEST(TransferRoute, OnlyFourBytesAndNothingMoreAreAnAnswer)
{
    // 0xE0000000 seconds after 1900, read 5 s after connecting: 2 s of half delay added.
    const unsigned char bytes[4] = {0xE0, 0x00, 0x00, 0x00};
    AnswerStep s = ReadAnswerStep(4, 0, bytes, false, 1000, 6000);
    EXPECT_EQ(s.kind, AnswerStep::Answered);
    EXPECT_EQ(s.seconds, 3758096386u);

    struct Case {
        long got;
        int readError;
        bool more;
        AnswerStep::Kind kind;
        int error;
    } cases[] = {
        {-1, SocketError::WouldBlock, false, AnswerStep::Wait, 0},
        {-1, SocketError::ConnectionReset, false, AnswerStep::Failed, SocketError::ConnectionReset},
        {0, 0, false, AnswerStep::Failed, SocketError::NoData}, // closed without a word
        {3, 0, false, AnswerStep::Failed, SocketError::NoData},
        {4, 0, true, AnswerStep::Failed, SocketError::NoData}, // "HTTP/1.1 ..."
    };
    for (const Case& c : cases) {
        s = ReadAnswerStep(c.got, c.readError, bytes, c.more, 0, 0);
        EXPECT_EQ(s.kind, c.kind) << c.got;
        EXPECT_EQ(s.error, c.error) << c.got;
    }
}

} // namespace
} // namespace orbel
