// The block reader of the dictionary against a plain line splitter, and the affix table built
// from it against a plain build.

#include "core/AffixTable.h"
#include "core/DictionaryFile.h"
#include "tests/Reference.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>

using namespace Numra;

namespace {

std::vector<std::string> readLines(DictionaryFile &file)
{
    std::vector<std::string> lines;
    const DictionaryError error = ReadDictionary(file, [&](std::string_view line) {
        FUZZ_CHECK(line.size() <= ShortStringMax);
        lines.emplace_back(line);
    });
    FUZZ_CHECK(error == DictionaryError::None);
    return lines;
}

void checkDictionary(DictionaryFile &file, std::string_view content, bool withAffixes)
{
    Fuzz::Scratch().Write(content);
    const std::vector<std::string> expected = Reference::naiveSplitLines(content);
    FUZZ_CHECK(readLines(file) == expected);
    if (!withAffixes)
        return;
    // Reading again starts over at the first line, whatever the last pass left behind.
    FUZZ_CHECK(readLines(file) == expected);

    AffixTable table{{PrefixKind, "left-", "from an earlier build"}};
    FUZZ_CHECK(ReadAffixTable(file, table) == DictionaryError::None);
    FUZZ_CHECK(table == Reference::naiveAffixTable(expected));
}

// Filler lines longer than 255 bytes, so that the last of them may run on into the input.
const std::string &filler()
{
    static const std::string text = [] {
        std::string lines(DictionaryFile::BlockSize, 'x');
        for (std::size_t at = 299; at < lines.size(); at += 300)
            lines[at] = '\n';
        return lines;
    }();
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > Fuzz::MaxInput)
        return 0;
    DictionaryFile &file = Fuzz::ScratchDictionary(size);
    const std::string_view input = Fuzz::bytes(data, size);
    checkDictionary(file, input, true);

    // An odd first byte also puts the input behind filler, with the block boundary the given
    // number of bytes into the input.
    if (!input.empty() && (static_cast<unsigned char>(input[0]) & 1)) {
        const std::size_t into =
            std::min<std::size_t>(static_cast<unsigned char>(input[0]) >> 1, input.size());
        // Kept from one input to the next: a fresh block of this size per input costs more
        // under the address checker than the test itself.
        static std::string padded;
        padded.assign(filler(), 0, DictionaryFile::BlockSize - into);
        padded.append(input);
        checkDictionary(file, padded, false);
    }
    return 0;
}
