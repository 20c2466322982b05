#include "device_link/module1.h"

#include "device_link/serial1.h"
#include "platform/runtime.h"

namespace Module1 {

platform::MSComm& MSComm1() { return platform::Ref<Serial1>().MSComm1; }

void OpenPort(short port)
{
    MSComm1().setCommPort(port);
    MSComm1().setSettings(QStringLiteral("9600,N,8,1"));
    MSComm1().setInBufferSize(20000);
    MSComm1().setOutBufferSize(20000);
    MSComm1().setPortOpen(true);
}

void ClosePort() noexcept
{
    try {
        MSComm1().setPortOpen(false);
    } catch (...) {
        // Closing has nothing left to report: the descriptor is gone either way.
    }
}

void WaitOutputDrained()
{
    while (MSComm1().OutBufferCount() > 0)
        platform::DoEvents();
}

void SendCommand(const std::string& text)
{
    WaitOutputDrained();
    MSComm1().setOutput(text);
}

}  // namespace Module1
