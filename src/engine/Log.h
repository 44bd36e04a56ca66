#pragma once
#include <string>

// One-line messages to stderr for the problems a player can meet (missing
// sound, missing font, no audio device). Each distinct message is printed
// once per run so a missing file does not flood the terminal every frame.
class Log {
public:
    static void Warn(const std::string& message);
    static void WarnOnce(const std::string& message);
    static void Error(const std::string& message);
    // How many warnings were printed (tests check that one was).
    static int WarningCount();
};
