// The word lookup against the plain reference: the first line of the input is the typed word,
// the rest the dictionary.

#include "core/LookupPass.h"
#include "tests/Reference.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace Numra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > Fuzz::MaxInput)
        return 0;
    const auto [typedWord, dictionary] = Fuzz::SplitFirstLine(Fuzz::bytes(data, size));
    Fuzz::Scratch().Write(dictionary);
    const std::vector<std::string> lines = Reference::naiveSplitLines(dictionary);

    FUZZ_CHECK(WordKey(typedWord) == Reference::naiveWordKey(typedWord));

    DictionaryFile &file = Fuzz::ScratchDictionary(size);
    const LookupOutcome outcome = RunLookup(file, typedWord);
    std::int64_t examined = -1;
    const std::vector<std::string> expected = Reference::naiveLookup(lines, typedWord, examined);
    FUZZ_CHECK(outcome.error == DictionaryError::None);
    FUZZ_CHECK(outcome.examined == examined);
    FUZZ_CHECK(outcome.numbers == expected);
    return 0;
}
