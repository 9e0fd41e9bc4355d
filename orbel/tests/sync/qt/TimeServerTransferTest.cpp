// One time transfer against Time Protocol servers (good and bad) that the test runs on
// loopback. Nothing here leaves 127.0.0.0/8.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <netdb.h>
#include <sys/socket.h>

#include <cerrno>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "sync/SocketErrors.h"
#include "sync/SystemClock.h"
#include "sync/qt/CSyncClient.h"
#include "sync/qt/CTimeSocket.h"
#include "tests/sync/FakeSystemClock.h"

namespace orbel {
namespace {

constexpr int kBoundMs = 5000; // no case waits longer than this

QByteArray BigEndian(quint32 v)
{
    QByteArray b(4, '\0');
    b[0] = char(v >> 24), b[1] = char(v >> 16), b[2] = char(v >> 8), b[3] = char(v);
    return b;
}

// A server on 127.0.0.1 and an ephemeral port; what it does with each connection is the
// test's choice.
class LoopbackServer {
public:
    explicit LoopbackServer(std::function<void(QTcpSocket*)> behaviour)
        : behaviour_(std::move(behaviour))
    {
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                ++connections;
                behaviour_(s);
            }
        });
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
    }
    quint16 Port() const { return server_.serverPort(); }
    std::string Setting(const char* host = "127.0.0.1") const
    {
        return std::string(host) + ":" + std::to_string(Port());
    }
    int connections = 0;

private:
    QTcpServer server_;
    std::function<void(QTcpSocket*)> behaviour_;
};

std::function<void(QTcpSocket*)> SendsThenCloses(QByteArray bytes)
{
    return [bytes](QTcpSocket* s) {
        s->write(bytes);
        s->disconnectFromHost();
    };
}

std::function<void(QTcpSocket*)> SendsThenStaysSilent(QByteArray bytes)
{
    return [bytes](QTcpSocket* s) { s->write(bytes); };
}

double Seconds(DateTime t)
{
    return std::round(t.Linear() * 86400.0);
}

// A previous reading, so a failure can be seen to leave the date-times alone.
SyncRecord EarlierReading()
{
    SyncRecord r;
    r.status = 0;
    r.serverUtc = DateTime::FromCalendar(2020, 1, 2, 3, 4, 5);
    r.serverLocal = DateTime::FromCalendar(2020, 1, 2, 4, 4, 5);
    r.pcUtc = DateTime::FromCalendar(2020, 1, 2, 3, 4, 0);
    r.pcLocal = DateTime::FromCalendar(2020, 1, 2, 4, 4, 0);
    return r;
}

struct Transfer : ::testing::Test {
    test::FakeSystemClock clock;
    SyncRecord record = EarlierReading();
    CSyncClient client{record, clock};
    std::vector<TransferNotification> seen;
    std::vector<bool> currentDuringNotification;

    Transfer()
    {
        QObject::connect(
            &client, &CSyncClient::transferEnded, [this](const TransferNotification& n) {
                seen.push_back(n);
                // Delivered before the transfer lets go: it is still the current one and
                // carries the code.
                currentDuringNotification.push_back(client.CurrentTransfer() == n.transfer &&
                                                    n.transfer->ErrorCode() == n.code);
            });
    }

    // Runs one manual transfer to its end (bounded) and returns the code (0 = a reading).
    int Run(const std::string& setting)
    {
        EXPECT_EQ(client.StartDownload(0, setting), DownloadStarted);
        EXPECT_TRUE(seen.empty()) << "notified before StartDownload returned";
        EXPECT_TRUE(QTest::qWaitFor([&] { return !seen.empty(); }, kBoundMs));
        if (seen.empty())
            return -1;
        EXPECT_EQ(client.CurrentTransfer(), nullptr);
        EXPECT_TRUE(currentDuringNotification.back());
        return seen.back().kind == TransferFinished ? 0 : seen.back().code;
    }

    void ExpectRecordUntouched()
    {
        const SyncRecord before = EarlierReading();
        EXPECT_EQ(record.status, 1);
        EXPECT_EQ(record.serverUtc, before.serverUtc);
        EXPECT_EQ(record.serverLocal, before.serverLocal);
        EXPECT_EQ(record.pcUtc, before.pcUtc);
        EXPECT_EQ(record.pcLocal, before.pcLocal);
    }
};

