#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The station's end of the serial line: either a pseudo-terminal whose slave
// side the programmer opens as its port, or a real serial device.
namespace station {

class SerialLine {
public:
    SerialLine() = default;
    ~SerialLine() { Close(); }
    SerialLine(const SerialLine&) = delete;
    SerialLine& operator=(const SerialLine&) = delete;

    // Creates a pseudo-terminal in raw mode at the given rate. The station
    // keeps a descriptor of the slave side open itself, so the programmer
    // may open and close its end as often as it likes without the line
    // hanging up.
    bool OpenPty(int baud, std::string& error);

    // Opens a real serial device, raw 8N1 at the given rate, no flow control.
    bool OpenDevice(const std::string& path, int baud, std::string& error);

    // Lets the bytes already handed over reach the other end before the
    // line is closed: a device sends out its queue; on a pty the station
    // waits, up to maxWait, until the programmer has read what it was sent
    // (closing the master hangs the slave up and throws away unread bytes).
    void Drain(int64_t maxWaitNs);

    void Close();

    bool IsOpen() const { return fd >= 0; }
    bool IsPty() const { return slaveFd >= 0; }
    int Fd() const { return fd; }

    // The path the programmer opens: the pty slave, or the device itself.
    const std::string& DevicePath() const { return path; }

    // The line rate now in force. On a pty that is what the programmer set
    // on its end (the master reports the slave's settings); on a device, the
    // device's own. 0 when the rate is unknown or the two directions differ.
    // (A pty always runs 8N1 whatever is asked of it, so the frame cannot be
    // told apart; only the rate can.)
    int CurrentBaud() const;

    enum class ReadStatus { Data, Nothing, Failed };
    // Appends whatever has arrived to bytes, without waiting.
    ReadStatus Read(std::vector<uint8_t>& bytes, std::string& error);

    // Hands one byte to the line. Like a wire, the line loses a byte that it
    // cannot take at once (nobody reading and the buffer full).
    void Write(uint8_t byte);

private:
    int fd = -1;        // pty master or device
    int slaveFd = -1;   // our own hold on the pty slave
    std::string path;
};

} // namespace station
