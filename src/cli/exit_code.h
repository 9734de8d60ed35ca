#pragma once

namespace wepn {

// The tool's exit codes.
enum ExitCode : int {
    kExitOk = 0,
    kExitFileFailed = 1, // at least one file could not be processed
    kExitUsage = 2,      // the command line itself is wrong
};

} // namespace wepn
