#pragma once
// An asynchronous stream socket started with a host name or a dotted address. Everything
// runs on the thread of the windows' event loop: the socket's readiness arrives through
// socket notifiers and the name lookup (the resolver on a thread of its own) answers as a
// queued call, routed by its task handle through a process-wide lookup table. The owner learns of
// the end through a notification delivered synchronously, before the transfer deletes itself.
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "sync/TransferRoute.h"

class QSocketNotifier;

namespace orbel {

class CHostSocket;

// An IPv4 or IPv6 address in its shortest written form ("0:0:0:0:0:0:0:1" is "::1"), as a
// datagram's sender is named; any other text as it is.
std::string CanonicalAddress(const std::string& address);

// The answer of a name lookup: the resolver's own result code (getaddrinfo's EAI_*, with
// errno for EAI_SYSTEM) and the addresses found, the IPv4 ones (dotted) before the IPv6 ones.
struct LookupReply {
    int handle = -1;
    int result = 0;
    int errnoValue = 0;
    std::vector<std::string> addresses;
};

// The four-field block a notification carries.
struct TransferNotification {
    CHostSocket* transfer = nullptr;
    int kind = 0;
    int code = 0;
    int extra = 0; // always 0
};

// Called synchronously; it may read the transfer and its record but must not delete it.
using TransferReceiver = std::function<void(const TransferNotification&)>;

class CHostSocket : public QObject {
    Q_OBJECT
public:
    static constexpr std::uint32_t kAutomaticFlag = 0x10000;

    // ownerSlot: the one pointer that refers to this object, cleared when it ends (may be
    // null). A self-deleting socket deletes itself when it finishes; otherwise it only
    // closes its socket.
    CHostSocket(CHostSocket** ownerSlot, bool selfDeleting, TransferReceiver receiver,
                std::uint32_t flags = 0);
    ~CHostSocket() override;

    // Begins a transfer to a host name (looked up without blocking) or an address (dotted, or
    // IPv6).
    void Start(const std::string& host);
    // Abandons the transfer; reported as 10004, once.
    void Cancel();

    // The port ConnectTo uses; the Time Protocol's 37 unless the server setting names one.
    void SetPort(std::uint16_t port) { port_ = port; }
    std::uint16_t Port() const { return port_; }
    // Ends the transfer with a failure from the event loop, as if a socket event had
    // brought it (a server setting that cannot be used).
    void ReportLater(int code);

    int ErrorCode() const { return error_; }
    std::uint32_t Flags() const { return flags_; }
    bool IsAutomatic() const { return (flags_ & kAutomaticFlag) != 0; }
    int LookupTaskHandle() const { return lookupHandle_; }
    bool IsOpen() const { return fd_ >= 0; }

    // Routes a lookup reply to its socket by task handle. A handle that matches no
    // pending lookup is ignored and leaves 10022 as the last platform error.
    static void OnLookupReply(int taskHandle, const LookupReply& reply);
    static int LastPlatformError();
    static int PendingLookups();

    // A lookup's failure as the transfer's error code, from the resolver's result code.
    static int LookupErrorCode(const LookupReply& reply);

protected:
    virtual void ConnectTo(int error, const std::string& address);
    virtual void OnHostResolved(int error, const LookupReply& reply);
    virtual void Notify(int kind, int code, int extra);
    virtual void NotifyError(int code);
    virtual void OnConnect(int error);
    virtual void OnReceive(int error);
    // Start begins here: clear what a previous run of this transfer left.
    virtual void OnStart();
    // SOCK_STREAM for the Time Protocol; a datagram client says SOCK_DGRAM.
    virtual int SocketType() const;

    // Stores and reports a failure; the first one ends the transfer.
    void ReportError(int code);
    // Ends the transfer: deleted when self-deleting, else only the socket is closed.
    void Finish();

    // Starts a non-blocking connection to an IPv4 or IPv6 address; false with the error code
    // on an immediate failure. Success or waiting is told through OnConnect.
    bool ConnectSocket(const std::string& address, std::uint16_t port, int& error);
    // recv of up to n bytes: the count, or -1 with the error code (10035 when nothing
    // is there yet).
    long Read(unsigned char* buffer, std::size_t n, int& error);
    // Whether more bytes are already waiting to be read.
    bool MoreDataWaiting();
    void WaitForRead();

    // Datagrams. Sends the whole of `bytes` to the address and port; false with the code.
    bool SendDatagram(const std::string& address, std::uint16_t port, const unsigned char* bytes,
                      std::size_t n, int& error);
    // Reads one datagram into the buffer: its full length (which may exceed n: the rest is
    // dropped), where it came from, or -1 with the code (10035 when none is waiting).
    long ReadDatagram(unsigned char* buffer, std::size_t n, std::string& fromAddress,
                      std::uint16_t& fromPort, int& error);

private:
    // The socket opened at the start is for IPv4; an IPv6 address reopens it for IPv6.
    bool UseFamily(int family, int& error);
    void CloseSocket();
    void CancelLookup();
    void Detach();
    void OnWritable();
    void OnReadable();

    int fd_ = -1;
    QSocketNotifier* readNotifier_ = nullptr;
    QSocketNotifier* writeNotifier_ = nullptr;
    CHostSocket** ownerSlot_ = nullptr;
    int lookupHandle_ = -1;
    std::uint16_t port_ = 37;
    std::uint32_t flags_ = 0;
    TransferReceiver receiver_;
    int error_ = 0;
    bool selfDeleting_ = false;
    bool abortReported_ = false;
    bool detached_ = false;
};

} // namespace orbel
