#include "platform/mscomm.h"
#include "platform/serial_error.h"
#include "tests/support/pseudo_terminal.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <chrono>
#include <clocale>
#include <cstring>
#include <filesystem>
#include <memory>
#include <thread>
#include <unistd.h>
#include <vector>

using platform::MSComm;
using platform::SerialError;
using test::PseudoTerminal;

namespace {

void OpenAt(MSComm& comm, short port)
{
    comm.setCommPort(port);
    comm.setSettings(QStringLiteral("9600,N,8,1"));
    comm.setPortOpen(true);
}

std::string OpenFailure(short port)
{
    MSComm comm;
    try {
        OpenAt(comm, port);
    } catch (const SerialError& e) {
        EXPECT_FALSE(comm.PortOpen());
        return e.what();
    }
    ADD_FAILURE() << "port " << port << " opened";
    return {};
}

// The descriptor on `device` other than `except`, as /proc lists this
// process's descriptors; -1 if there is none.
int DescriptorOn(const std::string& device, int except)
{
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        const int fd = std::stoi(entry.path().filename().string());
        if (fd != except && std::filesystem::read_symlink(entry.path(), ignored) == device)
            return fd;
    }
    return -1;
}

}  // namespace

TEST(SerialLine, OpensRawNineSixHundredEightNoneOneWithoutFlowControl)
{
    PseudoTerminal far(2);
    // A descriptor of our own, opened first, to read back what the port set.
    const int probe = ::open(far.SlavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(probe, 0);
    termios before{};
    ::tcgetattr(probe, &before);
    ASSERT_TRUE(before.c_oflag & OPOST) << "a fresh terminal should start cooked";
    // A device left with flow control on by another program: a board that
    // never raises CTS or sends XON would stall every command.
    before.c_cflag |= CRTSCTS;
    before.c_iflag |= IXON | IXOFF | IXANY;
    ASSERT_EQ(::tcsetattr(probe, TCSANOW, &before), 0);
    ::tcgetattr(probe, &before);
    ASSERT_TRUE((before.c_cflag & CRTSCTS) && (before.c_iflag & IXON) && (before.c_iflag & IXOFF));

    MSComm comm;
    OpenAt(comm, 2);
    termios t{};
    ASSERT_EQ(::tcgetattr(probe, &t), 0);
    EXPECT_EQ(::cfgetospeed(&t), B9600);
    EXPECT_EQ(::cfgetispeed(&t), B9600);
    EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_FALSE(t.c_cflag & (PARENB | CSTOPB | CRTSCTS));
    EXPECT_TRUE(t.c_cflag & CLOCAL);
    EXPECT_TRUE(t.c_cflag & CREAD);
    EXPECT_FALSE(t.c_iflag & (IXON | IXOFF | IXANY | ICRNL | INLCR | ISTRIP));
    EXPECT_FALSE(t.c_oflag & OPOST);
    EXPECT_FALSE(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN));
    // The line is this program's alone, and a program started from it (a
    // browser that a link opens) does not inherit it, nor its lock.
    int exclusive = 0;
    EXPECT_EQ(::ioctl(probe, TIOCGEXCL, &exclusive), 0);
    EXPECT_TRUE(exclusive);
    const int own = DescriptorOn(far.SlavePath(), probe);
    EXPECT_GE(own, 0);
    EXPECT_TRUE(own >= 0 && (::fcntl(own, F_GETFD) & FD_CLOEXEC));
    comm.setPortOpen(false);
    ::close(probe);
}

