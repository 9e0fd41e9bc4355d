#include "sync/qt/CHostSocket.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <arpa/inet.h>
#include <cerrno>
#include <map>
#include <mutex>
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

// getaddrinfo for stream sockets, on the calling thread: the IPv4 addresses first, then the
// IPv6 ones, so that a host with only an IPv6 address is reached over IPv6.
LookupReply Resolve(int handle, const std::string& host)
{
    LookupReply reply;
    reply.handle = handle;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    errno = 0;
    reply.result = ::getaddrinfo(host.c_str(), nullptr, &hints, &found);
    reply.errnoValue = errno;
    if (reply.result == 0) {
        std::vector<std::string> v6;
        for (const addrinfo* a = found; a; a = a->ai_next) {
            char text[INET6_ADDRSTRLEN] = {};
            if (a->ai_family == AF_INET) {
                const auto* in = reinterpret_cast<const sockaddr_in*>(a->ai_addr);
                if (::inet_ntop(AF_INET, &in->sin_addr, text, sizeof text))
                    reply.addresses.push_back(text);
            } else if (a->ai_family == AF_INET6) {
                const auto* in6 = reinterpret_cast<const sockaddr_in6*>(a->ai_addr);
                if (::inet_ntop(AF_INET6, &in6->sin6_addr, text, sizeof text))
                    v6.push_back(text);
            }
        }
        reply.addresses.insert(reply.addresses.end(), v6.begin(), v6.end());
        ::freeaddrinfo(found);
    }
    return reply;
}

// An IPv4 or IPv6 address as a socket address with the port; false for any other text.
bool ToSocketAddress(const std::string& address, std::uint16_t port, sockaddr_storage& to,
                     socklen_t& length)
{
    to = {};
    auto* in = reinterpret_cast<sockaddr_in*>(&to);
    if (::inet_pton(AF_INET, address.c_str(), &in->sin_addr) == 1) {
        in->sin_family = AF_INET;
        in->sin_port = htons(port);
        length = sizeof(sockaddr_in);
        return true;
    }
    to = {};
    auto* in6 = reinterpret_cast<sockaddr_in6*>(&to);
    if (::inet_pton(AF_INET6, address.c_str(), &in6->sin6_addr) == 1) {
        in6->sin6_family = AF_INET6;
        in6->sin6_port = htons(port);
        length = sizeof(sockaddr_in6);
        return true;
    }
    return false;
}

// The lookup threads' way back to the event loop. A thread may end after the application
// has gone (a lookup still running at exit): it posts only while the mailbox, a child of the
// application, exists, and the check and the post hold the lock its destructor takes. The
// lock and the pointer are never freed, so a late thread always finds them.
struct LookupPost {
    std::mutex lock;
    QObject* mailbox = nullptr;
};

LookupPost& Post()
{
    static LookupPost* post = new LookupPost;
    return *post;
}

class LookupMailbox : public QObject {
public:
    explicit LookupMailbox(QObject* parent) : QObject(parent) {}
    ~LookupMailbox() override
    {
        const std::lock_guard<std::mutex> hold(Post().lock);
        Post().mailbox = nullptr;
    }
};

void EnsureMailbox()
{
    QCoreApplication* app = QCoreApplication::instance();
    const std::lock_guard<std::mutex> hold(Post().lock);
    if (!Post().mailbox && app)
        Post().mailbox = new LookupMailbox(app);
}

