#pragma once
// Where the end of a time transfer goes, and what one read of the server's answer means:
// the rules the socket transport follows, kept apart from the sockets.
#include <cstdint>

namespace orbel {

enum TransferNotifyKind : int {
    TransferFinished = 0, // a reading was taken
    TransferFailed = 1,   // failed with the code
};

// The end of a transfer. An automatic transfer's failure is dropped (the next change of
// the hour tries again); its success first adjusts the clock's minutes and seconds (without
// asking for authorisation) and is then told to the Adjust Time page. A manual transfer's
// end, success or failure, is told to the page. Other kinds go nowhere.
struct TransferEndRoute {
    bool adjustAutomatically = false;
    bool tellPage = false;
};
TransferEndRoute RouteTransferEnd(int kind, bool automatic);

// One read of the answer: `got` bytes (or -1 with `readError`), `bytes` what was read, and
// whether more bytes wait behind them. A Time Protocol server sends four bytes and closes:
// a read that would block waits; a read error fails with it; fewer than four bytes, or
// more behind them (another kind of server), fail with 11004; four bytes give the server's
// value plus half the time the answer took since the connection.
struct AnswerStep {
    enum Kind { Wait, Failed, Answered } kind = Wait;
    int error = 0;
    std::uint32_t seconds = 0;
};
AnswerStep ReadAnswerStep(long got, int readError, const unsigned char bytes[4], bool moreWaiting,
                          std::uint64_t connectTickMs, std::uint64_t answerTickMs);

} // namespace orbel
