// The commands of the main window, typed in and read back from the far end of
// the serial line: what each sends, what a refused entry leaves behind, and a
// port that fails underneath.
#include "frequency_command_fixture.h"

#include "platform/mscomm.h"
#include "platform/runtime.h"

#include <QRegularExpression>
#include <functional>
#include <memory>

namespace {

const char* const kValid = "PLEASE ENTER VALID FREQUENCY ";
const char* const kRange = "FREQUENCY VALUE OUT OF RANGE ";
const char* const kStep = "PLEASE ENTER VALID STEP SIZE";
const std::string kHuge = "1" + std::string(303, '0');   // a double, until scaled to Hz
const std::string kTooLarge = "1" + std::string(309, '0');   // past the largest double

// Makes the next send wait for one byte still going out, and runs `during`
// inside that wait, as a user's click or edit would.
struct WaitingLine {
    explicit WaitingLine(std::function<void()> during)
    {
        platform::MSComm::SetQueueReader([this](int) { return pending ? pending-- : 0; });
        platform::SetEventPump(std::move(during));
    }
    ~WaitingLine()
    {
        platform::MSComm::SetQueueReader({});
        platform::SetEventPump({});
    }
    int pending = 1;
};

QString NoBlanks(const char* hex) { return QString::fromLatin1(hex).remove(' '); }

}  // namespace

TEST_F(FrequencyCommandTest, EveryLetterPutsItsCommandOnTheLineAndShowsItsBytes)
{
    const struct {
        const char *letter, *frequency, *channel0, *bytes;   // letter "S": the swap button
    } examples[] = {
        {"D", "1000", " ", "44 00 CA 9A 3B 0D"},
        {"K", "100", " ", "4B 30 30 30 31 38 36 41 30 0D"},
        {"M", "2400", " ", "4D 30 30 30 30 30 39 36 30 0D"},
        {"R", "10", " ", "52 80 96 98 00 0D"},
        {"C", "1000", "950", "43 80 F0 FA 02 0D"},
        {"c", "1000", "950", "63 80 F0 FA 02 0D"},
        {"d", "2400.1", " ", "64 A0 9E 0E 8F 0D"},
        {"D", "65.536", " ", "44 00 00 E8 03 0D"},
        {"D", "0", " ", "44 00 00 00 00 0D"},
        {"D", "4294.967295", " ", "44 FF FF FF FF 0D"},
        {"m", "4294967295", " ", "6D 46 46 46 46 46 46 46 46 0D"},
        {"S", "1000", " ", "53 0D"},
        // The product lies just below 1005000: the value sent is its floor.
        {"D", "1.005", " ", "44 C7 55 0F 00 0D"},
        {"R", "1.005", " ", "52 C7 55 0F 00 0D"},
        {"C", "950", "950", "43 00 00 00 00 0D"},
        // Products first: (1000.3 - 1000.1) * 1000000 would give 199999.
        {"c", "1000.3", "1000.1", "63 40 0D 03 00 0D"},
        {"K", "4294967.295", " ", "4B 46 46 46 46 46 46 46 46 0D"},
        {"M", "4294967295.9", " ", "4D 46 46 46 46 46 46 46 46 0D"},
        {"K", "0.0015", " ", "4B 30 30 30 30 30 30 30 31 0D"},
        {"M", "12.7", " ", "4D 30 30 30 30 30 30 30 43 0D"},
        // Pasted with the line break that ends a copied line.
        {"D", "1000\n", " ", "44 00 CA 9A 3B 0D"},
        {"M", "2400\r\n", " ", "4D 30 30 30 30 30 39 36 30 0D"},
    };
    for (const auto& e : examples) {
        SCOPED_TRACE(std::string(e.letter) + " " + e.frequency + " / " + e.channel0);
        const bool swap = std::string_view(e.letter) == "S";
        if (!swap)
            Enter(e.letter, e.frequency, e.channel0, "");   // the step entry plays no part
        Click(swap ? form->Command7 : form->Command1);
        EXPECT_EQ(test::Hex(line.ReadAll()), e.bytes);
        EXPECT_EQ(form->Text4->Text(), NoBlanks(e.bytes));
        if (!swap) {
            EXPECT_EQ(form->Text1->Text(), QString::fromLatin1(e.frequency).section(QRegularExpression("[\r\n]"), 0, 0));
        }
        EXPECT_TRUE(shown.isEmpty()) << Messages().join('|').toStdString();
        EXPECT_FALSE(Module1::MSComm1().PortOpen());
    }
}

