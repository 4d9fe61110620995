#pragma once

#include "core/DictionaryFile.h"

#include <string_view>

class QWidget;

// The warning after a pass that could not open the dictionary ("Can Not Open <path> in
// <handler>") or read it through ("Error Reading Dictionary <path>"); none after one that could.
// pathBytes is the path as the core holds it; handler names the place, as the messages always
// have.
void showDictionaryWarning(QWidget *parent, Numra::DictionaryError error,
                           std::string_view pathBytes, const char *handler);
