#pragma once
#include <QString>

// Which device stands behind a COM port number.
//
// On Windows COMn is the system's COMn. Elsewhere the numbers 1 to 32 are
// mapped onto device nodes: an entry COMn in the directory named by the
// environment variable TARNIK_PORTS (normally a symbolic link to a device
// node) takes precedence; without such an entry the usual device names are
// assigned in a fixed order (see link/README.md).
namespace PortMap {

constexpr int FirstPort = 1;
constexpr int LastPort = 32;

// The environment variable naming the directory of COMn entries.
constexpr const char* PortsDirVariable = "TARNIK_PORTS";

// The device the port number stands for by default, without an entry in
// the ports directory; empty for a number outside 1..32 (Windows: the
// system's name of COMn for any n >= 1).
QString DefaultDevice(int number);

// The entry for the number in the ports directory, whether or not it leads
// anywhere; empty when the variable is unset, the number is outside 1..32
// or there is no entry of that name.
QString PortsDirEntry(int number);

// The device to open for COMn: the resolved target of the ports directory
// entry when there is one (empty when the entry leads nowhere, so such an
// entry hides the number), otherwise the default device. Empty when the
// number has no device. The device need not exist.
QString DevicePath(int number);

// What is wrong with the ports directory the environment names, in words:
// empty when the variable is unset, empty or names a directory. A variable
// that names no directory would otherwise leave every number on its default
// device without a word.
QString PortsDirProblem();

// Which device COMn stands for and why, for a person: "COM3: /dev/pts/4
// (TARNIK_PORTS/COM3)", "COM3: /dev/ttyS2", or why it has none.
QString ResolutionText(int number);

} // namespace PortMap