TEST(SerialLine, EveryByteOfAWriteLargerThanTheKernelTakesAtOnceArrivesUnchangedAndInOrder)
{
    PseudoTerminal far(1);
    MSComm comm;
    OpenAt(comm, 1);
    std::string big;   // every byte value, none translated on the way
    for (int i = 0; i < 200000; ++i)
        big.push_back(char(i * 7 + i / 256));
    // The far end reads while the write is still going on, so the write
    // meets a full queue and has to wait and resume part way.
    std::string received;
    std::thread reader([&] {
        while (received.size() < big.size()) {
            const std::string chunk = far.ReadAll(3000);
            if (chunk.empty())
                break;
            received += chunk;
        }
    });
    comm.setOutput(big);
    reader.join();
    comm.setPortOpen(false);
    EXPECT_EQ(received.size(), big.size());
    EXPECT_TRUE(received == big);
}

TEST(SerialLine, APortHeldElsewhereIsRefusedAsInUse)
{
    PseudoTerminal far(3);
    MSComm first;
    OpenAt(first, 3);
    const std::string message = OpenFailure(3);
    for (const std::string& part : {std::string("COM3"), far.SlavePath(), std::string("in use by another program")})
        EXPECT_NE(message.find(part), std::string::npos) << message;

    // The holder keeps working, and once it lets go the port opens again.
    first.setOutput("S\r");
    first.setPortOpen(false);
    EXPECT_EQ(far.ReadAll(), "S\r");
    OpenAt(first, 3);
    first.setPortOpen(false);

    // Another program's advisory lock alone (no exclusive mode) keeps it out too.
    const int other = ::open(far.SlavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_NE(OpenFailure(3).find("in use by another program"), std::string::npos);
    ::close(other);
}

TEST(SerialLine, MissingOrWrongDevicesAreReportedAndLeaveNothingOpen)
{
    const int before = test::OpenDescriptorCount();
    {
        test::PortMapping map(4, "/dev/qrvn5800-no-such-device");
        const std::string message = OpenFailure(4);
        EXPECT_NE(message.find("COM4"), std::string::npos) << message;
        EXPECT_NE(message.find("/dev/qrvn5800-no-such-device"), std::string::npos) << message;
        EXPECT_NE(message.find("no such device"), std::string::npos) << message;
        EXPECT_NE(message.find("QRVN5800_COM4"), std::string::npos) << "says how to map the port: " << message;
    }
    {
        test::PortMapping map(4, "/dev/null");
        const std::string message = OpenFailure(4);
        EXPECT_NE(message.find("not a serial port"), std::string::npos) << message;
    }
    {
        // A cause that the program has no text of its own for is still in
        // English for a German user, and reads on after the colon.
        const std::string saved = std::setlocale(LC_MESSAGES, nullptr);
        ::setenv("LOCPATH", TEST_LOCALE_DIR, 1);
        std::setlocale(LC_MESSAGES, "de_DE.UTF-8");
        EXPECT_STRNE(std::strerror(EISDIR), "Is a directory") << "German system messages are not in force";
        test::PortMapping map(4, "/");
        const std::string message = OpenFailure(4);
        std::setlocale(LC_MESSAGES, saved.c_str());
        ::unsetenv("LOCPATH");
        EXPECT_NE(message.find("could not be opened: is a directory."), std::string::npos) << message;
    }
    EXPECT_EQ(test::OpenDescriptorCount(), before);

    const std::string denied = platform::DescribeOpenFailure(1, "/dev/ttyS0", EACCES);
    EXPECT_NE(denied.find("permission denied"), std::string::npos);
    EXPECT_NE(denied.find("dialout"), std::string::npos);
}

TEST(SerialLine, PortNumbersMapToTheEnvironmentOrTheSerialDevices)
{
    ::unsetenv("QRVN5800_COM2");
    EXPECT_EQ(MSComm::DevicePath(1), "/dev/ttyS0");
    EXPECT_EQ(MSComm::DevicePath(4), "/dev/ttyS3");
    test::PortMapping map(2, "/dev/ttyUSB0");
    EXPECT_EQ(MSComm::DevicePath(2), "/dev/ttyUSB0");
}

TEST(SerialLine, DiscardTakesOnlyZeroAndAClosedPortRefusesWrites)
{
    PseudoTerminal far(1);
    MSComm comm;
    OpenAt(comm, 1);
    comm.setOutput("K000F4240\r");
    comm.setOutBufferCount(0);
    EXPECT_EQ(comm.OutBufferCount(), 0);
    EXPECT_THROW(comm.setOutBufferCount(5), std::invalid_argument);
    comm.setPortOpen(false);
    EXPECT_NO_THROW(comm.setOutBufferCount(0)) << "a discard on a closed port has nothing to drop";
    EXPECT_EQ(comm.OutBufferCount(), 0);
    EXPECT_THROW(comm.setOutput("S\r"), SerialError) << "reported, not ignored";
}

// Whatever part of a failed write the kernel took is dropped while the port
// is still open, so that nothing of it leaves at the close and runs into the
// next command. Only a command that left in part asks for the board to be
// restarted.
TEST(SerialLine, AWriteThatFailsIsReportedAndDropsWhatIsStillQueued)
{
    std::vector<bool> discards;   // whether the port was open at each
    MSComm comm;
    MSComm::SetDiscardObserver([&](int) { discards.push_back(comm.PortOpen()); });
    struct Restore {
        ~Restore() { MSComm::SetDiscardObserver({}); }
    } restore;

    const std::string nothing = "Nothing of the command was sent";
    const std::string partly = "only in part";
    const auto failedWrite = [&](const std::string& command, const char* cause, const std::string& said,
                                 const std::string& unsaid) {
        discards.clear();
        try {
            comm.setOutput(command);
            ADD_FAILURE() << "the write succeeded";
        } catch (const SerialError& e) {
            EXPECT_EQ(discards, std::vector<bool>{true});
            const std::string message = e.what();
            for (const std::string& part : {std::string("COM1"), std::string(cause), said})
                EXPECT_NE(message.find(part), std::string::npos) << message;
            EXPECT_EQ(message.find(unsaid), std::string::npos) << message;
        }
        comm.setPortOpen(false);
    };
    const std::string command("D\x00\xCA\x9A\x3B\r", 6);

    {   // the adapter is pulled out before the write
        auto adapter = std::make_unique<PseudoTerminal>(1);
        OpenAt(comm, 1);
        adapter.reset();
        failedWrite(command, "went away", nothing, partly);
    }
    {   // the far end has stopped reading, and the line is already full
        PseudoTerminal far(1);
        const int filler = ::open(far.SlavePath().c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(filler, 0);
        termios raw{};
        ::tcgetattr(filler, &raw);
        ::cfmakeraw(&raw);   // output processing would give up while raw writes still fit
        ::tcsetattr(filler, TCSANOW, &raw);
        // The kernel moves bytes on to the far end behind the writer's back,
        // so fill until a pause frees no more room.
        for (bool took = true; took; std::this_thread::sleep_for(std::chrono::milliseconds(50))) {
            took = false;
            while (::write(filler, "x", 1) == 1)
                took = true;
        }
        OpenAt(comm, 1);
        failedWrite(command, "timed out", nothing, partly);
        ::close(filler);
    }
    {   // the far end does not read, and the line takes the head of a
        // command longer than it can hold
        PseudoTerminal far(1);
        OpenAt(comm, 1);
        failedWrite(std::string(1 << 20, 'K'), "timed out", partly, nothing);
    }
    EXPECT_FALSE(comm.PortOpen());
}

TEST(SerialLine, MalformedSettingsAreRefused)
{
    MSComm comm;
    EXPECT_THROW(comm.setSettings(QStringLiteral("9600,N,8")), std::invalid_argument);
    EXPECT_THROW(comm.setSettings(QStringLiteral("9601,N,8,1")), std::invalid_argument);
    EXPECT_THROW(comm.setSettings(QStringLiteral("9600,X,8,1")), std::invalid_argument);
    EXPECT_EQ(comm.Settings(), QStringLiteral("9600,N,8,1"));
}