TEST_F(FrequencyCommandTest, SwapGoesToTheSelectedPortAndReadsNoEntry)
{
    test::PseudoTerminal three(3);
    Pick(form->Combo1, QStringLiteral("3"));
    Pick(form->Combo3, QStringLiteral("R"));
    form->Text1->SetText(QString());
    form->Text3->SetText(QStringLiteral("abc"));
    form->Combo2->AddItem(QStringLiteral("1000"));

    form->Command7->click();
    form->Command7->click();
    EXPECT_EQ(test::Hex(three.ReadAll()), "53 0D 53 0D");
    EXPECT_EQ(line.ReadAll(20), "");
    EXPECT_EQ(Module1::MSComm1().CommPort(), 3);
    EXPECT_EQ(form->Text4->Text(), QStringLiteral("530D"));
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(form->Combo2->ListCount(), 1);
    EXPECT_EQ(form->Text1->Text(), QString());
    EXPECT_EQ(form->Combo3->Text(), QStringLiteral("R"));
}

TEST_F(FrequencyCommandTest, SetFrequencyRefusesABadEntryAndSendsNothing)
{
    const struct {
        const char* letter;
        std::string frequency, channel0;
        const char* message;
        platform::TextBox* form1::*entry;
    } cases[] = {
        {"D", "", " ", kValid, &form1::Text1},
        {"D", " ", " ", kValid, &form1::Text1},
        {"C", "abc", "x", kValid, &form1::Text1},   // the frequency is checked first
        {"C", "1000", " ", kValid, &form1::Text2},
        {"c", "950", "1000", kValid, &form1::Text2},
        {"D", "-0.0000001", " ", kValid, &form1::Text1},
        {"D", "4294.967296", " ", kRange, &form1::Text1},
        {"M", "4294967296", " ", kRange, &form1::Text1},
        {"D", kHuge, " ", kRange, &form1::Text1},
        {"D", "-" + kHuge, " ", kRange, &form1::Text1},
        {"D", kTooLarge, " ", kRange, &form1::Text1},
        {"C", kHuge, kHuge, kRange, &form1::Text1},   // no number is left of the difference
    };
    Enter("D", "1000");
    Click(form->Command1);
    line.ReadAll();

    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.letter) + " " + c.frequency.substr(0, 12) + " / " + c.channel0.substr(0, 12));
        Enter(c.letter, c.frequency.c_str(), c.channel0.c_str());
        Click(form->Command1);
        ExpectRefused(c.message, form->*c.entry, QStringLiteral("4400CA9A3B0D"), 1);
        EXPECT_EQ(form->Text1->Text(), QString::fromStdString(c.frequency));
        EXPECT_EQ(form->Text2->Text(), QString::fromStdString(c.channel0));
    }
}

TEST_F(FrequencyCommandTest, HistoryKeepsEachSentTextOnceExactlyAsTyped)
{
    for (const char* typed : {"1000", "1000", "1000.0", "abc"}) {
        Enter("D", typed);
        Click(form->Command1);
    }
    Enter("M", "1000");
    Click(form->Command1);
    Pick(form->Combo2, QStringLiteral("1000.0"));
    Click(form->Command1);
    QStringList items;
    for (int i = 0; i < form->Combo2->ListCount(); ++i)
        items << form->Combo2->List(i);
    EXPECT_EQ(items, (QStringList{"1000", "1000.0"}));
}