TEST_F(Transfer, CorrectAnswerFillsTheRecord)
{
    // 3758096384 is 2019-02-02 11:39:44 UTC; it is above 2^31 and still a current date.
    LoopbackServer server(SendsThenCloses(BigEndian(3758096384u)));
    ASSERT_EQ(Run(server.Setting() + " loopback"), 0);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].extra, 0);
    EXPECT_EQ(record.status, 0);
    // Loopback answers within two seconds, so half the delay adds nothing.
    EXPECT_EQ(Seconds(record.serverUtc), Seconds(DateTime::FromCalendar(2019, 2, 2, 11, 39, 44)));
    EXPECT_EQ(Seconds(record.serverLocal), Seconds(DateTime::FromCalendar(2019, 2, 2, 12, 39, 44)));
    EXPECT_EQ(record.pcUtc, DateTimeFromCalendar(clock.UtcNow()));
    EXPECT_EQ(record.pcLocal, DateTimeFromCalendar(clock.LocalNow()));
}

TEST_F(Transfer, AnswerWithinOneSecondIsTheComputersUtcExactly)
{
    // 2026-12-08 20:00:00 UTC, 0.7 s behind the computer's clock.
    LoopbackServer server(SendsThenCloses(BigEndian(4005748800u)));
    ASSERT_EQ(Run(server.Setting()), 0);
    EXPECT_EQ(record.serverUtc, record.pcUtc);
    EXPECT_EQ(record.serverLocal, record.pcLocal);
}

TEST_F(Transfer, NameLookupGoesThroughTheAsynchronousPath)
{
    LoopbackServer server(SendsThenCloses(BigEndian(2147483648u)));
    ASSERT_EQ(client.StartDownload(0, server.Setting("localhost")), DownloadStarted);
    ASSERT_NE(client.CurrentTransfer(), nullptr);
    EXPECT_GE(client.CurrentTransfer()->LookupTaskHandle(), 0);
    EXPECT_EQ(CHostSocket::PendingLookups(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !seen.empty(); }, kBoundMs));
    EXPECT_EQ(seen[0].kind, TransferFinished);
    EXPECT_EQ(CHostSocket::PendingLookups(), 0);
    EXPECT_EQ(server.connections, 1);
    EXPECT_EQ(Seconds(record.serverUtc), Seconds(DateTime::FromCalendar(1968, 1, 20, 3, 14, 8)));
}

// A server on ::1 only, reached by its address in brackets with the port, and bare.
TEST_F(Transfer, AnIPv6ServerIsReachedOverIPv6)
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHostIPv6, 0))
        GTEST_SKIP() << "this machine has no IPv6 loopback";
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        while (QTcpSocket* s = server.nextPendingConnection()) {
            s->write(BigEndian(3758096384u));
            s->disconnectFromHost();
        }
    });
    const std::string port = std::to_string(server.serverPort());
    ASSERT_EQ(Run("[::1]:" + port + " loopback"), 0) << SocketErrorMessage(seen.back().code);
    EXPECT_EQ(client.CurrentTransfer(), nullptr);
    EXPECT_EQ(Seconds(record.serverUtc), Seconds(DateTime::FromCalendar(2019, 2, 2, 11, 39, 44)));
    // The long form of the same address, and nothing listening on IPv4 at that port.
    seen.clear();
    currentDuringNotification.clear();
    ASSERT_EQ(Run("[0:0:0:0:0:0:0:1]:" + port), 0);
    seen.clear();
    currentDuringNotification.clear();
    EXPECT_EQ(Run("127.0.0.1:" + port), 10061);
}

TEST_F(Transfer, DottedAddressWithACommentNeedsNoLookup)
{
    LoopbackServer server(SendsThenCloses(BigEndian(3758096384u)));
    ASSERT_EQ(client.StartDownload(0, server.Setting() + " my own server"), DownloadStarted);
    EXPECT_EQ(client.CurrentTransfer()->LookupTaskHandle(), -1);
    EXPECT_EQ(CHostSocket::PendingLookups(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !seen.empty(); }, kBoundMs));
    EXPECT_EQ(seen[0].kind, TransferFinished);
}

