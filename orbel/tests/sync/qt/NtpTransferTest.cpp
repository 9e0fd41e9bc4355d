// Network time transfers against servers on loopback: a real NTP server (chronyd, started
// here with a configuration of its own and stopped by its process id) and a hostile one
// the test plays itself. Nothing here leaves 127.0.0.1 and nothing sets this machine's
// clock: the transfers fill a record, and the one real adjustment runs without the right
// to set the clock and without a system bus.
#include <QDir>
#include <QFile>
#include <QNetworkDatagram>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

#include <csignal>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "sync/NtpExchange.h"
#include "sync/SocketErrors.h"
#include "sync/SystemClock.h"
#include "sync/qt/CNtpSocket.h"
#include "sync/qt/CSyncClient.h"

namespace orbel {
namespace {

constexpr int kBoundMs = 5000;
constexpr NtpNanos kSecond = kNtpNanosPerSecond;

// Reads the computer's clock (so that offsets are measured against it) and refuses to be
// set, counting the attempts.
class RefusingClock : public SystemClock {
public:
    int setAttempts = 0;
    CalendarTime LocalNow() override { return UtcNow(); }
    CalendarTime UtcNow() override
    {
        using namespace std::chrono;
        const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
        const DateTime t = DateTime::FromUnixSeconds(static_cast<double>(ms / 1000));
        CalendarTime c = t.Calendar();
        c.millisecond = static_cast<int>(ms % 1000);
        return c;
    }
    bool SetTimeWithPrivilege(const CalendarTime&, bool) override
    {
        ++setAttempts;
        return false;
    }
    std::string LastErrorText() const override { return "refused by the test"; }
};

NtpNanos Now()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count() +
           kNtpUnixEpochSeconds * kNtpNanosPerSecond;
}

void Put64(QByteArray& p, int at, std::uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        p[at + i] = char(v >> (56 - 8 * i));
}

// A good answer to `request`, from a server `offsetMs` ahead of this computer.
QByteArray GoodAnswer(const QByteArray& request, double offsetMs = 0)
{
    QByteArray p(48, '\0');
    p[0] = char(0x24);
    p[1] = char(2);
    p.replace(12, 4, "GPS", 4);
    p.replace(24, 8, request.mid(40, 8));
    const std::uint64_t t = NanosToNtpTimestamp(Now() + NtpNanos(offsetMs * 1e6));
    Put64(p, 32, t);
    Put64(p, 40, t);
    return p;
}

// A server on 127.0.0.1 whose answer to each request is the test's choice.
class HostileServer {
public:
    using Behaviour = std::function<void(HostileServer&, const QNetworkDatagram&)>;
    explicit HostileServer(Behaviour b) : behaviour_(std::move(b))
    {
        EXPECT_TRUE(socket.bind(QHostAddress::LocalHost, 0));
        QObject::connect(&socket, &QUdpSocket::readyRead, [this] {
            while (socket.hasPendingDatagrams()) {
                const QNetworkDatagram d = socket.receiveDatagram();
                ++requests;
                behaviour_(*this, d);
            }
        });
    }
    std::string Setting() const { return "ntp://127.0.0.1:" + std::to_string(socket.localPort()); }
    void Reply(const QNetworkDatagram& to, const QByteArray& bytes)
    {
        socket.writeDatagram(bytes, to.senderAddress(), quint16(to.senderPort()));
    }
    QUdpSocket socket;
    int requests = 0;

private:
    Behaviour behaviour_;
};

HostileServer::Behaviour Spoiled(std::function<void(QByteArray&)> spoil)
{
    return [spoil](HostileServer& s, const QNetworkDatagram& d) {
        QByteArray answer = GoodAnswer(d.data());
        spoil(answer);
        s.Reply(d, answer);
    };
}

SyncRecord EarlierReading()
{
    SyncRecord r;
    r.status = 0;
    r.serverUtc = DateTime::FromCalendar(2020, 1, 2, 3, 4, 5);
    r.serverLocal = r.serverUtc;
    r.pcUtc = DateTime::FromCalendar(2020, 1, 2, 3, 4, 0);
    r.pcLocal = r.pcUtc;
    return r;
}

struct NtpTransfer : ::testing::Test {
    RefusingClock clock;
    SyncRecord record = EarlierReading();
    CSyncClient client{record, clock};
    std::vector<TransferNotification> seen;

