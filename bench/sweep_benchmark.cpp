// Times a real 50-step sweep into a pseudo terminal, with the real clock and
// event pump, and prints the intervals between commands as they arrive at the
// far end of the line, beside the intervals that the sweep's pause itself
// makes at that time of day. Not a test: its figures depend on the machine's
// load.
#include "control_panel/form1.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/runtime.h"
#include "sweep/form2.h"

#include <QApplication>
#include <QTime>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <numeric>
#include <poll.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Timestamps each command's closing carriage return as it is read.
class FarEnd {
public:
    FarEnd()
    {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
            std::perror("pseudo terminal");
            std::exit(2);
        }
        ::setenv("QRVN5800_COM1", ::ptsname(master_), 1);
        reader_ = std::thread([this] { Read(); });
    }
    ~FarEnd()
    {
        stop_ = true;
        reader_.join();
        ::close(master_);
    }
    std::vector<Clock::time_point> Arrivals()
    {
        std::lock_guard lock(mutex_);
        return arrivals_;
    }

private:
    void Read()
    {
        char buf[256];
        while (!stop_) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0)
                continue;
            const ssize_t n = ::read(master_, buf, sizeof buf);
            const Clock::time_point at = Clock::now();
            std::lock_guard lock(mutex_);
            for (ssize_t i = 0; i < n; ++i)
                if (buf[i] == '\r')
                    arrivals_.push_back(at);
        }
    }

    int master_ = -1;
    std::atomic<bool> stop_{false};
    std::thread reader_;
    std::mutex mutex_;
    std::vector<Clock::time_point> arrivals_;
};

double Percentile(std::vector<double> sorted, double p)   // nearest rank
{
    const std::size_t rank = std::size_t(std::ceil(p / 100 * double(sorted.size())));
    return sorted[std::max<std::size_t>(rank, 1) - 1];
}

// The pause ends at its start plus 0.1 s, both single-precision seconds of the
// day, on a clock that ticks in whole milliseconds: it lasts 0.1 s rounded to
// the float steps of the time of day, not 100 ms. The real pause, run against
// such a clock that moves one millisecond per pass of its loop, gives the
// intervals of a sweep started at `msOfDay` that sends in no time.
std::vector<double> PauseIntervals(int msOfDay, int pauses)
{
    long long ms = msOfDay;
    platform::SetClock([&ms] { return platform::SecondsOfDay(int(ms % 86'400'000)); });
    platform::SetEventPump([&ms] { ++ms; });
    std::vector<double> intervals;
    for (int i = 0; i < pauses; ++i) {
        const long long began = ms;
        Form2::Delay(0.1f);
        intervals.push_back(double(ms - began));
    }
    platform::SetClock({});
    platform::SetEventPump({});
    return intervals;
}

double Mean(const std::vector<double>& values)
{
    return std::accumulate(values.begin(), values.end(), 0.0) / double(values.size());
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::InstallFontSubstitutes();
    platform::SetMessageSink([](const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); });

    FarEnd far;
    form1& main = platform::Ref<form1>();
    main.Text3->SetText(QStringLiteral("1000000"));   // 1000 kHz steps
    Form2& sweep = platform::Ref<Form2>();
    sweep.Show();
    sweep.Text1->SetText(QStringLiteral("1000"));
    sweep.Text2->SetText(QStringLiteral("1049"));     // 50 commands
    const QTime began = QTime::currentTime();
    sweep.Command1->click();
    sweep.Command2->click();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));

    const std::vector<Clock::time_point> arrivals = far.Arrivals();
    if (arrivals.size() != 50) {
        std::fprintf(stderr, "expected 50 commands, received %zu\n", arrivals.size());
        return 1;
    }
    std::vector<double> intervals;
    for (std::size_t i = 1; i < arrivals.size(); ++i)
        intervals.push_back(std::chrono::duration<double, std::milli>(arrivals[i] - arrivals[i - 1]).count());
    std::sort(intervals.begin(), intervals.end());
    std::printf("commands 50, intervals %zu: mean %.2f ms, median %.2f ms, p99 %.2f ms, min %.2f ms, max %.2f ms\n",
                intervals.size(), Mean(intervals), Percentile(intervals, 50), Percentile(intervals, 99),
                intervals.front(), intervals.back());

    std::vector<double> model = PauseIntervals(began.msecsSinceStartOfDay(), int(intervals.size()));
    std::sort(model.begin(), model.end());
    std::printf("predicted by the pause's clock from %s: mean %.2f ms, median %.0f ms, min %.0f ms, max %.0f ms\n",
                qPrintable(began.toString(QStringLiteral("HH:mm:ss.zzz"))), Mean(model), Percentile(model, 50),
                model.front(), model.back());
    return 0;
}
