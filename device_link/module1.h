#pragma once

#include "platform/mscomm.h"

#include <string>

// The serial procedures shared by the windows. A failure of the port throws
// platform::SerialError; the port is then left closed by OpenPort, and
// SendCommand reports a write that did not complete.
namespace Module1 {

// The serial control on its holder window, creating the holder on first use.
platform::MSComm& MSComm1();

// Opens port `port` with the fixed line settings 9600,N,8,1.
void OpenPort(short port);
// Closes the port; never throws.
void ClosePort() noexcept;
// Handles window events for as long as bytes wait to be transmitted.
void WaitOutputDrained();
// Waits for earlier output to drain, then writes every byte of `text` (one
// character per byte) and returns without waiting for the line.
void SendCommand(const std::string& text);

}  // namespace Module1

// Holds a port open for the span of one command and closes it on every way
// out, a failure of the port included.
class PortSession {
public:
    explicit PortSession(short port) { Module1::OpenPort(port); }
    ~PortSession() { Module1::ClosePort(); }
    PortSession(const PortSession&) = delete;
    PortSession& operator=(const PortSession&) = delete;
};