TEST_F(FrequencyCommandTest, HistoryRecordsTheTextThatWasSentNotAnEditDuringTheSend)
{
    WaitingLine waiting([&] { form->Text1->SetText(QStringLiteral("2000")); });
    Enter("D", "1000");
    Click(form->Command1);
    EXPECT_EQ(test::Hex(line.ReadAll()), "44 00 CA 9A 3B 0D");
    EXPECT_EQ(form->Text1->Text(), QStringLiteral("2000"));
    EXPECT_EQ(form->Combo2->List(0), QStringLiteral("1000"));
    EXPECT_EQ(form->Combo2->ListCount(), 1);
}

TEST_F(FrequencyCommandTest, AClickWhileACommandWaitsForTheLineIsTurnedAwayAndTheFirstCompletes)
{
    WaitingLine waiting([&] { form->Command4->click(); });
    Enter("D", "1000");
    Click(form->Command1);
    EXPECT_EQ(test::Hex(line.ReadAll()), "44 00 CA 9A 3B 0D");
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].portOpen);
    EXPECT_EQ(form->Text1->Text(), QStringLiteral("1000"));
    EXPECT_EQ(form->Text4->Text(), QStringLiteral("4400CA9A3B0D"));
    EXPECT_EQ(form->Combo2->ListCount(), 1);
}

class StepButtonsTest : public FrequencyCommandTest {
protected:
    platform::CommandButton* Button(int direction) { return direction > 0 ? form->Command4 : form->Command5; }
};

TEST_F(StepButtonsTest, StepSendsTheNewFrequencyAndWritesItBack)
{
    const struct {
        const char *letter, *frequency, *channel0, *step;
        int direction;
        const char *bytes, *frequencyAfter, *stepAfter;
    } cases[] = {
        {"D", "1000", " ", "1000000", +1, "44 40 0C AA 3B 0D", "1001", "1000000"},
        {"D", "1000", " ", "1000000", -1, "44 C0 87 8B 3B 0D", "999", "1000000"},
        {"d", "2400.1", " ", "100000", +1, "64 40 25 10 8F 0D", "2400.2", "100000"},
        // kHz and MHz commands step in whole units of theirs.
        {"K", "1000", " ", "1500", +1, "4B 30 30 30 46 34 32 34 31 0D", "1000.001", "1000"},
        {"k", "1000", " ", "1500", -1, "6B 30 30 30 46 34 32 33 46 0D", "999.999", "1000"},
        {"K", "1000", " ", "999", +1, "4B 30 30 30 46 34 32 34 30 0D", "1000", "0"},
        {"M", "1000", " ", "2500000", +1, "4D 30 30 30 30 30 33 45 41 0D", "1002", "2000000"},
        // The fraction goes only after the step is added.
        {"M", "1000.7", " ", "1000000", +1, "4D 30 30 30 30 30 33 45 39 0D", "1001", "1000000"},
        {"m", "1000.7", " ", "1000000", -1, "6D 30 30 30 30 30 33 45 37 0D", "999", "1000000"},
        {"C", "1000", "950", "1000000", +1, "43 C0 32 0A 03 0D", "1001", "1000000"},
        {"C", "1000.3", "0.1", "1000000", +1, "43 80 19 AD 3B 0D", "1001.3", "1000000"},
        // 1.005 MHz is just below 1005000 Hz in a double.
        {"D", "1.005", " ", "1", +1, "44 C8 55 0F 00 0D", "1.005", "1"},
        {"D", "1.005", " ", "1", -1, "44 C6 55 0F 00 0D", "1.004998", "1"},
        {"D", "1.005", " ", "1000000", +1, "44 08 98 1E 00 0D", "2.005", "1000000"},   // floored once, after the sum
        // Hz commands use the whole Hz of the step and leave its entry as typed.
        {"D", "1000", " ", "1000.9", +1, "44 E8 CD 9A 3B 0D", "1000.001", "1000.9"},
        {"D", "1000.0000005", " ", "0.5", +1, "44 00 CA 9A 3B 0D", "1000", "0.5"},
        {"D", "4294.967294", " ", "1", +1, "44 FF FF FF FF 0D", "4294.967295", "1"},
        {"D", "1000", " ", "1000000\n", +1, "44 40 0C AA 3B 0D", "1001", "1000000"},   // pasted
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.letter) + " " + c.frequency + " step " + c.step + (c.direction > 0 ? " +" : " -"));
        Enter(c.letter, c.frequency, c.channel0, c.step);
        Click(Button(c.direction));
        EXPECT_EQ(test::Hex(line.ReadAll()), c.bytes);
        EXPECT_EQ(form->Text4->Text(), NoBlanks(c.bytes));
        EXPECT_EQ(form->Text1->Text(), QString::fromLatin1(c.frequencyAfter));
        EXPECT_EQ(form->Text3->Text(), QString::fromLatin1(c.stepAfter));
        EXPECT_TRUE(shown.isEmpty()) << Messages().join('|').toStdString();
        EXPECT_FALSE(Module1::MSComm1().PortOpen());
    }
    EXPECT_EQ(form->Combo2->ListCount(), 0) << "the steps keep no history";

    // Each click walks on from what the entry shows.
    Enter("D", "1000");
    for (auto* button : {form->Command4, form->Command4, form->Command5})
        Click(button);
    EXPECT_EQ(test::Hex(line.ReadAll()), "44 40 0C AA 3B 0D 44 80 4E B9 3B 0D 44 40 0C AA 3B 0D");
    EXPECT_EQ(form->Text1->Text(), QStringLiteral("1001"));
}

