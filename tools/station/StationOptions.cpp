#include "tools/station/StationOptions.h"
#include "tools/station/LineTiming.h"
#include <cerrno>
#include <cstdlib>
#include <functional>
#include <map>
#include <termios.h>

namespace station {

namespace {

constexpr int ImageSize = 1024;

// A whole number in decimal, or in hexadecimal with a 0x prefix.
bool ParseNumber(const std::string& text, long& value)
{
    if (text.empty() || text[0] == '-' || text[0] == '+')
        return false;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    errno = 0;
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, hex ? 16 : 10);
    return errno == 0 && end && *end == '\0' && end != text.c_str();
}

bool ParseInRange(const std::string& text, long low, long high, int& value)
{
    long v;
    if (!ParseNumber(text, v) || v < low || v > high)
        return false;
    value = static_cast<int>(v);
    return true;
}

// A byte in hexadecimal, with or without 0x: "02", "0x02", "FF".
bool ParseHexByte(const std::string& text, uint8_t& value)
{
    std::string digits = text;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
        digits = digits.substr(2);
    if (digits.empty() || digits.size() > 2)
        return false;
    char* end = nullptr;
    const long v = std::strtol(digits.c_str(), &end, 16);
    if (*end != '\0')
        return false;
    value = static_cast<uint8_t>(v);
    return true;
}

// "OFFSET" or "OFFSET:COUNT" into a map of offsets to counts (0: no count,
// the fault stays).
bool ParseOffsetCount(const std::string& text, std::map<int, int>& into)
{
    const size_t colon = text.find(':');
    int offset, count = 0;
    if (!ParseInRange(text.substr(0, colon), 0, ImageSize - 1, offset))
        return false;
    if (colon != std::string::npos && !ParseInRange(text.substr(colon + 1), 1, 1000000, count))
        return false;
    into[offset] = count;
    return true;
}

using Handler = std::function<bool(const std::string& value, StationOptions& o)>;

struct OptionRule {
    bool takesValue;
    std::string what;   // how the value must look, for the error message
    Handler handle;
};

const std::map<std::string, OptionRule>& Rules()
{
    static const std::map<std::string, OptionRule> rules = {
        {"--help", {false, "", [](const std::string&, StationOptions& o) {
             o.help = true;
             return true;
         }}},
        {"--image", {true, "a file name", [](const std::string& v, StationOptions& o) {
             o.imagePath = v;
             return !v.empty();
         }}},
        {"--ports-dir", {true, "a directory", [](const std::string& v, StationOptions& o) {
             o.portsDir = v;
             return !v.empty();
         }}},
        {"--com", {true, "a port number from 1 to 255", [](const std::string& v, StationOptions& o) {
             return ParseInRange(v, 1, 255, o.com);
         }}},
        {"--baud", {true, "a standard baud rate such as 4800, 9600 or 19200",
                    [](const std::string& v, StationOptions& o) {
                        speed_t speed;
                        return ParseInRange(v, 1, 4000000, o.baud) && SpeedForBaud(o.baud, speed);
                    }}},
        {"--device", {true, "a device path", [](const std::string& v, StationOptions& o) {
             o.devicePath = v;
             return !v.empty();
         }}},
        {"--log", {true, "a file name", [](const std::string& v, StationOptions& o) {
             o.logPath = v;
             return !v.empty();
         }}},
        {"--latency", {true, "milliseconds from 0 to 255", [](const std::string& v, StationOptions& o) {
             return ParseInRange(v, 0, 255, o.latencyMs);
         }}},
        {"--exact-pace", {false, "", [](const std::string&, StationOptions& o) {
             o.exactPace = true;
             return true;
         }}},
        {"--silent", {false, "", [](const std::string&, StationOptions& o) {
             o.faults.silent = true;
             return true;
         }}},
        {"--identify-answer", {true, "a hexadecimal byte such as 02", [](const std::string& v, StationOptions& o) {
             uint8_t b;
             if (!ParseHexByte(v, b))
                 return false;
             o.faults.identifyAnswer = b;
             return true;
         }}},
        {"--image-stop-after", {true, "a byte count from 0 to 1024", [](const std::string& v, StationOptions& o) {
             int n;
             if (!ParseInRange(v, 0, ImageSize, n))
                 return false;
             o.faults.imageStopAfter = n;
             return true;
         }}},
        {"--wrong-echo", {true, "OFFSET:COUNT, offset 0 to 1023", [](const std::string& v, StationOptions& o) {
             const size_t colon = v.find(':');
             int offset, count;
             if (colon == std::string::npos || !ParseInRange(v.substr(0, colon), 0, ImageSize - 1, offset)
                 || !ParseInRange(v.substr(colon + 1), 0, 1000000, count))
                 return false;
             o.faults.wrongEchoes[offset] = count;
             return true;
         }}},
        {"--never-echo", {true, "an offset from 0 to 1023", [](const std::string& v, StationOptions& o) {
             int offset;
             if (!ParseInRange(v, 0, ImageSize - 1, offset))
                 return false;
             o.faults.neverEcho.insert(offset);
             return true;
         }}},
        {"--store-wrong", {true, "OFFSET or OFFSET:COUNT, offset 0 to 1023", [](const std::string& v, StationOptions& o) {
             return ParseOffsetCount(v, o.faults.storeWrong);
         }}},
        {"--reserved-pattern", {false, "", [](const std::string&, StationOptions& o) {
             o.reservedPattern = true;
             return true;
         }}},
        {"--unmodelled-bits", {false, "", [](const std::string&, StationOptions& o) {
             o.unmodelledBits = true;
             return true;
         }}},
        {"--random-image", {true, "a seed from 0 to 4294967295", [](const std::string& v, StationOptions& o) {
             long seed;
             if (!ParseNumber(v, seed) || seed < 0 || seed > 4294967295L)
                 return false;
             o.randomSeed = static_cast<unsigned>(seed);
             return true;
         }}},
        {"--stale", {true, "a byte count from 0 to 200000", [](const std::string& v, StationOptions& o) {
             return ParseInRange(v, 0, 200000, o.faults.staleBytes);
         }}},
        {"--read-wrong", {true, "OFFSET or OFFSET:COUNT, offset 0 to 1023", [](const std::string& v, StationOptions& o) {
             return ParseOffsetCount(v, o.faults.readWrong);
         }}},
        {"--image-extra", {true, "N or N:K, N from 1 to 1024, K at least 1",
                           [](const std::string& v, StationOptions& o) {
             const size_t colon = v.find(':');
             int times;
             if (!ParseInRange(v.substr(0, colon), 1, ImageSize, o.faults.imageExtra))
                 return false;
             if (colon == std::string::npos)
                 return true;
             if (!ParseInRange(v.substr(colon + 1), 1, 1000000, times))
                 return false;
             o.faults.imageExtraTimes = times;
             return true;
         }}},
        {"--byte-delay", {true, "milliseconds from 0 to 60000", [](const std::string& v, StationOptions& o) {
             return ParseInRange(v, 0, 60000, o.faults.byteDelayMs);
         }}},
        {"--write-delay", {true, "milliseconds from 0 to 60000", [](const std::string& v, StationOptions& o) {
             return ParseInRange(v, 0, 60000, o.faults.writeDelayMs);
         }}},
        {"--vanish-after", {true, "a request count of at least 1", [](const std::string& v, StationOptions& o) {
             int n;
             if (!ParseInRange(v, 1, 100000000, n))
                 return false;
             o.faults.vanishAfter = n;
             return true;
         }}},
    };
    return rules;
}

} // namespace