    NtpTransfer()
    {
        ServerPacing().Forget();
        client.ntpAnswerWaitMs = 300;
        QObject::connect(&client, &CSyncClient::transferEnded,
                         [this](const TransferNotification& n) { seen.push_back(n); });
    }

    int Run(const std::string& setting)
    {
        seen.clear();
        EXPECT_EQ(client.StartDownload(0, setting), DownloadStarted);
        EXPECT_TRUE(seen.empty()) << "notified before StartDownload returned";
        EXPECT_TRUE(QTest::qWaitFor([&] { return !seen.empty(); }, kBoundMs));
        if (seen.empty())
            return -1;
        EXPECT_EQ(client.CurrentTransfer(), nullptr);
        return seen.back().kind == TransferFinished ? 0 : seen.back().code;
    }

    void ExpectRecordUntouched()
    {
        const SyncRecord before = EarlierReading();
        EXPECT_EQ(record.status, 1);
        EXPECT_FALSE(record.ntp);
        EXPECT_EQ(record.serverUtc, before.serverUtc);
        EXPECT_EQ(record.pcUtc, before.pcUtc);
    }
};

TEST_F(NtpTransfer, HostileAnswersAreRejectedWithTheirMessageAndNothingIsSet)
{
    struct Case {
        const char* what;
        HostileServer::Behaviour behaviour;
        int code;
    } cases[] = {
        {"wrong origin timestamp", Spoiled([](QByteArray& p) { p[31] = char(p[31] ^ 1); }),
         SocketError::NtpNoEcho},
        {"client mode", Spoiled([](QByteArray& p) { p[0] = char(0x23); }),
         SocketError::NtpNotServerMode},
        {"kiss RATE", Spoiled([](QByteArray& p) { p[1] = 0, p.replace(12, 4, "RATE"); }),
         SocketError::NtpKissRate},
        {"kiss DENY", Spoiled([](QByteArray& p) { p[1] = 0, p.replace(12, 4, "DENY"); }),
         SocketError::NtpKissDeny},
        {"kiss RSTR", Spoiled([](QByteArray& p) { p[1] = 0, p.replace(12, 4, "RSTR"); }),
         SocketError::NtpKissRestricted},
        {"leap unsynchronised", Spoiled([](QByteArray& p) { p[0] = char(0xE4); }),
         SocketError::NtpUnsynchronised},
        {"no transmit time", Spoiled([](QByteArray& p) { p.replace(40, 8, QByteArray(8, 0)); }),
         SocketError::NtpNoTransmitTime},
        {"47 bytes", Spoiled([](QByteArray& p) { p.chop(1); }), SocketError::NtpBadSize},
        {"1000 bytes", Spoiled([](QByteArray& p) { p.append(QByteArray(952, 'x')); }),
         SocketError::NtpBadSize},
        {"from another port",
         [](HostileServer&, const QNetworkDatagram& d) {
             QUdpSocket other;
             other.bind(QHostAddress::LocalHost, 0);
             other.writeDatagram(GoodAnswer(d.data()), d.senderAddress(), quint16(d.senderPort()));
         },
         SocketError::NtpWrongSource},
        {"no answer", [](HostileServer&, const QNetworkDatagram&) {}, SocketError::NtpNoAnswer},
        // The four timestamps would give an offset of years: the receive time is zero
        // (1900 read as 2036), or the server answered long before (or after) it was asked.
        {"zero receive time", Spoiled([](QByteArray& p) { p.replace(32, 8, QByteArray(8, 0)); }),
         SocketError::NtpNoReceiveTime},
        {"negative delay",
         Spoiled([](QByteArray& p) { Put64(p, 40, NanosToNtpTimestamp(Now() + 3600 * kSecond)); }),
         SocketError::NtpBadDelay},
        {"huge delay",
         Spoiled([](QByteArray& p) { Put64(p, 32, NanosToNtpTimestamp(Now() + 86400 * kSecond)); }),
         SocketError::NtpBadDelay},
        {"version 2", Spoiled([](QByteArray& p) { p[0] = char(0x14); }),
         SocketError::NtpBadVersion},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        record = EarlierReading();
        HostileServer server(c.behaviour);
        EXPECT_EQ(Run(server.Setting()), c.code);
        EXPECT_NE(SocketErrorText(c.code), SocketErrorText(SocketError::Unknown));
        EXPECT_EQ(server.requests, 1);
        ExpectRecordUntouched();
        QTest::qWait(30);
        EXPECT_EQ(seen.size(), 1u); // one result per request
    }
    EXPECT_EQ(clock.setAttempts, 0);
}

TEST_F(NtpTransfer, AStrayDatagramDoesNotSpoilTheRealAnswerAndASecondAnswerIsIgnored)
{
    HostileServer server([](HostileServer& s, const QNetworkDatagram& d) {
        QByteArray forged = GoodAnswer(d.data(), 3600000.0);
        forged[30] = char(forged[30] ^ 0x40); // a guess at the cookie
        s.Reply(d, forged);
        s.Reply(d, GoodAnswer(d.data(), 2500.0));
        s.Reply(d, GoodAnswer(d.data(), 3600000.0)); // answering twice
    });
    ASSERT_EQ(Run(server.Setting() + " a comment"), 0);
    QTest::qWait(100);
    EXPECT_EQ(seen.size(), 1u);
    // The fractions are kept: 2.5 seconds ahead, within the loopback's delay.
    EXPECT_EQ(record.status, 0);
    EXPECT_TRUE(record.ntp);
    EXPECT_NEAR(record.offsetSeconds, 2.5, 0.05);
    EXPECT_NEAR((record.serverUtc - record.pcUtc).days() * 86400.0, 2.5, 0.05);
    EXPECT_GE(record.delaySeconds, -0.001);
    EXPECT_LT(record.delaySeconds, 0.05);
    EXPECT_EQ(clock.setAttempts, 0);
}

// A network time server on ::1: the answer is taken from its IPv6 address and port.
TEST_F(NtpTransfer, AnIPv6ServerIsAskedOverIPv6)
{
    QUdpSocket server;
    if (!server.bind(QHostAddress::LocalHostIPv6, 0))
        GTEST_SKIP() << "this machine has no IPv6 loopback";
    QObject::connect(&server, &QUdpSocket::readyRead, [&] {
        while (server.hasPendingDatagrams()) {
            const QNetworkDatagram d = server.receiveDatagram();
            server.writeDatagram(GoodAnswer(d.data(), 1500.0), d.senderAddress(),
                                 quint16(d.senderPort()));
        }
    });
    ASSERT_EQ(Run("ntp://[::1]:" + std::to_string(server.localPort())), 0)
        << SocketErrorMessage(seen.back().code);
    EXPECT_NEAR(record.offsetSeconds, 1.5, 0.05);
    EXPECT_EQ(clock.setAttempts, 0);
}

TEST_F(NtpTransfer, AfterAKissTheNextRequestToThatServerWaits)
{
    HostileServer server(Spoiled([](QByteArray& p) { p[1] = 0, p.replace(12, 4, "RATE"); }));
    ASSERT_EQ(Run(server.Setting()), SocketError::NtpKissRate);
    seen.clear();
    ASSERT_EQ(client.StartDownload(0, server.Setting()), DownloadStarted);
    QPointer<CHostSocket> waiting = client.CurrentTransfer();
    QTest::qWait(300);
    EXPECT_EQ(server.requests, 1); // nothing sent yet
    auto* ntp = qobject_cast<CNtpSocket*>(waiting.data());
    ASSERT_NE(ntp, nullptr);
    EXPECT_GT(ntp->PacedMs(), 60000);
    // Cancelled while it waits, as any transfer.
    EXPECT_EQ(client.StartDownload(0, server.Setting()), DownloadAlreadyRunning);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].code, SocketError::Interrupted);
    // Another server is asked at once.
    HostileServer other(
        [](HostileServer& s, const QNetworkDatagram& d) { s.Reply(d, GoodAnswer(d.data())); });
    EXPECT_EQ(Run(other.Setting()), 0);
}

