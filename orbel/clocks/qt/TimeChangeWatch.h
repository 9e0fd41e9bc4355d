#pragma once
// Tells at once when the computer's clock is set: the Linux kernel cancels a timer armed on
// the real-time clock with TFD_TIMER_CANCEL_ON_SET whenever that clock jumps.
#include <QObject>
#include <QSocketNotifier>

#include <cstdint>
#include <memory>

namespace orbel {

class TimeChangeWatch : public QObject {
    Q_OBJECT
public:
    explicit TimeChangeWatch(QObject* parent = nullptr);
    ~TimeChangeWatch() override;
    // False when the kernel offers no such timer; nothing is then reported.
    bool Watching() const { return fd_ >= 0; }
    // When the armed timer would expire, in seconds since 1970 (0 when not armed). It lies
    // decades ahead of the clock, wherever the clock stands, so the watch never goes deaf.
    std::int64_t ArmedUntil() const;

signals:
    void timeChanged();

private:
    bool Arm();
    void Readable();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace orbel
