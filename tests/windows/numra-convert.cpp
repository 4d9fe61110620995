// numra-convert: the conversion and lookup passes of the core, with nothing else around them, so
// that a build for another system can be compared with the Linux one byte for byte.
//   numra-convert DICTIONARY left|right|any NUMBER
//   numra-convert DICTIONARY lookup WORD
// Prints each record found (word, tab, digits, tab, class) or each digit string, then the lines
// examined and two status lines with fixed times and separators. Exit status: 0 when something
// was found, 1 when nothing was, 2 for a usage error or a dictionary that cannot be read.

#include "Conversion.h"
#include "FilePaths.h"
#include "LookupPass.h"
#include "StatusText.h"

#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

void print(const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef _WIN32
    // The same bytes as on Linux: no LF becomes CRLF on the way out.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::vector<std::string> args = Numra::ProgramArguments(argc, argv);
    if (args.size() != 3) {
        std::fputs("usage: numra-convert DICTIONARY left|right|any|lookup NUMBER-OR-WORD\n",
                   stderr);
        return 2;
    }
    const std::string &mode = args[1];
    Numra::DictionaryFile file(args[0]);
    Numra::DictionaryError error = Numra::DictionaryError::None;
    std::int64_t examined = 0;
    std::int64_t found = 0;
    if (mode == "lookup") {
        const Numra::LookupOutcome outcome = Numra::RunLookup(file, args[2]);
        for (const std::string &number : outcome.numbers)
            print(number + '\n');
        error = outcome.error;
        examined = outcome.examined;
        found = static_cast<std::int64_t>(outcome.numbers.size());
    } else if (mode == "left" || mode == "right" || mode == "any") {
        const Numra::Placement placement = mode == "left"    ? Numra::Placement::Left
                                           : mode == "right" ? Numra::Placement::Right
                                                             : Numra::Placement::AnyPoint;
        const Numra::ConversionOutcome outcome =
            Numra::RunConversion(file, args[2], placement, [](const Numra::Record &record) {
                print(record.word + '\t' + record.number + '\t' + record.cls + '\n');
            });
        error = outcome.error;
        examined = outcome.examined;
        found = outcome.accepted;
    } else {
        std::fputs("numra-convert: unknown mode\n", stderr);
        return 2;
    }
    if (error != Numra::DictionaryError::None) {
        std::fprintf(stderr, "%s %s\n",
                     error == Numra::DictionaryError::CouldNotOpen ? "Can Not Open"
                                                                   : "Error Reading Dictionary",
                     args[0].c_str());
        return 2;
    }
    print("examined " + std::to_string(examined) + '\n');
    print(Numra::ConversionStatusText(found, examined, 0.0625, ".") + '\n');
    print(Numra::ConversionStatusText(found, examined, 12.3456, ",") + '\n');
    return found > 0 ? 0 : 1;
}
