#include "device_link/module1.h"
#include "device_link/serial1.h"
#include "platform/handler.h"
#include "platform/runtime.h"
#include "tests/support/pseudo_terminal.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

using test::PseudoTerminal;

namespace {

// Reports `pending` bytes waiting, one fewer at each reading, and counts
// the pumps and the events they handled.
class DrainingQueue : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::MSComm::SetQueueReader([this](int) {
            ++readings;
            return pending > 0 ? pending-- : 0;
        });
        platform::SetEventPump([this] {
            ++pumps;
            QCoreApplication::processEvents();
        });
    }
    void TearDown() override
    {
        platform::MSComm::SetQueueReader({});
        platform::SetEventPump({});
        Module1::ClosePort();
    }
    int pending = 0;
    int readings = 0;
    int pumps = 0;
};

}  // namespace

TEST_F(DrainingQueue, SendHandlesEventsWhileEarlierOutputDrainsAndOnlyThenWrites)
{
    PseudoTerminal far(1);
    Module1::OpenPort(1);
    pending = 3;
    bool handled = false;
    QObject scope;   // a timer still pending at the end goes with this frame
    QTimer::singleShot(0, &scope, [&] { handled = true; });
    std::string seenDuringWait = "unset";
    platform::SetEventPump([&] {
        ++pumps;
        QCoreApplication::processEvents();
        if (pending == 0)
            seenDuringWait = far.ReadAll(0);
    });

    Module1::SendCommand(std::string("D\0\xCA\x9A;\r", 6));
    EXPECT_EQ(pumps, 3);
    EXPECT_EQ(readings, 4);
    EXPECT_TRUE(handled) << "window events are handled during the wait";
    EXPECT_EQ(seenDuringWait, "") << "nothing may be written while bytes are pending";
    Module1::ClosePort();
    EXPECT_EQ(test::Hex(far.ReadAll()), "44 00 CA 9A 3B 0D");
}

TEST_F(DrainingQueue, WithAnEmptyBufferTheSendWritesAtOnceAndLetsNoHandlerRun)
{
    PseudoTerminal far(1);
    Module1::OpenPort(1);
    bool handled = false;
    QObject scope;   // the timer must not fire here, and must not outlive the test
    QTimer::singleShot(0, &scope, [&] { handled = true; });

    Module1::SendCommand("S\r");
    EXPECT_EQ(pumps, 0);
    EXPECT_FALSE(handled);
    Module1::ClosePort();
    EXPECT_EQ(far.ReadAll(), "S\r");
}

TEST(SerialProcedures, OneHiddenHolderCarriesTheControlAndEachOpenAppliesTheLineSettings)
{
    PseudoTerminal two(2), three(3);
    Module1::OpenPort(2);
    Serial1& holder = platform::Ref<Serial1>();
    EXPECT_FALSE(holder.isVisible());
    EXPECT_EQ(&Module1::MSComm1(), &holder.MSComm1);

    platform::MSComm& comm = Module1::MSComm1();
    EXPECT_TRUE(comm.PortOpen());
    EXPECT_EQ(comm.CommPort(), 2);
    EXPECT_EQ(comm.Settings(), QStringLiteral("9600,N,8,1"));
    EXPECT_EQ(comm.InBufferSize(), 20000);
    EXPECT_EQ(comm.OutBufferSize(), 20000);

    Module1::ClosePort();
    EXPECT_FALSE(comm.PortOpen());
    Module1::OpenPort(3);
    EXPECT_EQ(&platform::Ref<Serial1>(), &holder);
    // Bytes written right before the close still arrive, every byte value
    // unchanged.
    std::string big = "S\r";
    for (int i = 0; i < 4000; ++i)
        big.push_back(char(i));
    Module1::SendCommand(big);
    Module1::ClosePort();
    EXPECT_EQ(three.ReadAll(), big);
    EXPECT_EQ(two.ReadAll(20), "");
}
