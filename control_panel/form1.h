#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <optional>
#include <string>
#include <variant>

// The main window: the control panel from which every command goes to the
// board.
class form1 : public platform::Form {
    Q_OBJECT

public:
    form1();

    void Form_Load() override;
    void Combo3_Click();
    void Combo2_Click();
    void Command2_Click();
    void Command7_Click();
    void Command1_Click();
    void Command4_Click();
    void Command5_Click();
    void Command3_Click();
    void Image1_Click();
    void Label3_Click();
    void Command6_Click();

    // Controls, in tab order.
    platform::Label* Label2;
    platform::Label* Label4;
    platform::TextBox* Text1;
    platform::TextBox* Text3;
    platform::CommandButton* Command1;
    platform::CommandButton* Command2;
    platform::CommandButton* Command4;
    platform::CommandButton* Command5;
    platform::Label* Label9;
    platform::CommandButton* Command6;
    platform::TextBox* Text4;
    platform::Label* Label7;
    platform::ComboBox* Combo1;
    platform::ComboBox* Combo2;
    platform::CommandButton* Command3;
    platform::Label* Label1;
    platform::Label* Label3;
    platform::Label* Label8;
    platform::ComboBox* Combo3;
    platform::CommandButton* Command7;
    platform::Label* Label5;
    platform::TextBox* Text2;
    platform::Label* Label6;
    platform::PictureBox* Image1;

    // Working values of the frequency commands, kept from one click to the
    // next. An entry's text goes in first; once checked, its number.
    std::variant<QString, double> FrequencyValue;
    std::variant<QString, double> Channel0Frequency;
    std::variant<QString, double> StepSize;
    // The last command built: the value's 16-bit words and their hex, the hex
    // of the bytes after the letter, the bytes themselves (without the closing
    // carriage return) and their hex.
    double HighWord = 0;
    double LowWord = 0;
    std::string HighWordHex;
    std::string LowWordHex;
    std::string FrequencyHex;
    std::string PayloadText;
    std::string CommandText;
    std::string CommandHex;

protected:
    void Form_CloseBox() override { Command2_Click(); }

private:
    void CreateControls();
    void ConnectHandlers();
    // The selected item of the port list as a port number.
    short PortNumber() const;

    // " +" and " -": direction +1 or -1.
    void StepFrequency(int direction);
    // Shared by " SET FREQUENCY" and the step buttons: the entry checks, each
    // showing its message and moving the focus when it refuses, and the
    // command built from the accepted value.
    void Refuse(const QString& message, platform::TextBox* entry);
    std::optional<double> ReadFrequencyEntries();
    // The channel-0 frequency a value counts from: 0 unless the letter counts
    // from channel 0; then the checked entry, or nullopt once refused.
    std::optional<double> CheckChannel0(bool aboveChannel0, double frequency);
    bool CheckValueRange(double value);
    void EncodeBoardCommand(const QString& letter);
    void ShowAndSendCommand();
};
