#include "form1_fixture.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TEST_F(MainWindowTest, SwapSendsItsTwoBytesToTheSelectedPortAndClosesIt)
{
    test::PseudoTerminal one(1), three(3);
    Pick(form->Combo1, QStringLiteral("3"));
    form->Command7->click();
    EXPECT_EQ(test::Hex(three.ReadAll()), "53 0D");
    EXPECT_EQ(one.ReadAll(20), "");
    EXPECT_EQ(form->Text4->Text(), QStringLiteral("530D"));
    EXPECT_FALSE(Module1::MSComm1().PortOpen());
    EXPECT_EQ(Module1::MSComm1().CommPort(), 3);
    EXPECT_TRUE(recorder.messages.isEmpty());
}

TEST_F(MainWindowTest, SwapReadsNoEntryAndTouchesNothingElse)
{
    test::PseudoTerminal far(1);
    Pick(form->Combo3, QStringLiteral("R"));
    form->Text1->SetText(QString());
    form->Text3->SetText(QStringLiteral("abc"));
    form->Combo2->AddItem(QStringLiteral("1000"));

    form->Command7->click();
    form->Command7->click();
    EXPECT_EQ(test::Hex(far.ReadAll()), "53 0D 53 0D");
    EXPECT_EQ(form->Text4->Text(), QStringLiteral("530D"));
    EXPECT_TRUE(recorder.messages.isEmpty());
    EXPECT_EQ(form->Combo2->ListCount(), 1);
    EXPECT_EQ(form->Text1->Text(), QString());
    EXPECT_EQ(form->Combo3->Text(), QStringLiteral("R"));
}

TEST_F(MainWindowTest, SwapOnAMissingPortSaysSoSendsNothingAndKeepsRunning)
{
    test::PortMapping map(2, "/dev/qrvn5800-unplugged");
    Pick(form->Combo1, QStringLiteral("2"));
    form->Command7->click();
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_TRUE(recorder.messages[0].contains(QStringLiteral("COM2")));
    EXPECT_TRUE(recorder.messages[0].contains(QStringLiteral("/dev/qrvn5800-unplugged")));
    EXPECT_EQ(form->Text4->Text(), QStringLiteral(" ")) << "the display changes only once the port is open";
    EXPECT_FALSE(Module1::MSComm1().PortOpen());

    // The next command works once the port is there.
    test::PseudoTerminal far(2);
    form->Command7->click();
    EXPECT_EQ(test::Hex(far.ReadAll()), "53 0D");
}

TEST_F(MainWindowTest, SwapOnAPortHeldByAnotherProgramSaysItIsInUse)
{
    test::PseudoTerminal far(1);
    const int other = ::open(far.SlavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);

    form->Command7->click();
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_TRUE(recorder.messages[0].contains(QStringLiteral("in use by another program")))
        << recorder.messages[0].toStdString();
    EXPECT_FALSE(Module1::MSComm1().PortOpen());
    ::close(other);
}
