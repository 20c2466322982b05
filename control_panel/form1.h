#pragma once

#include "platform/controls.h"
#include "platform/form.h"

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

protected:
    void Form_CloseBox() override { Command2_Click(); }

private:
    void CreateControls();
    void ConnectHandlers();
    // The selected item of the port list as a port number.
    short PortNumber() const;
};
