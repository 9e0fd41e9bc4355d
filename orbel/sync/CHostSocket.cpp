#include "sync/CHostSocket.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <arpa/inet.h>
#include <cerrno>
#include <map>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "sync/SocketErrors.h"

namespace orbel {
namespace {

// Lookup task handle -> the socket waiting for it. Used only from the event loop's thread.
std::map<int, CHostSocket*>& LookupTable()
{
    static std::map<int, CHostSocket*> table;
    return table;
}

int g_lastPlatformError = 0;
int g_nextLookupHandle = 1;

// getaddrinfo for IPv4 stream sockets, on the calling thread.
LookupReply Resolve(int handle, const std::string& host)
{
    LookupReply reply;
    reply.handle = handle;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    errno = 0;
    reply.result = ::getaddrinfo(host.c_str(), nullptr, &hints, &found);
    reply.errnoValue = errno;
    if (reply.result == 0) {
        for (const addrinfo* a = found; a; a = a->ai_next) {
            if (a->ai_family != AF_INET)
                continue;
            char text[INET_ADDRSTRLEN] = {};
            const auto* in = reinterpret_cast<const sockaddr_in*>(a->ai_addr);
            if (::inet_ntop(AF_INET, &in->sin_addr, text, sizeof text))
                reply.addresses.push_back(text);
        }
        ::freeaddrinfo(found);
    }
    return reply;
}

} // namespace

CHostSocket::CHostSocket(CHostSocket** ownerSlot, bool selfDeleting, TransferReceiver receiver,
                         std::uint32_t flags)
    : ownerSlot_(ownerSlot), flags_(flags), receiver_(std::move(receiver)),
      selfDeleting_(selfDeleting)
{
}

CHostSocket::~CHostSocket()
{
    Detach();
    error_ = 0;
    abortReported_ = false;
}

void CHostSocket::Start(const std::string& host)
{
    CloseSocket();
    error_ = 0;
    OnStart();
    fd_ = ::socket(AF_INET, SocketType() | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0) {
        const int code = SocketErrorFromErrno(errno);
        ReportLater(code);
        return;
    }
    in_addr parsed{};
    if (!host.empty() && ::inet_pton(AF_INET, host.c_str(), &parsed) == 1) {
        // A dotted address needs no lookup. The connection starts from the event loop so
        // that whoever started the transfer hears of its end only after Start returned.
        QMetaObject::invokeMethod(
            this,
            [this, host] {
                if (error_ == 0) // not cancelled meanwhile
                    ConnectTo(0, host);
            },
            Qt::QueuedConnection);
        return;
    }
    CancelLookup();
    // The resolver blocks, so it runs on a thread of its own; its answer comes back to the
    // event loop's thread by task handle, and is dropped there when the transfer has gone.
    lookupHandle_ = g_nextLookupHandle++;
    if (g_nextLookupHandle < 0)
        g_nextLookupHandle = 1;
    LookupTable()[lookupHandle_] = this;
    QPointer<QCoreApplication> app = QCoreApplication::instance();
    std::thread([app, handle = lookupHandle_, host] {
        const LookupReply reply = Resolve(handle, host);
        if (app)
            QMetaObject::invokeMethod(
                app.data(), [reply] { CHostSocket::OnLookupReply(reply.handle, reply); },
                Qt::QueuedConnection);
    }).detach();
}

void CHostSocket::Cancel()
{
    g_lastPlatformError = SocketError::Interrupted;
    ReportError(SocketError::Interrupted);
}

void CHostSocket::ReportLater(int code)
{
    QMetaObject::invokeMethod(
        this,
        [this, code] {
            if (error_ == 0) // not ended meanwhile
                ReportError(code);
        },
        Qt::QueuedConnection);
}

void CHostSocket::OnLookupReply(int taskHandle, const LookupReply& reply)
{
    auto& table = LookupTable();
    const auto it = table.find(taskHandle);
    if (it == table.end()) {
        g_lastPlatformError = SocketError::InvalidArgument;
        return;
    }
    CHostSocket* socket = it->second;
    table.erase(it);
    socket->lookupHandle_ = -1;
    socket->OnHostResolved(LookupErrorCode(reply), reply);
}

int CHostSocket::LastPlatformError()
{
    return g_lastPlatformError;
}

int CHostSocket::PendingLookups()
{
    return static_cast<int>(LookupTable().size());
}

int CHostSocket::LookupErrorCode(const LookupReply& reply)
{
    if (reply.result == 0)
        return reply.addresses.empty() ? SocketError::NoData : 0;
    return SocketErrorFromLookup(reply.result, reply.errnoValue);
}

void CHostSocket::OnHostResolved(int e, const LookupReply& reply)
{
    if (e != 0 || error_ != 0) {
        ReportError(e != 0 ? e : error_);
        return;
    }
    // The socket speaks IPv4: the first address of the answer is the one tried.
    if (reply.addresses.empty()) {
        ReportError(SocketError::NoData);
        return;
    }
    ConnectTo(0, reply.addresses.front());
}

void CHostSocket::ConnectTo(int e, const std::string& address)
{
    if (e != 0) {
        ReportError(e);
        return;
    }
    if (error_ != 0) {
        ReportError(error_);
        return;
    }
    int code = 0;
    if (!ConnectSocket(address, port_, code))
        ReportError(code);
}

bool CHostSocket::ConnectSocket(const std::string& dottedAddress, std::uint16_t port, int& error)
{
    if (fd_ < 0) {
        error = SocketError::InvalidArgument;
        return false;
    }
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    if (::inet_pton(AF_INET, dottedAddress.c_str(), &to.sin_addr) != 1) {
        error = SocketError::InvalidArgument;
        return false;
    }
    if (::connect(fd_, reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0 &&
        errno != EINPROGRESS) {
        error = SocketErrorFromErrno(errno);
        return false;
    }
    // Connected or connecting: the socket turns writable when the connection is settled.
    if (!writeNotifier_) {
        writeNotifier_ = new QSocketNotifier(fd_, QSocketNotifier::Write, this);
        connect(writeNotifier_, &QSocketNotifier::activated, this, &CHostSocket::OnWritable);
    }
    writeNotifier_->setEnabled(true);
    return true;
}

void CHostSocket::OnWritable()
{
    writeNotifier_->setEnabled(false);
    int soError = 0;
    socklen_t length = sizeof soError;
    if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &soError, &length) != 0)
        soError = errno;
    OnConnect(SocketErrorFromErrno(soError));
}

