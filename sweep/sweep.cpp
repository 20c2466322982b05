// The sweep: load from the main window, the checks of " SWEEP", the stepped
// loop and the way out.
#include "sweep/form2.h"

#include "control_panel/board_encoding.h"
#include "control_panel/form1.h"
#include "control_panel/number_text.h"
#include "device_link/module1.h"
#include "platform/message_box.h"
#include "platform/serial_error.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>

namespace {

constexpr double kLargestValue = 4294967295.0;   // 2^32 - 1, the board's range

std::optional<double> NumberIn(const platform::TextBox* entry)
{
    return ParseNumber(entry->Text().toStdString());
}

// A whole number as plain decimal digits, exactly, however large.
QString WholeNumberText(double whole)
{
    char text[400];
    std::snprintf(text, sizeof text, "%.0f", whole + 0.0);   // + 0.0 turns -0 into 0
    return QString::fromLatin1(text);
}

QString PortNotOpenText(short port)
{
    return QStringLiteral("The sweep cannot send: %1 is not open.\n"
                          "Close this window and open it again to retry the port.")
        .arg(QString::fromStdString(platform::PortName(port, platform::MSComm::DevicePath(port))));
}

// The main window's advice, to send the command again, would lead nowhere
// here: the sweep has given up its port.
QString SweepStoppedText(const platform::SerialError& e)
{
    const char* const stopped =
        e.Sent() == 0 ? "\nThe sweep has stopped; nothing of its last command was sent. Check the cable and the "
                        "board, then close this window and open it again to go on."
                      : "\nThe sweep has stopped; its last command may have reached the board only in part. Check "
                        "the cable and the board, and switch the board off and on so that it starts afresh, then "
                        "close this window and open it again to go on.";
    return QString::fromLocal8Bit(e.Cause() + stopped);
}

}  // namespace

void Form2::Form_Load()
{
    form1& main = platform::Ref<form1>();
    Text1->SetText(main.Text1->Text());
    Text2->SetText(QString());
    // A main-window step that is no number leaves the entry empty: the
    // sweep's own check then asks for a valid step.
    const std::optional<double> stepHz = NumberIn(main.Text3);
    Text3->SetText(stepHz ? WholeNumberText(std::floor(*stepHz / 1000)) : QString());

    port_ = main.Combo1->Text().toShort();
    try {
        Module1::OpenPort(port_);
        holdsPort_ = true;
    } catch (const std::exception& e) {
        // The window still opens, so that the engineer can read the entries
        // and close it; " SWEEP" then says that the port is not open.
        platform::ShowErrorMessage(QString::fromLocal8Bit(e.what()));
    }
}

bool Form2::EntriesPass()
{
    const std::shared_ptr<const bool> closed = UnloadedFlag();
    auto fail = [&closed](const char* message, platform::TextBox* entry) {
        platform::ShowErrorMessage(QString::fromLatin1(message));
        if (!*closed)   // the box handles events while it is open
            entry->SetFocus();
        return false;
    };

    const std::optional<double> step = NumberIn(Text3);
    if (!step)
        return fail("PLEASE ENTER VALID STEP SIZE", Text3);
    SweepStep = std::floor(*step);
    if (!(SweepStep > 0))
        return fail("PLEASE ENTER VALID STEP SIZE", Text3);

    const std::optional<double> start = NumberIn(Text1);
    if (!start)
        return fail("PLEASE ENTER VALID START FREQUENCY", Text1);
    StartFrequency = std::floor(*start * 1000);
    if (StartFrequency < 0)
        return fail("PLEASE ENTER VALID START FREQUENCY", Text1);
    if (StartFrequency > kLargestValue)
        return fail("START FREQUENCY OUT COMMAND RANGE ", Text1);

    const std::optional<double> stop = NumberIn(Text2);
    if (!stop)
        return fail("PLEASE ENTER VALID STOP FREQUENCY", Text2);
    StopFrequency = std::floor(*stop * 1000);
    if (StopFrequency < 0)
        return fail("PLEASE ENTER VALID STOP FREQUENCY", Text2);
    if (StopFrequency > kLargestValue)
        return fail("STOP FREQUENCY OUT OF RANGE ", Text2);

    if (StopFrequency < StartFrequency)
        return fail("STOP FREQUENCY LESS THAN START FREQUENCY", Text2);
    return true;
}

void Form2::Command1_Click()
{
    // Handlers run inside the waits below (and inside a message box) and
    // may close this window; from then on only this flag may be read, never
    // a member.
    const std::shared_ptr<const bool> closed = UnloadedFlag();
    if (!EntriesPass() || *closed)
        return;
    if (!holdsPort_) {
        // The port failed at load or during an earlier sweep: never pretend
        // to send.
        platform::ShowErrorMessage(PortNotOpenText(port_));
        return;
    }

    Command1->SetEnabled(false);
    SweepRunning = true;
    // Fixed now: typing into the entries during the sweep changes nothing.
    const double first = StartFrequency;
    const double last = StopFrequency;
    const double step = SweepStep;

    for (double frequency = first; frequency <= last; frequency += step) {
        SweepFrequency = frequency;
        SweepHex = FrequencyHexOf(frequency);
        SweepCommand = SweepCommandOf(frequency);
        if (SweepRunning && !SendStep(closed))
            return;
        Delay(0.1f);
        if (*closed)
            return;
    }
    Command1->SetEnabled(true);
}

bool Form2::SendStep(const std::shared_ptr<const bool>& closed)
{
    try {
        Module1::WaitOutputDrained();
        // Closed during the wait: the port went with the window, and what
        // the engineer stopped must not reach the board.
        if (*closed)
            return false;
        Module1::SendCommand(SweepCommand + '\r');
        return true;
    } catch (const platform::SerialError& e) {
        if (*closed)
            return false;
        // The device went away: one message for the whole sweep, and the
        // window stays usable.
        SweepRunning = false;
        holdsPort_ = false;
        Module1::ClosePort();
        Command1->SetEnabled(true);
        platform::ShowErrorMessage(SweepStoppedText(e));
        return false;
    }
}

void Form2::Command2_Click()
{
    SweepRunning = false;
    if (holdsPort_) {
        holdsPort_ = false;
        // Bytes not yet on the line would still reach the board after the stop.
        Module1::MSComm1().setOutBufferCount(0);
        Module1::ClosePort();
    }
    Unload();
}
