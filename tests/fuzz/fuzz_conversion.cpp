// The conversion pass against the plain reference: the first line of the input is the number
// text (marks and all), the rest the dictionary.

#include "core/Conversion.h"
#include "tests/Reference.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>

using namespace Numra;

namespace {

void checkPlacement(DictionaryFile &file, const std::vector<std::string> &lines,
                    std::string_view number, Placement placement)
{
    std::vector<Record> found;
    std::vector<std::int64_t> foundLines;
    const ConversionOutcome outcome =
        RunConversion(file, number, placement, [&](const Record &r, std::int64_t line) {
            found.push_back(r);
            foundLines.push_back(line);
        });
    std::int64_t examined = -1;
    std::vector<std::int64_t> expectedLines;
    const std::vector<Record> expected =
        Reference::naiveConvert(lines, number, placement, examined, &expectedLines);

    FUZZ_CHECK(outcome.error == DictionaryError::None);
    FUZZ_CHECK(outcome.examined == examined);
    FUZZ_CHECK(outcome.accepted == std::int64_t(found.size()));
    FUZZ_CHECK(std::equal(found.begin(), found.end(), expected.begin(), expected.end(),
                          Reference::sameRecord));
    FUZZ_CHECK(foundLines == expectedLines);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > Fuzz::MaxInput)
        return 0;
    const auto [number, dictionary] = Fuzz::SplitFirstLine(Fuzz::bytes(data, size));
    Fuzz::Scratch().Write(dictionary);
    const std::vector<std::string> lines = Reference::naiveSplitLines(dictionary);

    DictionaryFile &file = Fuzz::ScratchDictionary(size);
    for (Placement placement : {Placement::Left, Placement::Right, Placement::AnyPoint})
        checkPlacement(file, lines, number, placement);
    return 0;
}