void CHostSocket::WaitForRead()
{
    if (fd_ < 0)
        return;
    if (!readNotifier_) {
        readNotifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
        connect(readNotifier_, &QSocketNotifier::activated, this, &CHostSocket::OnReadable);
    }
    readNotifier_->setEnabled(true);
}

void CHostSocket::OnReadable()
{
    readNotifier_->setEnabled(false);
    OnReceive(0);
}

long CHostSocket::Read(unsigned char* buffer, std::size_t n, int& error)
{
    if (fd_ < 0) {
        error = SocketError::InvalidArgument;
        return -1;
    }
    const ssize_t got = ::recv(fd_, buffer, n, MSG_DONTWAIT);
    if (got < 0)
        error = errno == EWOULDBLOCK ? SocketError::WouldBlock : SocketErrorFromErrno(errno);
    return static_cast<long>(got);
}

bool CHostSocket::MoreDataWaiting()
{
    unsigned char byte = 0;
    return fd_ >= 0 && ::recv(fd_, &byte, 1, MSG_PEEK | MSG_DONTWAIT) > 0;
}

bool CHostSocket::SendDatagram(const std::string& dottedAddress, std::uint16_t port,
                               const unsigned char* bytes, std::size_t n, int& error)
{
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    if (fd_ < 0 || ::inet_pton(AF_INET, dottedAddress.c_str(), &to.sin_addr) != 1) {
        error = SocketError::InvalidArgument;
        return false;
    }
    const ssize_t sent =
        ::sendto(fd_, bytes, n, MSG_DONTWAIT, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    if (sent < 0) {
        error = SocketErrorFromErrno(errno);
        return false;
    }
    if (static_cast<std::size_t>(sent) != n) {
        error = SocketError::Unknown;
        return false;
    }
    return true;
}

long CHostSocket::ReadDatagram(unsigned char* buffer, std::size_t n, std::string& fromAddress,
                               std::uint16_t& fromPort, int& error)
{
    if (fd_ < 0) {
        error = SocketError::InvalidArgument;
        return -1;
    }
    sockaddr_in from{};
    socklen_t length = sizeof from;
    // MSG_TRUNC: the datagram's real length, even when it did not fit.
    const ssize_t got = ::recvfrom(fd_, buffer, n, MSG_DONTWAIT | MSG_TRUNC,
                                   reinterpret_cast<sockaddr*>(&from), &length);
    if (got < 0) {
        error = errno == EWOULDBLOCK ? SocketError::WouldBlock : SocketErrorFromErrno(errno);
        return -1;
    }
    char text[INET_ADDRSTRLEN] = {};
    fromAddress =
        from.sin_family == AF_INET && ::inet_ntop(AF_INET, &from.sin_addr, text, sizeof text) ? text
                                                                                              : "";
    fromPort = ntohs(from.sin_port);
    return static_cast<long>(got);
}

int CHostSocket::SocketType() const
{
    return SOCK_STREAM;
}

void CHostSocket::OnConnect(int) {}
void CHostSocket::OnReceive(int) {}
void CHostSocket::OnStart() {}

void CHostSocket::Notify(int kind, int code, int extra)
{
    if (receiver_)
        receiver_(TransferNotification{this, kind, code, extra});
}

void CHostSocket::NotifyError(int code)
{
    Notify(TransferFailed, code, 0);
}

void CHostSocket::ReportError(int code)
{
    if (code == 0)
        return;
    const int previous = error_;
    error_ = code;
    if (code == SocketError::Interrupted) {
        if (!abortReported_) {
            abortReported_ = true;
            NotifyError(code);
        }
    } else {
        NotifyError(code);
    }
    if (previous != 0)
        return; // the transfer had already ended
    Finish();
}

void CHostSocket::Finish()
{
    if (selfDeleting_) {
        // Gone for everyone at once; the memory goes when the event loop next runs, since
        // this may be running inside one of the object's own notifier calls.
        Detach();
        deleteLater();
    } else {
        CancelLookup();
        CloseSocket();
    }
}

void CHostSocket::CloseSocket()
{
    // The notifiers may be the ones whose signal is running now: switch them off and let
    // the event loop delete them.
    for (QSocketNotifier* n : {readNotifier_, writeNotifier_}) {
        if (n) {
            n->setEnabled(false);
            n->deleteLater();
        }
    }
    readNotifier_ = nullptr;
    writeNotifier_ = nullptr;
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

void CHostSocket::CancelLookup()
{
    if (lookupHandle_ < 0)
        return;
    // The resolver's thread cannot be stopped; its answer finds no entry and is dropped.
    LookupTable().erase(lookupHandle_);
    lookupHandle_ = -1;
}

void CHostSocket::Detach()
{
    if (detached_)
        return;
    detached_ = true;
    CancelLookup();
    CloseSocket();
    if (ownerSlot_ && *ownerSlot_ == this)
        *ownerSlot_ = nullptr;
}

} // namespace orbel
