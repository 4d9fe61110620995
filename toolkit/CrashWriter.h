#pragma once

#include <filesystem>
#include <string>

// Appends a short report to the log when the program crashes (SIGSEGV, SIGABRT, SIGFPE,
// SIGILL, SIGBUS), then lets the signal end the program as it would have. The handler may use
// only async-signal-safe calls, so everything it writes apart from the signal's own details is
// made ready beforehand.
namespace CrashWriter {

struct Target
{
    std::filesystem::path path; // empty: no such target
    std::string closingLines;
};

// The log file, then the fallback, which is tried when the log file does not take the whole
// report; the fallback's directory is made when needed. The date is written with the offset from
// UTC given here.
void prepare(const Target &logFile, const Target &fallback, long utcOffset);
// Does nothing where the platform has no crash signals.
void install();

} // namespace CrashWriter
