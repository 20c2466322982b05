// " +" and " -": the new frequency on the line and back in its entry, the
// step as the letter's unit cuts it, and what a refused click leaves behind.
#include "frequency_command_fixture.h"

namespace {

const char* const kValid = "PLEASE ENTER VALID FREQUENCY ";
const char* const kRange = "FREQUENCY VALUE OUT OF RANGE ";
const char* const kStep = "PLEASE ENTER VALID STEP SIZE";

}  // namespace

class StepButtonsTest : public FrequencyCommandTest {
protected:
    platform::CommandButton* Button(int direction) { return direction > 0 ? form->Command4 : form->Command5; }
};

TEST_F(StepButtonsTest, StepSendsTheNewFrequencyAndWritesItBack)
{
    struct Case {
        const char* letter;
        const char* frequency;
        const char* channel0;
        const char* step;
        int direction;
        const char* bytes;
        const char* frequencyAfter;
        const char* stepAfter;
    };
    const Case cases[] = {
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
        // Hz commands use the whole Hz of the step and leave its entry as typed.
        {"D", "1000", " ", "1000.9", +1, "44 E8 CD 9A 3B 0D", "1000.001", "1000.9"},
        {"D", "1000.0000005", " ", "0.5", +1, "44 00 CA 9A 3B 0D", "1000", "0.5"},
        {"D", "4294.967294", " ", "1", +1, "44 FF FF FF FF 0D", "4294.967295", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.letter) + " " + c.frequency + " step " + c.step + (c.direction > 0 ? " +" : " -"));
        Enter(c.letter, c.frequency, c.channel0, c.step);
        Click(Button(c.direction));
        const std::string bytes = test::Hex(line.ReadAll());
        EXPECT_EQ(bytes, c.bytes);
        EXPECT_EQ(form->Text4->Text().toStdString(), QString::fromLatin1(c.bytes).remove(' ').toStdString());
        EXPECT_EQ(form->Text1->Text(), QString::fromLatin1(c.frequencyAfter));
        EXPECT_EQ(form->Text3->Text(), QString::fromLatin1(c.stepAfter));
        EXPECT_TRUE(shown.isEmpty()) << Messages().join('|').toStdString();
        EXPECT_FALSE(Module1::MSComm1().PortOpen());
    }
    EXPECT_EQ(form->Combo2->ListCount(), 0) << "the steps keep no history";
}

TEST_F(StepButtonsTest, StepRefusesABadEntryAfterWritingBackWhatItHasComputed)
{
    const std::string huge = "1" + std::string(303, '0');   // a double, until scaled to Hz
    struct Case {
        const char* letter;
        std::string frequency;
        std::string channel0;
        const char* step;
        int direction;
        const char* message;
        platform::TextBox* form1::*entry;
        std::string frequencyAfter;
        const char* stepAfter;
    };
    const Case cases[] = {
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
        {"D", huge, " ", "1", +1, kRange, &form1::Text1, huge, "1"},
        {"C", huge, huge, "1", -1, kRange, &form1::Text1, huge, "1"},
    };
    Enter("D", "1000");
    Click(form->Command4);
    line.ReadAll();

    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.letter) + " " + c.frequency.substr(0, 12) + " step " + c.step);
        Enter(c.letter, c.frequency.c_str(), c.channel0.c_str(), c.step);
        Click(Button(c.direction));
        ExpectRefused(c.message, form->*c.entry, QStringLiteral("44400CAA3B0D"), 0);
        EXPECT_EQ(form->Text1->Text().toStdString(), c.frequencyAfter);
        EXPECT_EQ(form->Text3->Text(), QString::fromLatin1(c.stepAfter));
    }
}

TEST_F(StepButtonsTest, RepeatedClicksWalkOnFromWhatTheEntriesShow)
{
    Enter("D", "1000");
    Click(form->Command4);
    Click(form->Command4);
    Click(form->Command5);
    EXPECT_EQ(test::Hex(line.ReadAll()), "44 40 0C AA 3B 0D 44 80 4E B9 3B 0D 44 40 0C AA 3B 0D");
    EXPECT_EQ(form->Text1->Text(), QStringLiteral("1001"));

    // A step cut to nothing is used once, then refused.
    Enter("K", "1000", " ", "999");
    Click(form->Command4);
    EXPECT_EQ(test::Hex(line.ReadAll()), "4B 30 30 30 46 34 32 34 30 0D");
    Click(form->Command4);
    ExpectRefused(kStep, form->Text3, QStringLiteral("4B30303046343234300D"), 0);

    // A step below channel 0 is refused; the frequency written back then
    // fails the channel-0 check.
    Enter("C", "950.5", "950");
    Click(form->Command5);
    ExpectRefused(kValid, form->Text1, QStringLiteral("4B30303046343234300D"), 0);
    Click(form->Command5);
    ExpectRefused(kValid, form->Text2, QStringLiteral("4B30303046343234300D"), 0);
    EXPECT_EQ(form->Text1->Text(), QStringLiteral("949.5"));
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
