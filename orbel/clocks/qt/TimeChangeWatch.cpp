#include "clocks/qt/TimeChangeWatch.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>

namespace orbel {

TimeChangeWatch::TimeChangeWatch(QObject* parent) : QObject(parent)
{
    fd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ < 0)
        return;
    if (!Arm()) {
        ::close(fd_);
        fd_ = -1;
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TimeChangeWatch::Readable);
}

TimeChangeWatch::~TimeChangeWatch()
{
    notifier_.reset();
    if (fd_ >= 0)
        ::close(fd_);
}

bool TimeChangeWatch::Arm()
{
    // An absolute expiry fifty years after now: the timer never fires, it is only cancelled.
    // (A fixed expiry would one day lie in the past, and an expired timer reports nothing.)
    constexpr std::int64_t kFiftyYears = std::int64_t{50} * 366 * 86400;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    itimerspec spec{};
    spec.it_value.tv_sec = static_cast<time_t>(std::int64_t{now.tv_sec} + kFiftyYears);
    return timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &spec, nullptr) == 0;
}

std::int64_t TimeChangeWatch::ArmedUntil() const
{
    itimerspec left{};
    if (fd_ < 0 || timerfd_gettime(fd_, &left) != 0 ||
        (left.it_value.tv_sec == 0 && left.it_value.tv_nsec == 0))
        return 0;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return std::int64_t{now.tv_sec} + left.it_value.tv_sec;
}

void TimeChangeWatch::Readable()
{
    std::uint64_t expirations = 0;
    const ssize_t n = ::read(fd_, &expirations, sizeof expirations);
    if (n < 0 && errno == ECANCELED) {
        Arm();
        emit timeChanged();
    } else if (n > 0) {
        Arm(); // expired after all (the clock was set past it, unseen): watch again
        emit timeChanged();
    } else if (n < 0 && errno != EAGAIN) {
        notifier_->setEnabled(false); // a broken descriptor must not spin the loop
    }
}

} // namespace orbel
