#pragma once

namespace toolbox {

enum class LogLevel : int {
    Debug = 1,
    Info = 2,
    Warn = 3,
    Error = 4,
    Exception = 5,
    Fatal = 6,
    // Only a threshold: a "/log" word the logger does not know silences it.
    Nothing = 127,
};

} // namespace toolbox
