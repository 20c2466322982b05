// Worked examples of the board command, typed into the window and read back
// from the far end of the serial line.
#include "frequency_command_fixture.h"

TEST_F(FrequencyCommandTest, EveryLetterPutsItsCommandOnTheLineAndShowsItsBytes)
{
    struct Example {
        const char* letter;   // "S" is the swap button
        const char* frequency;
        const char* channel0;
        const char* bytes;
        const char* display;
    };
    const Example examples[] = {
        {"D", "1000", " ", "44 00 CA 9A 3B 0D", "4400CA9A3B0D"},
        {"K", "100", " ", "4B 30 30 30 31 38 36 41 30 0D", "4B30303031383641300D"},
        {"M", "2400", " ", "4D 30 30 30 30 30 39 36 30 0D", "4D30303030303936300D"},
        {"R", "10", " ", "52 80 96 98 00 0D", "52809698000D"},
        {"C", "1000", "950", "43 80 F0 FA 02 0D", "4380F0FA020D"},
        {"c", "1000", "950", "63 80 F0 FA 02 0D", "6380F0FA020D"},
        {"d", "2400.1", " ", "64 A0 9E 0E 8F 0D", "64A09E0E8F0D"},
        {"D", "65.536", " ", "44 00 00 E8 03 0D", "440000E8030D"},
        {"D", "0", " ", "44 00 00 00 00 0D", "44000000000D"},
        {"D", "4294.967295", " ", "44 FF FF FF FF 0D", "44FFFFFFFF0D"},
        {"m", "4294967295", " ", "6D 46 46 46 46 46 46 46 46 0D", "6D46464646464646460D"},
        {"S", "1000", " ", "53 0D", "530D"},
        // The product lies just below 1005000: the value sent is its floor.
        {"D", "1.005", " ", "44 C7 55 0F 00 0D", "44C7550F000D"},
    };
    for (const Example& e : examples) {
        SCOPED_TRACE(std::string(e.letter) + " " + e.frequency);
        const bool swap = std::string_view(e.letter) == "S";
        if (!swap)
            Enter(e.letter, e.frequency, e.channel0);
        Click(swap ? form->Command7 : form->Command1);
        EXPECT_EQ(test::Hex(line.ReadAll()), e.bytes);
        EXPECT_EQ(form->Text4->Text(), QString::fromLatin1(e.display));
        EXPECT_TRUE(shown.isEmpty()) << Messages().join('|').toStdString();
        EXPECT_FALSE(Module1::MSComm1().PortOpen());
    }
}
