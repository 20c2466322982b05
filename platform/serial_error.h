#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace platform {

// A failure of the serial port, with a text for the user that names the port,
// its device, the cause and what to do about it.
class SerialError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Builds the user's text for a failed operation on port `port` (device
// `device`), from the errno value `error`.
std::string DescribeOpenFailure(int port, const std::string& device, int error);
// `sent` is how many bytes of the command the kernel took before the failure.
std::string DescribeWriteFailure(int port, const std::string& device, int error, std::size_t sent);
// An open asked for while the port is still open for an earlier command.
std::string DescribeStillOpen(int port, const std::string& device);
// "serial port COMn (device "path")", for a text that names the port mid-sentence.
std::string PortName(int port, const std::string& device);

}  // namespace platform
