#include "tests/support/pseudo_terminal.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace test {

PseudoTerminal::PseudoTerminal(int port) : port_(port)
{
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        throw std::runtime_error("no pseudo terminal");
    slave_ = ::ptsname(master_);
    ::setenv(("QRVN5800_COM" + std::to_string(port_)).c_str(), slave_.c_str(), 1);
}

PseudoTerminal::~PseudoTerminal()
{
    ::unsetenv(("QRVN5800_COM" + std::to_string(port_)).c_str());
    ::close(master_);
}

std::string PseudoTerminal::ReadAll(int waitMs)
{
    std::string bytes;
    int wait = waitMs;
    for (;;) {
        pollfd p{master_, POLLIN, 0};
        if (::poll(&p, 1, wait) <= 0 || !(p.revents & POLLIN))
            break;
        char buf[4096];
        const ssize_t n = ::read(master_, buf, sizeof buf);
        if (n <= 0)
            break;
        bytes.append(buf, std::size_t(n));
        wait = 20;  // the rest of a burst follows at once
    }
    return bytes;
}

PortMapping::PortMapping(int port, const std::string& device) : name_("QRVN5800_COM" + std::to_string(port))
{
    ::setenv(name_.c_str(), device.c_str(), 1);
}

PortMapping::~PortMapping() { ::unsetenv(name_.c_str()); }

std::string Hex(const std::string& bytes)
{
    std::string out;
    char buf[4];
    for (unsigned char c : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", c);
        if (!out.empty())
            out += ' ';
        out += buf;
    }
    return out;
}

MessageRecorder::MessageRecorder()
{
    platform::SetMessageSink([this](const QString& text) { messages << text; });
}

MessageRecorder::~MessageRecorder() { platform::SetMessageSink({}); }

int OpenDescriptorCount()
{
    int count = 0;
    if (DIR* d = ::opendir("/proc/self/fd")) {
        while (::readdir(d))
            ++count;
        ::closedir(d);
    }
    return count;
}

}  // namespace test
