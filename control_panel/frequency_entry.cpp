// The checks that " SET FREQUENCY" and the step buttons share: the frequency
// and channel-0 entries, and the range of the value about to be sent.
#include "control_panel/form1.h"

#include "control_panel/number_text.h"
#include "platform/message_box.h"

#include <cmath>

namespace {

const QString kValidFrequency = QStringLiteral("PLEASE ENTER VALID FREQUENCY ");
const QString kOutOfRange = QStringLiteral("FREQUENCY VALUE OUT OF RANGE ");

// The largest value the board's 32-bit commands carry.
constexpr double kLargestValue = 4294967295.0;

std::optional<double> NumberIn(const QString& text) { return ParseNumber(text.toStdString()); }

}  // namespace

void form1::Refuse(const QString& message, platform::TextBox* entry)
{
    // The caller's port stays open until the user has read the message.
    platform::ShowErrorMessage(message);
    entry->SetFocus();
}

std::optional<double> form1::ReadFrequencyEntries()
{
    Channel0Frequency = Text2->Text();
    FrequencyValue = Text1->Text();
    const std::optional<double> frequency = NumberIn(std::get<QString>(FrequencyValue));
    if (!frequency)
        Refuse(kValidFrequency, Text1);
    return frequency;
}

std::optional<double> form1::CheckChannel0(bool aboveChannel0, double frequency)
{
    if (!aboveChannel0)
        return 0.0;
    const std::optional<double> channel0 = NumberIn(std::get<QString>(Channel0Frequency));
    if (!channel0 || frequency < *channel0) {
        Refuse(kValidFrequency, Text2);
        return std::nullopt;
    }
    return channel0;
}

bool form1::CheckValueRange(double value)
{
    // A number typed near the limit of a double can scale past it (or, as the
    // difference of two such numbers, to no number at all); neither may reach
    // the encoding.
    if (!std::isfinite(value)) {
        Refuse(kOutOfRange, Text1);
        return false;
    }
    if (value < 0) {
        Refuse(kValidFrequency, Text1);
        return false;
    }
    if (value > kLargestValue) {
        Refuse(kOutOfRange, Text1);
        return false;
    }
    return true;
}