TEST_F(StepButtonsTest, StepRefusesABadEntryAfterWritingBackWhatItHasComputed)
{
    const struct {
        const char* letter;
        std::string frequency, channel0;
        const char* step;
        int direction;
        const char* message;
        platform::TextBox* form1::*entry;
        std::string frequencyAfter;
        const char* stepAfter;
    } cases[] = {
        {"D", "1000", " ", "0", +1, kStep, &form1::Text3, "1000", "0"},
        {"D", "abc", " ", "-5", -1, kStep, &form1::Text3, "abc", "-5"},   // the step is checked first
        {"D", "1000", " ", " ", +1, kStep, &form1::Text3, "1000", " "},
        {"K", "abc", " ", "1500", +1, kValid, &form1::Text1, "abc", "1000"},
        {"C", "950.5", "950", "1000000", -1, kValid, &form1::Text1, "949.5", "1000000"},
        // Channel 0 is checked against the frequency as typed, before the step.
        {"C", "949.5", "950", "1000000", +1, kValid, &form1::Text2, "949.5", "1000000"},
        {"c", "1000", " ", "1000000", +1, kValid, &form1::Text2, "1000", "1000000"},
        {"D", "0.5", " ", "1000000", -1, kValid, &form1::Text1, "-0.5", "1000000"},
        {"D", "4294.967295", " ", "1", +1, kRange, &form1::Text1, "4294.967296", "1"},
        {"D", "4294", " ", "1000000", +1, kRange, &form1::Text1, "4295", "1000000"},
        {"m", "4294967295", " ", "1000000", +1, kRange, &form1::Text1, "4294967296", "1000000"},
        // Past the range of a double there is no text to write back.
        {"D", kHuge, " ", "1", +1, kRange, &form1::Text1, kHuge, "1"},
        {"C", kHuge, kHuge, "1", -1, kRange, &form1::Text1, kHuge, "1"},
        {"D", "1000", " ", kTooLarge.c_str(), +1, kRange, &form1::Text1, "179769313486232" + std::string(288, '0'),
         kTooLarge.c_str()},
        {"M", "1000", " ", kTooLarge.c_str(), +1, kRange, &form1::Text1, "1000", kTooLarge.c_str()},
    };
    Enter("D", "1000");
    Click(form->Command4);
    line.ReadAll();

    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.letter) + " " + c.frequency.substr(0, 12) + " step " + c.step);
        Enter(c.letter, c.frequency.c_str(), c.channel0.c_str(), c.step);
        Click(Button(c.direction));
        ExpectRefused(c.message, form->*c.entry, QStringLiteral("44400CAA3B0D"), 0);
        EXPECT_EQ(form->Text1->Text().toStdString(), c.frequencyAfter);
        EXPECT_EQ(form->Text3->Text(), QString::fromLatin1(c.stepAfter));
    }
}

