#pragma once

#include "core/DictionaryFile.h"

#include <QString>

#include <cstdint>
#include <string_view>

class QWidget;

// What the settings hold, and the caption and messages show, while no dictionary is open.
inline constexpr char NoDictionaryOpen[] =
    QT_TRANSLATE_NOOP("DictionaryWarning", "No Dictionary Open");

// The dictionary's path as the windows show it, NoDictionaryOpen (translated) when none is bound.
QString dictionaryName(const Numra::DictionaryFile &dictionary);

// The warning after a pass that could not open the dictionary ("Can Not Open <path> in
// <handler>") or read it through ("Error Reading Dictionary <path>"); none after one that could.
// handler names the place, as the messages always have.
void showDictionaryWarning(QWidget *parent, Numra::DictionaryError error,
                           const Numra::DictionaryFile &dictionary, const char *handler);

// Seconds as the status texts show them (Numra::FormatSeconds), in the user's decimal separator.
QString secondsText(double seconds);

// The status after a pass over the dictionary: " 12 Matches out of 50000 words in .25 secs".
QString conversionStatusText(std::int64_t matches, std::int64_t examined, double seconds);
