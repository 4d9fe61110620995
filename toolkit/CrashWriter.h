#pragma once

#include <string>

// Appends a short report to the log when the program crashes (SIGSEGV, SIGABRT, SIGFPE,
// SIGILL, SIGBUS), then lets the signal end the program as it would have. The handler may use
// only async-signal-safe calls, so everything it writes apart from the signal's own details is
// made ready beforehand.
namespace CrashWriter {

struct Target
{
    std::string path; // as the system takes it; empty: no such target
    std::string directory;
    std::string closingLines;
};

// The log file, then the fallback; the date is written with the offset from UTC given here.
void prepare(const Target &logFile, const Target &fallback, long utcOffset);
// Does nothing where the platform has no crash signals.
void install();

} // namespace CrashWriter