TEST_F(StepButtonsTest, WithTheReferenceLetterAClickThatGetsThroughTouchesNothing)
{
    test::PortMapping unplugged(2, "/dev/qrvn5800-unplugged");   // an open would be reported
    Pick(form->Combo1, QStringLiteral("2"));
    Enter("R", "10", " ", "abc");
    for (const int direction : {+1, -1})
        platform::RunHandler([&] { direction > 0 ? form->Command4_Click() : form->Command5_Click(); });
    EXPECT_TRUE(shown.isEmpty()) << Messages().join('|').toStdString();
    EXPECT_EQ(form->Text1->Text(), QStringLiteral("10"));
    EXPECT_EQ(form->Text4->Text(), QStringLiteral(" "));
}

// A port missing at the click is reported before any entry is used; one that
// vanishes while the command waits for the line is reported with what was
// being sent left on show. Either way: one message, the port closed, no
// history, and the next click works.
TEST_F(FrequencyCommandTest, APortThatFailsIsReportedOnceAndTheNextClickWorks)
{
    struct Restore {
        ~Restore() { platform::MSComm::SetQueueReader({}); }
    } restore;
    const struct {
        const char* name;
        platform::CommandButton* form1::*button;
        const char* display;   // of 1000 MHz with "D"
    } buttons[] = {{"set", &form1::Command1, "4400CA9A3B0D"},
                   {"+", &form1::Command4, "44400CAA3B0D"},
                   {"-", &form1::Command5, "44C0878B3B0D"},
                   {"swap", &form1::Command7, "530D"}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.name);
        Pick(form->Combo1, QStringLiteral("2"));
        Enter("D", "1000");
        form->Text4->SetText(QStringLiteral(" "));
        const int history = form->Combo2->ListCount();
        {
            test::PortMapping unplugged(2, "/dev/qrvn5800-unplugged");
            Click(form->*b.button);
            ASSERT_EQ(shown.size(), 1);
            EXPECT_TRUE(shown[0].text.contains(QStringLiteral("COM2"))) << shown[0].text.toStdString();
            EXPECT_TRUE(shown[0].text.contains(QStringLiteral("/dev/qrvn5800-unplugged")));
            EXPECT_FALSE(Module1::MSComm1().PortOpen());
            EXPECT_EQ(form->Text1->Text(), QStringLiteral("1000"));
            EXPECT_EQ(form->Text4->Text(), QStringLiteral(" ")) << "the display changes only once the port is open";
            EXPECT_EQ(form->Combo2->ListCount(), history);
        }
        {
            auto adapter = std::make_unique<test::PseudoTerminal>(2);
            platform::MSComm::SetQueueReader([&](int) {   // pulled out while the command waits
                adapter.reset();
                return 0;
            });
            Click(form->*b.button);
            platform::MSComm::SetQueueReader({});
            ASSERT_EQ(shown.size(), 1);
            EXPECT_TRUE(shown[0].text.contains(QStringLiteral("went away"))) << shown[0].text.toStdString();
            EXPECT_FALSE(Module1::MSComm1().PortOpen());
            EXPECT_EQ(form->Text4->Text(), QString::fromLatin1(b.display)) << "what was being sent stays on show";
            EXPECT_EQ(form->Combo2->ListCount(), history);
        }
        Pick(form->Combo1, QStringLiteral("1"));
        Enter("D", "1000");
        Click(form->*b.button);
        EXPECT_EQ(QString::fromStdString(test::Hex(line.ReadAll())).remove(' '), QString::fromLatin1(b.display));
        EXPECT_TRUE(shown.isEmpty());
    }
}
