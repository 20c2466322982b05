#pragma once

#include <QString>
#include <functional>
#include <string>

namespace platform {

// The serial communications control: a serial port on a POSIX terminal
// device, driven through its properties. Port n is the device named by the
// environment variable QRVN5800_COMn, else /dev/ttyS<n-1>.
//
// Failures throw SerialError with a text for the user. A failed open leaves
// the port closed, never half open. Any other failure leaves the port open or
// closed as it found it, for the caller to close; a failed write first drops
// what it left queued.
class MSComm {
public:
    MSComm() = default;
    ~MSComm();
    MSComm(const MSComm&) = delete;
    MSComm& operator=(const MSComm&) = delete;

    short CommPort() const { return commPort_; }
    void setCommPort(short port);

    // "baud,parity,data bits,stop bits", e.g. "9600,N,8,1". Takes effect at
    // the next open, or at once on an open port.
    QString Settings() const { return settings_; }
    void setSettings(const QString& settings);

    // Kept for the record: the kernel sizes a terminal's queues itself.
    short InBufferSize() const { return inBufferSize_; }
    void setInBufferSize(short size) { inBufferSize_ = size; }
    short OutBufferSize() const { return outBufferSize_; }
    void setOutBufferSize(short size) { outBufferSize_ = size; }

    bool PortOpen() const { return fd_ >= 0; }
    void setPortOpen(bool open);

    // Bytes written and not yet transmitted (0 when the port is closed).
    short OutBufferCount() const;
    // 0 drops every byte not yet transmitted; no other value is allowed.
    void setOutBufferCount(short count);

    // Writes every byte of `bytes`, unchanged, in order; returns once the
    // kernel holds them, without waiting for the line. A write that fails
    // drops whatever part of it is still queued before it throws.
    void setOutput(const std::string& bytes);

    // The device that port `port` maps to.
    static std::string DevicePath(short port);

    // Seam for tests: reads the transmit queue of an open descriptor. Pseudo
    // terminals always report 0, so tests of waiting need a stand-in.
    using QueueReader = std::function<int(int fd)>;
    static void SetQueueReader(QueueReader reader);
    // Seam for tests: told of every discard on an open descriptor. The far
    // end of a pseudo terminal may already hold what a discard drops, so it
    // cannot witness one.
    using DiscardObserver = std::function<void(int fd)>;
    static void SetDiscardObserver(DiscardObserver observer);

private:
    void Open();
    void Close() noexcept;
    void ApplySettings() const;
    void WriteAll(const std::string& bytes);

    short commPort_ = 1;
    QString settings_ = QStringLiteral("9600,N,8,1");
    short inBufferSize_ = 1024;
    short outBufferSize_ = 512;
    int fd_ = -1;
    std::string device_;
};

}  // namespace platform
