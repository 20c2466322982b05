// " +" and " -": move the frequency by the step size, write the new frequency
// back into its entry and send it.
#include "control_panel/form1.h"

#include "control_panel/letter_unit.h"
#include "control_panel/number_text.h"
#include "device_link/module1.h"

#include <cmath>

void form1::Command4_Click() { StepFrequency(+1); }

void form1::Command5_Click() { StepFrequency(-1); }

namespace {

QString TextOf(double number) { return QString::fromStdString(NumberToText(number)); }

}  // namespace

void form1::StepFrequency(int direction)
{
    const QString letter = Combo3->Text();
    const std::optional<LetterUnit> unit = UnitOf(letter.toStdString());
    // The reference frequency has no step: the buttons are disabled for "R",
    // and should a click arrive anyway it touches nothing.
    if (!unit || !unit->steps)
        return;

    PortSession port(PortNumber());
    StepSize = Text3->Text();
    const std::optional<double> typedStep = ParseNumber(std::get<QString>(StepSize).toStdString());
    if (!typedStep || !(*typedStep > 0))
        return Refuse(QStringLiteral("PLEASE ENTER VALID STEP SIZE"), Text3);

    // The step goes in whole Hz, and for kHz and MHz commands in whole units
    // of theirs; the step entry then shows the step actually used.
    const double hzPerUnit = 1000000.0 / unit->perMHz;
    double step = std::floor(*typedStep);
    if (hzPerUnit > 1) {
        step = std::floor(step / hzPerUnit) * hzPerUnit;
        // Cut to whole MHz, a step near the largest double overflows; with
        // no text to show, the entry stays as typed rather than read "0".
        if (std::isfinite(step))
            Text3->SetText(TextOf(step));
    }
    StepSize = step;

    const std::optional<double> frequency = ReadFrequencyEntries();
    if (!frequency)
        return;
    const std::optional<double> channel0 = CheckChannel0(unit->aboveChannel0, *frequency);
    if (!channel0)
        return;
    const double value = ScaledValue(*unit, *frequency, *channel0, direction * step / hzPerUnit);
    FrequencyValue = value;

    // The entry follows the new frequency, also when it is about to be
    // refused, so that the next click walks on from what the user sees. A
    // value past the range of a double has no text and leaves the entry as
    // typed.
    const double megahertz = unit->aboveChannel0 ? value / unit->perMHz + *channel0 : value / unit->perMHz;
    if (std::isfinite(megahertz))
        Text1->SetText(TextOf(megahertz));
    if (!CheckValueRange(value))
        return;

    EncodeBoardCommand(letter);
    ShowAndSendCommand();
}
