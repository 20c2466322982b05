// Turns the accepted value into the board command, shows it and sends it.
#include "control_panel/form1.h"

#include "control_panel/board_encoding.h"
#include "device_link/module1.h"

#include <stdexcept>

void form1::EncodeBoardCommand(const QString& letter)
{
    const std::optional<BoardEncoding> encoding =
        EncodeFrequency(letter.toStdString(), std::get<double>(FrequencyValue));
    // Sending the previous command again under a letter the board does not
    // know would put bytes on the line the user never asked for.
    if (!encoding)
        throw std::invalid_argument("\"" + letter.toStdString() +
                                    "\" is not a command letter of the board; nothing was sent.");
    HighWord = encoding->HighWord;
    LowWord = encoding->LowWord;
    HighWordHex = encoding->HighWordHex;
    LowWordHex = encoding->LowWordHex;
    FrequencyHex = encoding->FrequencyHex;
    PayloadText = encoding->PayloadText;
    CommandText = encoding->CommandText;
    CommandHex = encoding->CommandHex;
}

void form1::ShowAndSendCommand()
{
    // The display shows the command before it goes out, so that a failing
    // port leaves on screen what was being sent.
    Text4->SetText(QString::fromStdString(CommandHex + "0D"));
    Module1::SendCommand(CommandText + '\r');
}
