#include "engine/Log.h"

#include <cstdio>
#include <set>

namespace {
int warnings = 0;
std::set<std::string>& Seen() {
    static std::set<std::string> seen;
    return seen;
}
}  // namespace

void Log::Warn(const std::string& message) {
    ++warnings;
    std::fprintf(stderr, "korvanta: warning: %s\n", message.c_str());
}

void Log::WarnOnce(const std::string& message) {
    if (Seen().insert(message).second)
        Warn(message);
}

void Log::Error(const std::string& message) { std::fprintf(stderr, "korvanta: error: %s\n", message.c_str()); }

int Log::WarningCount() { return warnings; }
