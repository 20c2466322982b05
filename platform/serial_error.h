#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>

namespace platform {

// A failure of the serial port, with a text for the user that names the port,
// its device, the cause and what to do about it.
class SerialError : public std::runtime_error {
public:
    explicit SerialError(const std::string& text) : std::runtime_error(text), cause_(text) {}
    // A failed write: `text` is the whole message, with advice for a single
    // command; `cause` says what failed and why alone, for a caller that has
    // to advise otherwise.
    SerialError(const std::string& text, std::string cause, std::size_t sent)
        : std::runtime_error(text), cause_(std::move(cause)), sent_(sent)
    {
    }

    // What failed and why: for a write without advice, else the whole text.
    const std::string& Cause() const { return cause_; }
    // How many bytes of a failed write the kernel took.
    std::size_t Sent() const { return sent_; }

private:
    std::string cause_;
    std::size_t sent_ = 0;
};

// Builds the user's text for a failed open of port `port` (device `device`),
// from the errno value `error`.
std::string DescribeOpenFailure(int port, const std::string& device, int error);
// The error for a failed write; `sent` is how many bytes of the command the
// kernel took before the failure.
SerialError WriteFailure(int port, const std::string& device, int error, std::size_t sent);
// An open asked for while the port is still open for an earlier command.
std::string DescribeStillOpen(int port, const std::string& device);
// "serial port COMn (device "path")", for a text that names the port mid-sentence.
std::string PortName(int port, const std::string& device);

}  // namespace platform
