// One network time query against chronyd on loopback, from the request to the filled
// record, and the offset it reports (chronyd serves this computer's own clock, so the
// offset is the client's own error). chronyd is started here on a free port, never steering
// the clock (-x), and stopped by its process id; it needs root.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <optional>
#include <vector>

#include <benchmark/benchmark.h>

#include "sync/NtpExchange.h"
#include "sync/qt/CSyncClient.h"
#include "sync/qt/LinuxSystemClock.h"

namespace {

using namespace orbel;

quint16 g_port = 0;

void NtpQueryLoopback(benchmark::State& state)
{
    LinuxSystemClock clock; // read only: nothing here sets it
    SyncRecord record;
    CSyncClient client(record, clock);
    std::optional<TransferNotification> result;
    QObject::connect(&client, &CSyncClient::transferEnded,
                     [&](const TransferNotification& n) { result = n; });
    const std::string setting = "ntp://127.0.0.1:" + std::to_string(g_port);
    std::vector<double> offsetsMs;
    for (auto _ : state) {
        ServerPacing().Forget(); // one query after another, without the 15-second wait
        result.reset();
        client.StartDownload(0, setting);
        while (!result)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (result->kind != TransferFinished) {
            state.SkipWithError("the query failed");
            break;
        }
        offsetsMs.push_back(std::fabs(record.offsetSeconds) * 1000.0);
    }
    if (!offsetsMs.empty()) {
        std::sort(offsetsMs.begin(), offsetsMs.end());
        state.counters["median_abs_offset_ms"] = offsetsMs[offsetsMs.size() / 2];
        state.counters["worst_abs_offset_ms"] = offsetsMs.back();
        state.counters["delay_ms"] = record.delaySeconds * 1000.0;
    }
}
BENCHMARK(NtpQueryLoopback)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(200);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString chronyd =
        QStandardPaths::findExecutable("chronyd", {"/usr/sbin", "/sbin", "/usr/local/sbin"});
    if (chronyd.isEmpty()) {
        std::fprintf(stderr, "chronyd is not installed\n");
        return 1;
    }
    {
        QUdpSocket probe;
        probe.bind(QHostAddress::LocalHost, 0);
        g_port = probe.localPort();
    }
    QTemporaryDir dir;
    QFile conf(dir.filePath("chrony.conf"));
    conf.open(QIODevice::WriteOnly);
    conf.write(QString("port %1\nbindaddress 127.0.0.1\nallow 127.0.0.1\nlocal stratum 8\n"
                       "cmdport 0\npidfile %2\n")
                   .arg(g_port)
                   .arg(dir.filePath("chronyd.pid"))
                   .toUtf8());
    conf.close();
    QProcess server;
    server.start(chronyd, {"-x", "-d", "-f", conf.fileName()});
    if (!server.waitForStarted(5000)) {
        std::fprintf(stderr, "chronyd did not start\n");
        return 1;
    }
    QTest::qWait(500); // it listens once it has read its configuration
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    ::kill(static_cast<pid_t>(server.processId()), SIGTERM);
    server.waitForFinished(5000);
    return 0;
}
