#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <memory>
#include <string>

// The sweep window: steps the board through a range of frequencies, one "K"
// command per step, 0.1 s apart. It holds the serial port from its load until
// it closes.
class Form2 : public platform::Form {
    Q_OBJECT

public:
    Form2();

    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();

    // Waits `seconds` on the time-of-day clock while handling window events.
    static void Delay(float seconds);

    // Controls, in tab order, each after the label that names it.
    platform::Label* Label2;
    platform::TextBox* Text1;
    platform::Label* Label3;
    platform::TextBox* Text2;
    platform::Label* Label4;
    platform::TextBox* Text3;
    platform::CommandButton* Command1;
    platform::CommandButton* Command2;

    // Set while a sweep may send; cleared when the window closes.
    bool SweepRunning = false;
    // Whole numbers of kHz, held as doubles (exact over the 32-bit range).
    double StartFrequency = 0;
    double StopFrequency = 0;
    double SweepStep = 0;
    double SweepFrequency = 0;
    std::string SweepHex;       // SweepFrequency as 8 hex digits
    std::string SweepCommand;   // "K" + SweepHex, without the carriage return

protected:
    void Form_CloseBox() override { Command2_Click(); }

private:
    void CreateControls();
    void ConnectHandlers();
    // Runs the checks in order; reports the first that fails and returns false.
    bool EntriesPass();
    // Sends SweepCommand; false when the sweep has to end (window closed, or
    // the port failed, which has been reported).
    bool SendStep(const std::shared_ptr<const bool>& closed);

    short port_ = 0;   // the port asked for at load, named in messages
    // Whether this window's load opened the port. A port that a main-window
    // command still holds (the window was opened while that command waited
    // for the line) is that command's to write and to close, never the sweep's.
    bool holdsPort_ = false;
};