bool ParseStationOptions(const std::vector<std::string>& args, StationOptions& options,
                         std::string& error)
{
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool inlineValue = false;
        const size_t eq = name.find('=');
        if (name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            inlineValue = true;
        }
        const auto rule = Rules().find(name);
        if (rule == Rules().end()) {
            error = "unknown option " + args[i];
            return false;
        }
        if (rule->second.takesValue && !inlineValue) {
            if (i + 1 >= args.size()) {
                error = name + " needs " + rule->second.what;
                return false;
            }
            value = args[++i];
        } else if (!rule->second.takesValue && inlineValue) {
            error = name + " takes no value";
            return false;
        }
        if (!rule->second.handle(value, options)) {
            error = name + " needs " + rule->second.what + ", not \"" + value + "\"";
            return false;
        }
    }
    if (options.help)
        return true;
    if (options.portsDir.empty() != (options.com == 0)) {
        error = "--ports-dir and --com go together";
        return false;
    }
    return true;
}

std::string StationUsage()
{
    return
        "Usage: tarnik-station [options]\n"
        "Plays a Tarnik station on a pseudo-terminal (or a serial device) and\n"
        "prints \"READY <device>\" once it answers.\n"
        "\n"
        "Line and files:\n"
        "  --baud B              the station's line rate (default 9600); bytes sent\n"
        "                        at another rate are garbage to it\n"
        "  --image FILE          the station's memory: loaded when FILE exists (it\n"
        "                        must hold exactly 1024 bytes), else the factory\n"
        "                        image is used and FILE created; written back on\n"
        "                        every finish request and on exit\n"
        "  --ports-dir DIR       with --com: register as COM N, the symbolic link\n"
        "  --com N               DIR/COMN to the device (removed on exit)\n"
        "  --device PATH         use a real serial device (raw 8N1 at --baud)\n"
        "                        instead of a pseudo-terminal\n"
        "  --log FILE            log every request as hex bytes (\"11 39 01\"), and\n"
        "                        skipped bytes as a line starting with \"?\"\n"
        "  --reserved-pattern    fill the reserved bytes (516-519, 530-1023) of\n"
        "                        the starting image with a pattern no programmer\n"
        "                        writes, to see whether a write keeps them\n"
        "  --unmodelled-bits     set the bits of the starting image that hold no\n"
        "                        setting (byte 503, the top bits of 504-508, the\n"
        "                        spare bits of 511 and 514), to see whether a\n"
        "                        write keeps them\n"
        "  --random-image SEED   start from 1024 random bytes (the same for the\n"
        "                        same seed) instead of the factory image\n"
        "  --latency MS          every answer byte leaves only at the next multiple\n"
        "                        of MS after it is due, as through a USB adapter\n"
        "                        whose latency timer is MS (an FTDI: 16 by default)\n"
        "  --exact-pace          spin through the last 0.3 ms before each byte is\n"
        "                        due instead of sleeping to it, so that bytes keep\n"
        "                        their time on a loaded machine (for measuring a\n"
        "                        programmer's speed; it costs a core at 19200 baud)\n"
        "\n"
        "Faults (may be combined; offsets in decimal or 0x hex):\n"
        "  --silent              never answer, store nothing\n"
        "  --identify-answer HH  answer identify with the hex byte HH\n"
        "  --image-stop-after N  the image answer stops after N bytes\n"
        "  --wrong-echo I:K      the first K writes of image offset I get a wrong\n"
        "                        echo and are not stored (repeatable)\n"
        "  --never-echo I        writes of offset I get no answer and are not\n"
        "                        stored (repeatable)\n"
        "  --store-wrong I[:K]   writes of image offset I are echoed right but\n"
        "                        another byte is stored (the first K writes, or\n"
        "                        all); only a read-back shows it (repeatable)\n"
        "  --byte-delay MS       extra delay before each answer byte\n"
        "  --write-delay MS      time to store a written byte before its echo\n"
        "  --stale K             whenever a program opens the line (a pseudo-\n"
        "                        terminal), the station is still sending the last\n"
        "                        K bytes of its image, at the line rate, as after\n"
        "                        a read that was given up; requests wait behind.\n"
        "                        K beyond 1024 runs round the image (a line that\n"
        "                        does not go quiet)\n"
        "  --image-extra N[:K]   the image answer goes on with N more bytes (the\n"
        "                        first K answers, or all)\n"
        "  --read-wrong I[:K]    image answers carry a wrong byte at offset I (the\n"
        "                        first K answers, or all); the memory is right\n"
        "                        (repeatable)\n"
        "  --vanish-after N      after N complete requests (and their answers)\n"
        "                        close the line, remove the link, save the image\n"
        "                        and exit with code 0\n"
        "\n"
        "  --help                show this text\n"
        "\n"
        "SIGINT, SIGTERM and SIGHUP end the station cleanly (exit code 0).\n";
}

} // namespace station