TEST_F(Transfer, LookupReplyForAnUnknownHandleIsIgnored)
{
    LookupReply reply;
    reply.handle = 987654;
    CHostSocket::OnLookupReply(987654, reply);
    EXPECT_EQ(CHostSocket::LastPlatformError(), 10022);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(record.status, 0);
}

// The resolver's own codes decide the error number, whatever language its texts are in.
TEST(LookupErrors, ResolverCodesGiveTheTransfersNumbers)
{
    struct Case {
        int result, errnoValue;
        bool withAddress;
        int code;
    } cases[] = {
        {EAI_NONAME, 0, false, 11001}, // no such host
        {EAI_AGAIN, 0, false, 11002},  // try again
        {EAI_FAIL, 0, false, 11003},   // the name server failed for good
        {EAI_SYSTEM, ECONNREFUSED, false, 10061},
        {0, 0, false, 11004}, // a name without an address
        {0, 0, true, 0},
    };
    for (const Case& c : cases) {
        LookupReply reply;
        reply.result = c.result;
        reply.errnoValue = c.errnoValue;
        if (c.withAddress)
            reply.addresses.push_back("127.0.0.1");
        EXPECT_EQ(CHostSocket::LookupErrorCode(reply), c.code) << c.result;
    }
}

struct BadServer {
    const char* what;
    std::function<void(QTcpSocket*)> behaviour;
    int code;
};

TEST_F(Transfer, BadServersFailWithTheirCodeAndLeaveTheRecord)
{
    const BadServer cases[] = {
        {"three bytes then close", SendsThenCloses(QByteArray("\xE0\x00\x00", 3)), 11004},
        {"three bytes then silence", SendsThenStaysSilent(QByteArray("\xE0\x00\x00", 3)), 11004},
        {"closes without a byte", SendsThenCloses(QByteArray()), 11004},
        {"more than four bytes", SendsThenCloses(QByteArray("\xE0\x00\x00\x00\x00\x01", 6)), 11004},
        {"an HTTP server",
         SendsThenCloses("HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\nConnection: "
                         "close\r\n\r\n"),
         11004},
        {"one byte at a time",
         [](QTcpSocket* s) {
             s->write(QByteArray(1, '\xE0'));
             auto* timer = new QTimer(s);
             QObject::connect(timer, &QTimer::timeout, s, [s] {
                 if (s->state() == QAbstractSocket::ConnectedState)
                     s->write(QByteArray(1, '\0'));
             });
             timer->start(300);
         },
         11004},
        {"resets the connection",
         [](QTcpSocket* s) {
             // Linger with a zero time-out: closing sends a reset instead of a close.
             linger l{1, 0};
             ::setsockopt(int(s->socketDescriptor()), SOL_SOCKET, SO_LINGER, &l, sizeof l);
             s->abort();
         },
         10054},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        record = EarlierReading();
        seen.clear();
        currentDuringNotification.clear();
        LoopbackServer server(c.behaviour);
        EXPECT_EQ(Run(server.Setting()), c.code);
        EXPECT_EQ(seen.size(), 1u);
        ExpectRecordUntouched();
        // Nothing more arrives afterwards (the later bytes of the slow server included).
        QTest::qWait(50);
        EXPECT_EQ(seen.size(), 1u);
    }
}

TEST_F(Transfer, NothingListeningIsRefused)
{
    quint16 port = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    EXPECT_EQ(Run("127.0.0.1:" + std::to_string(port)), 10061);
    ExpectRecordUntouched();
}

TEST_F(Transfer, UnusableSettingsFailWithoutACrash)
{
    struct Case {
        std::string setting;
        int code;
        bool problem;
    } cases[] = {
        // none of these reaches the name service
        {"", 11001, true},
        {"     ", 11001, true},
        {std::string(300, 'x'), 10063, true},
        {"localhost:0", 10022, true},
        {"localhost:65536 comment", 10022, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setting);
        record = EarlierReading();
        seen.clear();
        currentDuringNotification.clear();
        EXPECT_EQ(Run(c.setting), c.code);
        EXPECT_EQ(!client.SettingProblem().empty(), c.problem);
        ExpectRecordUntouched();
    }
}

