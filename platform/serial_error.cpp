#include "platform/serial_error.h"

#include <cctype>
#include <cerrno>
#include <string.h>   // strerrordesc_np

namespace platform {

// Quoted, so that a stray blank in a mapped device path shows.
std::string PortName(int port, const std::string& device)
{
    return "serial port COM" + std::to_string(port) + " (device \"" + device + "\")";
}

namespace {

std::string Sentence(std::string text)
{
    if (!text.empty())
        text[0] = char(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

// The system's own description of `error`, in English whatever the user's
// locale, so that no message mixes two languages; it follows a colon, so it
// starts in lower case unless it starts with an abbreviation ("I/O").
std::string CauseOf(int error)
{
    const char* description = ::strerrordesc_np(error);
    std::string text = description ? description : "error " + std::to_string(error);
    if (text.size() > 1 && std::islower(static_cast<unsigned char>(text[1])))
        text[0] = char(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

}  // namespace

std::string DescribeOpenFailure(int port, const std::string& device, int error)
{
    const std::string name = Sentence(PortName(port, device));
    const std::string var = "QRVN5800_COM" + std::to_string(port);
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return name + " could not be opened: there is no such device.\n"
               "Check that the cable or the USB serial adapter is plugged in, or choose another port. "
               "To use another device for this port, set the environment variable " + var + " to its path.";
    case EACCES:
    case EPERM:
        return name + " could not be opened: permission denied.\n"
               "Add your user to the dialout group (sudo usermod -aG dialout $USER), "
               "then log out and in again.";
    case EBUSY:
    case EWOULDBLOCK:
        return name + " is in use by another program.\n"
               "Close the other program that holds the port, then try again.";
    case ENOTTY:
        return name + " could not be opened: the device is not a serial port.\n"
               "Choose another port, or set the environment variable " + var + " to a serial device.";
    default:
        return name + " could not be opened: " + CauseOf(error) + ".";
    }
}

SerialError WriteFailure(int port, const std::string& device, int error, std::size_t sent)
{
    const std::string name = PortName(port, device);
    std::string cause;
    switch (error) {
    case EBADF:
        return SerialError("Writing to " + name + " failed: the port is not open.");
    case EIO:
    case ENXIO:
    case ENODEV:
        cause = "Writing to " + name + " failed: the device went away.";
        break;
    case ETIMEDOUT:
        cause = "Writing to " + name + " timed out: the port does not accept data.";
        break;
    default:
        cause = "Writing to " + name + " failed: " + CauseOf(error) + ".";
    }
    // Once part of the command is on the line the board may hold a fragment
    // that the next command would run into, so it has to start afresh; a
    // command of which nothing left only has to be sent again.
    const std::string advice =
        sent == 0 ? "\nNothing of the command was sent. Check the cable and the board, "
                    "then send the command again."
                  : "\nThe command may have reached the board only in part; what had not left was dropped. "
                    "Check the cable and the board, and switch the board off and on so that it starts afresh, "
                    "before you send the command again.";
    return SerialError(cause + advice, cause, sent);
}

std::string DescribeStillOpen(int port, const std::string& device)
{
    return Sentence(PortName(port, device)) +
           " is still busy with the previous command.\nWait until it has been sent, then try again.";
}

}  // namespace platform
