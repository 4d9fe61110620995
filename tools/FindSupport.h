#pragma once

#include "core/DictionaryFile.h"
#include "core/RankingData.h"

#include <chrono>
#include <string>
#include <string_view>

// What numra-find's modes share: its exit statuses and how it reports to a script.
namespace NumraFind {

enum Exit { Found = 0, NoneFound = 1, Trouble = 2 };

// The window's own words, and for a script the system's reason; returns Trouble.
int DictionaryError(Numra::DictionaryError error, const Numra::DictionaryFile &file);

void Write(std::string_view text);
// A script must not take lost output (a full disk, a closed pipe) for a result.
bool OutputWritten();

double SecondsSince(std::chrono::steady_clock::time_point start);
// As the status lines write them, "0" for a time too short to show.
std::string SecondsText(double seconds);

void PrintRankingStatus(const Numra::RankingData &ranking, const std::string &path, double seconds);

} // namespace NumraFind
