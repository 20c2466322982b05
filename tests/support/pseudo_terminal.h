#pragma once

#include "platform/message_box.h"

#include <QString>
#include <QStringList>
#include <string>

namespace test {

// The far end of a serial port: a pseudo terminal whose slave side is mapped
// to a port number, so the program opens it as that port, and whose master
// side reads back the bytes that reached the line.
class PseudoTerminal {
public:
    explicit PseudoTerminal(int port);
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& SlavePath() const { return slave_; }
    // Everything that reached the line so far, waiting up to `waitMs` for the
    // first byte.
    std::string ReadAll(int waitMs = 200);

private:
    int port_;
    int master_ = -1;
    std::string slave_;
};

// Maps a port number to a device path for the life of the object.
class PortMapping {
public:
    PortMapping(int port, const std::string& device);
    ~PortMapping();

private:
    std::string name_;
};

// Bytes as spaced upper-case hex, for readable failures: "53 0D".
std::string Hex(const std::string& bytes);

// Collects error messages instead of showing boxes.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    QStringList messages;
};

// Counts the open file descriptors of this process.
int OpenDescriptorCount();

}  // namespace test
