#pragma once
// The Time Protocol client: connects, reads the server's four bytes and fills the
// synchronisation record. A transfer that has no answer within its wait (from the start,
// the name lookup included) ends with 10060.
#include <QObject>

#include <cstdint>

#include "sync/SyncRecord.h"
#include "sync/qt/CHostSocket.h"

class QTimer;

namespace orbel {

class SystemClock;

class CTimeSocket : public CHostSocket {
    Q_OBJECT
public:
    CTimeSocket(CHostSocket** ownerSlot, bool selfDeleting, TransferReceiver receiver,
                std::uint32_t flags, SystemClock& clock);

    // The record to fill; without one the transfer fails with 10022.
    void SetRecord(SyncRecord* record) { record_ = record; }
    void SetAnswerWait(int ms) { answerWaitMs_ = ms; }
    // The value as the server sent it, in host order; 0 until four bytes were read.
    std::uint32_t ReceivedValue() const { return value_; }

protected:
    void OnStart() override;
    void OnConnect(int error) override;
    void OnReceive(int error) override;

private:
    void ProcessAnswer(std::uint32_t seconds);

    std::uint32_t value_ = 0;
    std::uint64_t connectTick_ = 0; // the millisecond tick when the connection was made
    SyncRecord* record_ = nullptr;
    SystemClock& clock_;
    QTimer* timer_ = nullptr;
    int answerWaitMs_ = 10000;
};

} // namespace orbel
