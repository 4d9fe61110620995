#pragma once

#include "core/DictionaryFile.h"

#include <QString>

#include <cstdint>
#include <string_view>

class QWidget;

// The warning after a pass that could not open the dictionary ("Can Not Open <path> in
// <handler>") or read it through ("Error Reading Dictionary <path>"); none after one that could.
// pathBytes is the path as the core holds it; handler names the place, as the messages always
// have.
void showDictionaryWarning(QWidget *parent, Numra::DictionaryError error,
                           std::string_view pathBytes, const char *handler);

// Seconds as the status texts show them (Numra::FormatSeconds), in the user's decimal separator.
QString secondsText(double seconds);

// The status after a pass over the dictionary: " 12 Matches out of 50000 words in .25 secs".
QString conversionStatusText(std::int64_t matches, std::int64_t examined, double seconds);
