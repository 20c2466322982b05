#include "platform/mscomm.h"

#include "platform/serial_error.h"

#include <QStringList>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace platform {

namespace {

// A write that the line does not take within this time is reported instead
// of hanging the window.
constexpr int kWriteTimeoutMs = 2000;

MSComm::QueueReader& Reader()
{
    static MSComm::QueueReader reader;
    return reader;
}

MSComm::DiscardObserver& Observer()
{
    static MSComm::DiscardObserver observer;
    return observer;
}

struct LineSettings {
    speed_t speed;
    tcflag_t parity;  // PARENB / PARODD bits
    tcflag_t size;    // CS5..CS8
    bool twoStopBits;
};

speed_t SpeedFor(int baud)
{
    switch (baud) {
    case 110: return B110;
    case 300: return B300;
    case 600: return B600;
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: throw std::invalid_argument("Unsupported baud rate: " + std::to_string(baud) + ".");
    }
}

LineSettings ParseSettings(const QString& text)
{
    const QStringList f = text.split(QLatin1Char(','));
    if (f.size() != 4)
        throw std::invalid_argument("Invalid serial settings: \"" + text.toStdString() + "\".");
    bool ok = false;
    const int baud = f[0].trimmed().toInt(&ok);
    if (!ok)
        throw std::invalid_argument("Invalid baud rate in \"" + text.toStdString() + "\".");
    LineSettings s{SpeedFor(baud), 0, CS8, false};

    const QString parity = f[1].trimmed().toUpper();
    if (parity == QLatin1String("N"))
        s.parity = 0;
    else if (parity == QLatin1String("E"))
        s.parity = PARENB;
    else if (parity == QLatin1String("O"))
        s.parity = PARENB | PARODD;
    else
        throw std::invalid_argument("Unsupported parity in \"" + text.toStdString() + "\".");

    const int bits = f[2].trimmed().toInt(&ok);
    switch (ok ? bits : 0) {
    case 5: s.size = CS5; break;
    case 6: s.size = CS6; break;
    case 7: s.size = CS7; break;
    case 8: s.size = CS8; break;
    default: throw std::invalid_argument("Unsupported data bits in \"" + text.toStdString() + "\".");
    }

    const QString stop = f[3].trimmed();
    if (stop == QLatin1String("1"))
        s.twoStopBits = false;
    else if (stop == QLatin1String("2"))
        s.twoStopBits = true;
    else
        throw std::invalid_argument("Unsupported stop bits in \"" + text.toStdString() + "\".");
    return s;
}

}  // namespace

MSComm::~MSComm() { Close(); }

std::string MSComm::DevicePath(short port)
{
    const std::string var = "QRVN5800_COM" + std::to_string(port);
    if (const char* mapped = std::getenv(var.c_str()); mapped && *mapped)
        return mapped;
    return "/dev/ttyS" + std::to_string(port - 1);
}

void MSComm::SetQueueReader(QueueReader reader) { Reader() = std::move(reader); }

void MSComm::SetDiscardObserver(DiscardObserver observer) { Observer() = std::move(observer); }

void MSComm::setCommPort(short port)
{
    if (port < 1)
        throw std::invalid_argument("Invalid serial port number " + std::to_string(port) + ".");
    if (PortOpen())
        throw SerialError(DescribeStillOpen(commPort_, device_));
    commPort_ = port;
}

void MSComm::setSettings(const QString& settings)
{
    ParseSettings(settings);  // refuse a malformed text before keeping it
    settings_ = settings;
    if (PortOpen())
        ApplySettings();
}

void MSComm::setPortOpen(bool open)
{
    if (open && !PortOpen())
        Open();
    else if (!open && PortOpen())
        Close();
    else if (open)
        throw SerialError(DescribeStillOpen(commPort_, device_));
}

void MSComm::Open()
{
    const std::string device = DevicePath(commPort_);
    // Non-blocking, so that the open does not wait for a carrier on a modem line.
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        throw SerialError(DescribeOpenFailure(commPort_, device, errno));

    auto fail = [&](int error) {
        ::close(fd);
        throw SerialError(DescribeOpenFailure(commPort_, device, error));
    };
    // TIOCEXCL alone does not keep out root; an advisory lock keeps out every
    // program that honours it, as serial tools do.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        fail(errno == EWOULDBLOCK ? EBUSY : errno);
    if (!::isatty(fd))
        fail(ENOTTY);
    if (::ioctl(fd, TIOCEXCL) != 0)
        fail(errno);

    fd_ = fd;
    device_ = device;
    try {
        ApplySettings();
    } catch (...) {
        Close();
        throw;
    }
}

void MSComm::ApplySettings() const
{
    const LineSettings s = ParseSettings(settings_);
    termios t{};
    if (::tcgetattr(fd_, &t) != 0)
        throw SerialError(DescribeOpenFailure(commPort_, device_, errno));
    // Raw: no byte of a command may be translated (0x0A would become 0D 0A).
    ::cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    t.c_cflag |= s.size | s.parity;
    if (s.twoStopBits)
        t.c_cflag |= CSTOPB;
    t.c_iflag &= ~(IXON | IXOFF | IXANY);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    ::cfsetispeed(&t, s.speed);
    ::cfsetospeed(&t, s.speed);
    if (::tcsetattr(fd_, TCSANOW, &t) != 0)
        throw SerialError(DescribeOpenFailure(commPort_, device_, errno));
}

void MSComm::Close() noexcept
{
    if (fd_ < 0)
        return;
    ::ioctl(fd_, TIOCNXCL);
    // A blocking close lets the driver send what was written before it
    // releases the port, so a command written just before the close arrives.
    const int flags = ::fcntl(fd_, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK);
    ::close(fd_);
    fd_ = -1;
}

short MSComm::OutBufferCount() const
{
    if (fd_ < 0)
        return 0;
    int pending = 0;
    if (Reader())
        pending = Reader()(fd_);
    else if (::ioctl(fd_, TIOCOUTQ, &pending) != 0)
        pending = 0;
    return short(pending < 0 ? 0 : pending > 32767 ? 32767 : pending);
}

void MSComm::setOutBufferCount(short count)
{
    if (count != 0)
        throw std::invalid_argument("The transmit buffer count can only be set to 0.");
    if (fd_ < 0)
        return;
    ::tcflush(fd_, TCOFLUSH);
    if (Observer())
        Observer()(fd_);
}

void MSComm::setOutput(const std::string& bytes)
{
    if (fd_ < 0)
        throw WriteFailure(commPort_, DevicePath(commPort_), EBADF, 0);
    try {
        WriteAll(bytes);
    } catch (...) {
        // The kernel may hold the first part of the command. Left queued, it
        // would leave at the close and the board would read it glued to the
        // next command, as a different one.
        setOutBufferCount(0);
        throw;
    }
}

void MSComm::WriteAll(const std::string& bytes)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kWriteTimeoutMs);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += std::size_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            throw WriteFailure(commPort_, device_, errno, done);
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd p{fd_, POLLOUT, 0};
        if (left <= 0 || ::poll(&p, 1, int(left)) == 0)
            throw WriteFailure(commPort_, device_, ETIMEDOUT, done);
        if (p.revents & (POLLERR | POLLHUP | POLLNVAL))
            throw WriteFailure(commPort_, device_, EIO, done);
    }
}

}  // namespace platform