TEST_F(NtpTransfer, UnusableSettingsSayWhy)
{
    struct Case {
        std::string setting;
        int code;
    } cases[] = {
        {"ntp://127.0.0.1:0", SocketError::InvalidArgument},
        {"ntp://127.0.0.1:65536", SocketError::InvalidArgument},
        // An empty label: the resolver refuses it without asking any name server.
        {"ntp://bad..name", SocketError::HostNotFound},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setting);
        record = EarlierReading();
        EXPECT_EQ(Run(c.setting), c.code);
        ExpectRecordUntouched();
    }
}

// chronyd serving its own clock to 127.0.0.1 on a free port, never steering this machine's
// clock (-x); skipped where it is missing or may not run (it needs root).
class Chrony {
public:
    Chrony()
    {
        const QString program =
            QStandardPaths::findExecutable("chronyd", {"/usr/sbin", "/sbin", "/usr/local/sbin"});
        if (program.isEmpty()) {
            why = "chronyd is not installed (scripts/install-deps.sh installs it)";
            return;
        }
        if (::geteuid() != 0) {
            why = "chronyd runs only as root";
            return;
        }
        {
            QUdpSocket probe; // a port free right now
            probe.bind(QHostAddress::LocalHost, 0);
            port = probe.localPort();
        }
        const QString conf = dir.filePath("chrony.conf");
        QFile f(conf);
        f.open(QIODevice::WriteOnly);
        f.write(QString("port %1\nbindaddress 127.0.0.1\nallow 127.0.0.1\nlocal stratum 8\n"
                        "cmdport 0\npidfile %2\n")
                    .arg(port)
                    .arg(dir.filePath("chronyd.pid"))
                    .toUtf8());
        f.close();
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, {"-x", "-d", "-f", conf});
        if (!process.waitForStarted(kBoundMs)) {
            why = "chronyd did not start";
            return;
        }
        // Ready once it answers a request.
        const bool answering = QTest::qWaitFor(
            [&] {
                QUdpSocket s;
                QByteArray request(48, '\0');
                request[0] = char(0x23);
                request[47] = char(1);
                s.writeDatagram(request, QHostAddress::LocalHost, port);
                return s.waitForReadyRead(100);
            },
            kBoundMs);
        if (!answering)
            why = "chronyd did not answer: " + process.readAll().toStdString();
    }
    ~Chrony()
    {
        if (process.state() != QProcess::NotRunning) {
            ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
            if (!process.waitForFinished(kBoundMs))
                process.kill();
        }
    }
    std::string Setting() const { return "ntp://127.0.0.1:" + std::to_string(port); }

    std::string why; // why it cannot be used, else empty
    quint16 port = 0;
    QTemporaryDir dir;
    QProcess process;
};

