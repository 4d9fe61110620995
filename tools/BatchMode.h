#pragma once

#include "core/MemorablePhrases.h"

#include <cstddef>
#include <string>
#include <vector>

// numra-find --batch: the best phrases of every number of a list, the dictionary and the ranking
// data read once.
namespace NumraFind {

struct BatchOptions
{
    std::string dictionary;
    std::string input;      // a file; empty or "-" for standard input
    std::size_t limit = 1;  // phrases, and so output lines, per input line
    std::size_t column = 0; // the field that holds the number, from 1; 0: the first with a digit
    std::vector<std::string> containing; // a phrase must hold one of these words
    unsigned threads = 0;                // 0: two where the machine has them
    Numra::PhraseOptions phrases;
};

// One input line gives `limit` output lines, in input order, whatever it holds: the number as
// given, the vanity form, the phrase and its cost, tab-separated, the last three empty where
// there is no phrase; a line without a number, or one refused, gives empty lines.
int RunBatch(const BatchOptions &options);

} // namespace NumraFind
