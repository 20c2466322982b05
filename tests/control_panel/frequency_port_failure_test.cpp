// A serial port that fails under a frequency command: one message, the port
// closed, no history, and the window goes on working.
#include "frequency_command_fixture.h"

#include "platform/mscomm.h"

#include <fcntl.h>
#include <unistd.h>

namespace {

struct Button {
    const char* name;
    platform::CommandButton* form1::*button;
    const char* display;   // of 1000 MHz with "D", after the click
};
const Button kButtons[] = {{"set", &form1::Command1, "4400CA9A3B0D"},
                           {"+", &form1::Command4, "44400CAA3B0D"},
                           {"-", &form1::Command5, "44C0878B3B0D"}};

}  // namespace

TEST_F(FrequencyCommandTest, AMissingPortIsReportedBeforeAnyEntryIsUsed)
{
    test::PortMapping unplugged(2, "/dev/qrvn5800-unplugged");
    Pick(form->Combo1, QStringLiteral("2"));
    for (const Button& b : kButtons) {
        SCOPED_TRACE(b.name);
        Enter("D", "1000");
        Click(form->*b.button);
        ASSERT_EQ(shown.size(), 1);
        EXPECT_TRUE(shown[0].text.contains(QStringLiteral("COM2"))) << shown[0].text.toStdString();
        EXPECT_FALSE(Module1::MSComm1().PortOpen());
        EXPECT_EQ(form->Text1->Text(), QStringLiteral("1000"));
        EXPECT_EQ(form->Text4->Text(), QStringLiteral(" "));
        EXPECT_EQ(form->Combo2->ListCount(), 0);
    }
}

TEST_F(FrequencyCommandTest, ADeviceThatVanishesBeforeTheWriteIsReportedAndTheNextClickWorks)
{
    struct Restore {
        ~Restore() { platform::MSComm::SetQueueReader({}); }
    } restore;
    for (const Button& b : kButtons) {
        SCOPED_TRACE(b.name);
        int master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master, 0);
        ::grantpt(master);
        ::unlockpt(master);
        test::PortMapping adapter(2, ::ptsname(master));
        // The adapter is pulled out while the command waits for the line.
        platform::MSComm::SetQueueReader([&](int) {
            if (master >= 0)
                ::close(master);
            master = -1;
            return 0;
        });
        Pick(form->Combo1, QStringLiteral("2"));
        Enter("D", "1000");
        const int history = form->Combo2->ListCount();
        Click(form->*b.button);
        ASSERT_EQ(shown.size(), 1);
        EXPECT_TRUE(shown[0].text.contains(QStringLiteral("went away"))) << shown[0].text.toStdString();
        EXPECT_FALSE(Module1::MSComm1().PortOpen());
        EXPECT_EQ(form->Text4->Text(), QString::fromLatin1(b.display)) << "what was being sent stays on show";
        EXPECT_EQ(form->Combo2->ListCount(), history);

        Pick(form->Combo1, QStringLiteral("1"));
        Enter("D", "1000");
        Click(form->*b.button);
        EXPECT_EQ(QString::fromStdString(test::Hex(line.ReadAll())).remove(' '), QString::fromLatin1(b.display));
        EXPECT_TRUE(shown.isEmpty());
    }
}
