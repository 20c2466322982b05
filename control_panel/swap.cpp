// "SWAP": the board exchanges its active and standby frequency.
#include "control_panel/form1.h"

#include "device_link/module1.h"

#include <stdexcept>

short form1::PortNumber() const
{
    bool ok = false;
    const int port = Combo1->Text().toInt(&ok);
    if (!ok || port < 1 || port > 4)
        throw std::invalid_argument("No serial port is selected.");
    return short(port);
}

void form1::Command7_Click()
{
    PortSession port(PortNumber());
    Text4->SetText(QStringLiteral("530D"));
    Module1::SendCommand(std::string("S\r"));
}