// Runs the world clock's command line with a settings folder of its own; output and status.
std::pair<QString, int> RunOrbel(const QString& shell, const QTemporaryDir& home)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("LC_ALL", "C");
    // No time service to turn to: the system bus is out of reach.
    env.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + home.filePath("no-bus"));
    env.insert("ORBEL", QString(TEST_PROGRAM_DIR) + "/orbel");
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start("/bin/sh", {"-c", shell});
    if (!QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, 20000)) {
        p.kill();
        p.waitForFinished();
        return {"timed out: " + QString::fromUtf8(p.readAll()), -1};
    }
    return {QString::fromUtf8(p.readAll()), p.exitCode()};
}

double OffsetOf(const QString& output)
{
    const auto m = QRegularExpression("Offset: ([-+][0-9]+\\.[0-9]{3}) s\n").match(output);
    return m.hasMatch() ? m.captured(1).toDouble() : 1e9;
}

TEST(NtpAgainstChrony, TheClientAndTheCommandLineAgreeWithIt)
{
    Chrony chrony;
    if (!chrony.why.empty())
        GTEST_SKIP() << chrony.why;
    ServerPacing().Forget();
    RefusingClock clock;
    SyncRecord record;
    CSyncClient client(record, clock);
    std::optional<TransferNotification> result;
    QObject::connect(&client, &CSyncClient::transferEnded,
                     [&](const TransferNotification& n) { result = n; });
    ASSERT_EQ(client.StartDownload(0, chrony.Setting()), DownloadStarted);
    ASSERT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, kBoundMs));
    ASSERT_EQ(result->kind, TransferFinished) << SocketErrorMessage(result->code);
    // chronyd serves this computer's own clock.
    EXPECT_LT(std::fabs(record.offsetSeconds), 0.05);
    EXPECT_LT(record.delaySeconds, 0.05);

    QTemporaryDir home;
    const auto [output, status] = RunOrbel(
        QString("\"$ORBEL\" --query %1").arg(QString::fromStdString(chrony.Setting())), home);
    EXPECT_EQ(status, 0) << output.toStdString();
    EXPECT_LT(std::fabs(OffsetOf(output)), 0.05) << output.toStdString();
    EXPECT_TRUE(output.contains(QRegularExpression("Delay: 0\\.0[0-4][0-9] s\n")))
        << output.toStdString();
    EXPECT_TRUE(output.contains(QRegularExpression("Difference: 00:00:00\\.0[0-4][0-9] ")))
        << output.toStdString();
}

