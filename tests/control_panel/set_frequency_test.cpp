// " SET FREQUENCY": what reaches the line for each kind of entry, and what a
// refused entry leaves behind.
#include "frequency_command_fixture.h"

#include "platform/mscomm.h"
#include "platform/runtime.h"

#include <functional>

namespace {

const char* const kValid = "PLEASE ENTER VALID FREQUENCY ";
const char* const kRange = "FREQUENCY VALUE OUT OF RANGE ";

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

}  // namespace

TEST_F(FrequencyCommandTest, SetFrequencySendsTheFloorOfTheScaledEntryUpToTheLimits)
{
    struct Case {
        const char* letter;
        const char* frequency;
        const char* channel0;
        const char* bytes;
    };
    const Case cases[] = {
        {"C", "950", "950", "43 00 00 00 00 0D"},
        // Products first: (1000.3 - 1000.1) * 1000000 would give 199999.
        {"c", "1000.3", "1000.1", "63 40 0D 03 00 0D"},
        {"K", "4294967.295", " ", "4B 46 46 46 46 46 46 46 46 0D"},
        {"M", "4294967295.9", " ", "4D 46 46 46 46 46 46 46 46 0D"},
        {"K", "0.0015", " ", "4B 30 30 30 30 30 30 30 31 0D"},
        {"M", "12.7", " ", "4D 30 30 30 30 30 30 30 43 0D"},
        {"R", "1.005", " ", "52 C7 55 0F 00 0D"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.letter) + " " + c.frequency + " / " + c.channel0);
        // The step entry plays no part, even when it holds no number.
        Enter(c.letter, c.frequency, c.channel0, "");
        Click(form->Command1);
        EXPECT_EQ(test::Hex(line.ReadAll()), c.bytes);
        EXPECT_TRUE(shown.isEmpty()) << Messages().join('|').toStdString();
        EXPECT_EQ(form->Text1->Text(), QString::fromLatin1(c.frequency));
    }
}

TEST_F(FrequencyCommandTest, SetFrequencyRefusesABadEntryAndSendsNothing)
{
    const std::string huge = "1" + std::string(303, '0');   // a double, until scaled to Hz
    struct Case {
        const char* letter;
        std::string frequency;
        std::string channel0;
        const char* message;
        platform::TextBox* form1::*entry;
    };
    const Case cases[] = {
        {"D", "", " ", kValid, &form1::Text1},
        {"D", " ", " ", kValid, &form1::Text1},
        {"C", "abc", "x", kValid, &form1::Text1},   // the frequency is checked first
        {"C", "1000", " ", kValid, &form1::Text2},
        {"c", "950", "1000", kValid, &form1::Text2},
        {"D", "-0.0000001", " ", kValid, &form1::Text1},
        {"D", "4294.967296", " ", kRange, &form1::Text1},
        {"M", "4294967296", " ", kRange, &form1::Text1},
        {"D", huge, " ", kRange, &form1::Text1},
        {"D", "-" + huge, " ", kRange, &form1::Text1},
        {"C", huge, huge, kRange, &form1::Text1},   // no number is left of the difference
    };
    Enter("D", "1000");
    Click(form->Command1);
    line.ReadAll();

    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.letter) + " " + c.frequency.substr(0, 12) + " / " + c.channel0.substr(0, 12));
        const QString frequency = QString::fromStdString(c.frequency);
        const QString channel0 = QString::fromStdString(c.channel0);
        Enter(c.letter, c.frequency.c_str(), c.channel0.c_str());
        Click(form->Command1);
        ExpectRefused(c.message, form->*c.entry, QStringLiteral("4400CA9A3B0D"), 1);
        EXPECT_EQ(form->Text1->Text(), frequency);
        EXPECT_EQ(form->Text2->Text(), channel0);
    }
}

TEST_F(FrequencyCommandTest, HistoryKeepsEachSentTextOnceExactlyAsTyped)
{
    Enter("D", "1000");
    Click(form->Command1);
    Click(form->Command1);
    Enter("D", "1000.0");
    Click(form->Command1);
    Enter("D", "abc");
    Click(form->Command1);
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
    ASSERT_EQ(form->Combo2->ListCount(), 1);
    EXPECT_EQ(form->Combo2->List(0), QStringLiteral("1000"));
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
