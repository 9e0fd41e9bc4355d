#include "clocks/TimeChangeWatch.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

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
    // An absolute expiry far in the future: the timer never fires, it is only cancelled.
    itimerspec spec{};
    spec.it_value.tv_sec = static_cast<time_t>(INT32_MAX);
    return timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &spec, nullptr) == 0;
}

void TimeChangeWatch::Readable()
{
    std::uint64_t expirations = 0;
    const ssize_t n = ::read(fd_, &expirations, sizeof expirations);
    if (n < 0 && errno == ECANCELED) {
        Arm();
        emit timeChanged();
    } else if (n < 0 && errno != EAGAIN) {
        notifier_->setEnabled(false); // a broken descriptor must not spin the loop
    }
}

} // namespace orbel