// The answer that once read as "Offset: +144569858.574 s": the request echoed, the receive
// time zero. The command line ends with the error and shows no offset.
TEST(NtpCommandLine, AZeroReceiveTimeEndsWithTheErrorAndNoOffset)
{
    ServerPacing().Forget();
    HostileServer server(Spoiled([](QByteArray& p) { p.replace(32, 8, QByteArray(8, 0)); }));
    QTemporaryDir home;
    const auto [output, status] = RunOrbel(
        QString("\"$ORBEL\" --query %1 --timeout 5").arg(QString::fromStdString(server.Setting())),
        home);
    EXPECT_EQ(status, 2) << output.toStdString();
    EXPECT_EQ(output.toStdString(),
              "Error #12008: The server's answer carries no receive time; it was not used.\n");
    EXPECT_EQ(server.requests, 1);
}

TEST(NtpCommandLine, AdjustmentWithoutTheRightToSetTheClockFailsPlainly)
{
    if (QStandardPaths::findExecutable("capsh").isEmpty())
        GTEST_SKIP() << "capsh is not installed";
    ServerPacing().Forget();
    // Two and a half seconds ahead: a full adjustment would have to set the clock.
    HostileServer server([](HostileServer& s, const QNetworkDatagram& d) {
        s.Reply(d, GoodAnswer(d.data(), 2500.0));
    });
    QTemporaryDir home;
    // The shell checks that the right to set the clock (capability 25) really is gone before
    // the program runs, in its permitted and effective sets alike.
    const QString shell =
        QString("capsh --drop=cap_sys_time -- -c '"
                "for set in CapPrm CapEff CapBnd; do "
                "v=$(sed -n \"s/^$set:[[:space:]]*//p\" /proc/self/status); "
                "[ $(( (0x$v >> 25) & 1 )) -eq 0 ] || { echo still-able; exit 99; }; done; "
                "exec \"$ORBEL\" --adjust full %1 --timeout 5'")
            .arg(QString::fromStdString(server.Setting()));
    const auto [output, status] = RunOrbel(shell, home);
    if (status == 99 || output.contains("capsh:") || output.contains("still-able"))
        GTEST_SKIP() << "the right to set the clock could not be dropped: " << output.toStdString();
    EXPECT_EQ(status, 2) << output.toStdString();
    EXPECT_NEAR(OffsetOf(output), 2.5, 0.05) << output.toStdString();
    EXPECT_TRUE(output.contains("The clock was not set: ")) << output.toStdString();
    EXPECT_FALSE(output.contains("The clock was set.")) << output.toStdString();
}

} // namespace
} // namespace orbel