TEST_F(Transfer, SilentServerKeepsTheLoopRunningUntilCancelledOnce)
{
    LoopbackServer server([](QTcpSocket*) {}); // accepts and never answers
    ASSERT_EQ(client.StartDownload(0, server.Setting()), DownloadStarted);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.connections == 1; }, kBoundMs));
    QTest::qWait(200);
    EXPECT_TRUE(seen.empty());
    EXPECT_GE(ticks, 5); // the event loop went on while the transfer waited

    QPointer<CHostSocket> transfer = client.CurrentTransfer();
    ASSERT_TRUE(transfer);
    // Download again while it runs: the transfer is cancelled and reports 10004.
    EXPECT_EQ(client.StartDownload(0, server.Setting()), DownloadAlreadyRunning);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].kind, TransferFailed);
    EXPECT_EQ(seen[0].code, 10004);
    EXPECT_EQ(client.CurrentTransfer(), nullptr);
    // A second cancel of the same transfer is not reported again.
    ASSERT_TRUE(transfer);
    transfer->Cancel();
    EXPECT_EQ(seen.size(), 1u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return transfer.isNull(); }, kBoundMs)); // deleted
    EXPECT_EQ(seen.size(), 1u);
    ExpectRecordUntouched();
}

TEST_F(Transfer, CancelDuringTheLookupDropsIt)
{
    ASSERT_EQ(client.StartDownload(0, "localhost"), DownloadStarted);
    EXPECT_EQ(CHostSocket::PendingLookups(), 1);
    client.CurrentTransfer()->Cancel();
    EXPECT_EQ(CHostSocket::PendingLookups(), 0);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].code, 10004);
    QTest::qWait(100);
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(Transfer, AutomaticFailureIsDroppedAndSuccessAdjustsFirst)
{
    std::vector<int> order;
    QObject::disconnect(&client, &CSyncClient::transferEnded, nullptr, nullptr); // the fixture's
    QObject::connect(&client, &CSyncClient::automaticSuccess,
                     [&](const TransferNotification&) { order.push_back(1); });
    QObject::connect(&client, &CSyncClient::transferEnded, [&](const TransferNotification& n) {
        order.push_back(n.kind == TransferFinished ? 2 : 3);
    });
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    ASSERT_EQ(client.StartDownload(3, "127.0.0.1:" + std::to_string(closedPort)), DownloadStarted);
    // A second automatic start while one exists does nothing.
    EXPECT_EQ(client.StartDownload(3, "127.0.0.1:1"), DownloadAlreadyRunning);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !client.TransferExists(); }, kBoundMs));
    EXPECT_TRUE(order.empty());

    LoopbackServer server(SendsThenCloses(BigEndian(3758096384u)));
    ASSERT_EQ(client.StartDownload(3, server.Setting()), DownloadStarted);
    ASSERT_TRUE(QTest::qWaitFor([&] { return order.size() == 2; }, kBoundMs));
    EXPECT_FALSE(client.TransferExists()); // the adjustment runs once the transfer has gone
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

} // namespace
} // namespace orbel

namespace orbel {
namespace {

TEST(TimeSocket, WithoutARecordFailsWith10022AndOnlyClosesItsSocket)
{
    test::FakeSystemClock clock;
    LoopbackServer server(SendsThenCloses(BigEndian(3758096384u)));
    CHostSocket* slot = nullptr;
    std::vector<int> codes;
    CTimeSocket socket(
        &slot, false, [&](const TransferNotification& n) { codes.push_back(n.code); }, 0, clock);
    slot = &socket;
    socket.SetPort(server.Port());
    socket.Start("127.0.0.1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !codes.empty(); }, kBoundMs));
    EXPECT_EQ(codes, std::vector<int>{10022});
    EXPECT_FALSE(socket.IsOpen());
    EXPECT_EQ(slot, &socket); // not self-deleting: it stays
    EXPECT_EQ(socket.ReceivedValue(), 3758096384u);

    // Started again with a record, the same object takes a reading.
    SyncRecord record;
    socket.SetRecord(&record);
    codes.clear();
    bool finished = false;
    socket.Start("127.0.0.1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return record.status == 0 || !codes.empty(); }, kBoundMs));
    finished = record.status == 0;
    EXPECT_TRUE(finished);
    EXPECT_EQ(socket.ErrorCode(), 0);
    EXPECT_EQ(server.connections, 2);
}

} // namespace
} // namespace orbel
