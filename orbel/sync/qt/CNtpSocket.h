#pragma once
// The network time (NTP) client: one request over UDP with a random cookie as its transmit
// timestamp, the server's answer checked and measured, and the synchronisation record
// filled with the offset and delay. Asked again too soon, a server is only sent the request
// once the wait it asked for is over; a server that never answers ends the transfer after
// the answer wait.
#include <cstdint>
#include <string>

#include "sync/NtpExchange.h"
#include "sync/SyncRecord.h"
#include "sync/qt/CHostSocket.h"

class QTimer;

namespace orbel {

class SystemClock;

class CNtpSocket : public CHostSocket {
    Q_OBJECT
public:
    static constexpr int kAnswerWaitMs = 5000;

    CNtpSocket(CHostSocket** ownerSlot, bool selfDeleting, TransferReceiver receiver,
               std::uint32_t flags, SystemClock& clock);

    // The record to fill; without one the transfer fails with 10022.
    void SetRecord(SyncRecord* record) { record_ = record; }
    // The server as the setting names it, for its waits (by default its address).
    void SetServerName(const std::string& name) { serverName_ = name; }
    void SetAnswerWait(int ms) { answerWaitMs_ = ms; }
    // The letters of a kiss of death that ended the transfer, else empty.
    const std::string& Kiss() const { return kiss_; }
    // How long the request waited for the server's pacing before it was sent.
    std::int64_t PacedMs() const { return pacedMs_; }

protected:
    void OnStart() override;
    int SocketType() const override;
    void ConnectTo(int error, const std::string& address) override;
    void OnReceive(int error) override;

private:
    std::string PacingKey() const;
    void SendRequest();
    void AnswerWaitOver();
    void ProcessAnswer(NtpMeasurement m);
    bool Running() const { return IsOpen() && ErrorCode() == 0; }

    SystemClock& clock_;
    SyncRecord* record_ = nullptr;
    QTimer* timer_ = nullptr;
    std::string serverName_;
    std::string address_;
    std::string kiss_;
    std::uint64_t cookie_ = 0;
    std::int64_t sentSteadyNs_ = 0; // when the request left, on the monotonic clock
    std::int64_t pacedMs_ = 0;
    int answerWaitMs_ = kAnswerWaitMs;
    int ignoredError_ = 0; // why the last datagram that was not the answer was dropped
};

} // namespace orbel
