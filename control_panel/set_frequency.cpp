// " SET FREQUENCY": sends the typed frequency in the unit of the chosen
// letter and remembers the text in the history list.
#include "control_panel/form1.h"

#include "control_panel/letter_unit.h"
#include "device_link/module1.h"

#include <stdexcept>

void form1::Command1_Click()
{
    PortSession port(PortNumber());
    const std::optional<double> frequency = ReadFrequencyEntries();
    if (!frequency)
        return;
    const QString typed = std::get<QString>(FrequencyValue);

    const QString letter = Combo3->Text();
    const std::optional<LetterUnit> unit = UnitOf(letter.toStdString());
    if (!unit)
        throw std::invalid_argument("No command letter is selected; nothing was sent.");
    const std::optional<double> channel0 = CheckChannel0(unit->aboveChannel0, *frequency);
    if (!channel0)
        return;
    const double value = ScaledValue(*unit, *frequency, *channel0, 0.0);
    FrequencyValue = value;
    if (!CheckValueRange(value))
        return;

    EncodeBoardCommand(letter);
    ShowAndSendCommand();

    // The history keeps each text once, exactly as it was sent: "1000" and
    // "1000.0" are two items. The text is the one read before the send, as
    // the entry may be edited while the send waits for the line.
    bool found = false;
    for (int i = 0; i < Combo2->ListCount(); ++i)
        if (Combo2->List(i) == typed)
            found = true;
    if (!found)
        Combo2->AddItem(typed);
}
