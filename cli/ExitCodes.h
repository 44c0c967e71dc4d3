#pragma once

// The command line's exit codes.
enum ExitCode {
    ExitOk = 0,            // done; files equal; the station holds the file
    ExitDiffers = 1,       // verification failed or the files differ
    ExitUsage = 2,         // usage or input error: nothing was sent
    ExitStation = 3,       // port or station error
    ExitFleetFailed = 4,   // some stations of a fleet failed
    ExitSignalBase = 128,  // plus the number of the signal that stopped the command
};