void PostReply(const LookupReply& reply)
{
    const std::lock_guard<std::mutex> hold(Post().lock);
    if (Post().mailbox)
        QMetaObject::invokeMethod(
            Post().mailbox, [reply] { CHostSocket::OnLookupReply(reply.handle, reply); },
            Qt::QueuedConnection);
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
    sockaddr_storage parsed{};
    socklen_t parsedLength = 0;
    if (!host.empty() && ToSocketAddress(host, port_, parsed, parsedLength)) {
        // An address (dotted, or IPv6) needs no lookup. The connection starts from the event loop
        // so that whoever started the transfer hears of its end only after Start returned.
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
    EnsureMailbox();
    std::thread([handle = lookupHandle_, host] { PostReply(Resolve(handle, host)); }).detach();
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
    // The first address of the answer is the one tried (IPv4 before IPv6).
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

bool CHostSocket::UseFamily(int family, int& error)
{
    if (fd_ < 0) {
        error = SocketError::InvalidArgument;
        return false;
    }
    int current = 0;
    socklen_t length = sizeof current;
    if (::getsockopt(fd_, SOL_SOCKET, SO_DOMAIN, &current, &length) == 0 && current == family)
        return true;
    // The socket was opened for IPv4 at the start; the address turned out to be IPv6.
    CloseSocket();
    fd_ = ::socket(family, SocketType() | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0) {
        error = SocketErrorFromErrno(errno);
        return false;
    }
    return true;
}

bool CHostSocket::ConnectSocket(const std::string& address, std::uint16_t port, int& error)
{
    sockaddr_storage to{};
    socklen_t length = 0;
    if (fd_ < 0 || !ToSocketAddress(address, port, to, length)) {
        error = SocketError::InvalidArgument;
        return false;
    }
    if (!UseFamily(to.ss_family, error))
        return false;
    if (::connect(fd_, reinterpret_cast<const sockaddr*>(&to), length) != 0 &&
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

bool CHostSocket::SendDatagram(const std::string& address, std::uint16_t port,
                               const unsigned char* bytes, std::size_t n, int& error)
{
    sockaddr_storage to{};
    socklen_t length = 0;
    if (fd_ < 0 || !ToSocketAddress(address, port, to, length)) {
        error = SocketError::InvalidArgument;
        return false;
    }
    if (!UseFamily(to.ss_family, error))
        return false;
    const ssize_t sent =
        ::sendto(fd_, bytes, n, MSG_DONTWAIT, reinterpret_cast<const sockaddr*>(&to), length);
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
    sockaddr_storage from{};
    socklen_t length = sizeof from;
    // MSG_TRUNC: the datagram's real length, even when it did not fit.
    const ssize_t got = ::recvfrom(fd_, buffer, n, MSG_DONTWAIT | MSG_TRUNC,
                                   reinterpret_cast<sockaddr*>(&from), &length);
    if (got < 0) {
        error = errno == EWOULDBLOCK ? SocketError::WouldBlock : SocketErrorFromErrno(errno);
        return -1;
    }
    char text[INET6_ADDRSTRLEN] = {};
    fromAddress.clear();
    fromPort = 0;
    if (from.ss_family == AF_INET) {
        const auto* in = reinterpret_cast<const sockaddr_in*>(&from);
        if (::inet_ntop(AF_INET, &in->sin_addr, text, sizeof text))
            fromAddress = text;
        fromPort = ntohs(in->sin_port);
    } else if (from.ss_family == AF_INET6) {
        const auto* in6 = reinterpret_cast<const sockaddr_in6*>(&from);
        if (::inet_ntop(AF_INET6, &in6->sin6_addr, text, sizeof text))
            fromAddress = text;
        fromPort = ntohs(in6->sin6_port);
    }
    return static_cast<long>(got);
}

std::string CanonicalAddress(const std::string& address)
{
    sockaddr_storage a{};
    socklen_t length = 0;
    if (!ToSocketAddress(address, 0, a, length))
        return address;
    char text[INET6_ADDRSTRLEN] = {};
    const void* raw =
        a.ss_family == AF_INET
            ? static_cast<const void*>(&reinterpret_cast<sockaddr_in*>(&a)->sin_addr)
            : static_cast<const void*>(&reinterpret_cast<sockaddr_in6*>(&a)->sin6_addr);
    return ::inet_ntop(a.ss_family, raw, text, sizeof text) ? std::string(text) : address;
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
    // The receiver must not delete the transfer; should it happen all the same (an event
    // loop run inside it), the transfer is not touched again.
    const QPointer<CHostSocket> alive(this);
    if (code == SocketError::Interrupted) {
        if (!abortReported_) {
            abortReported_ = true;
            NotifyError(code);
        }
    } else {
        NotifyError(code);
    }
    if (!alive || previous != 0)
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
