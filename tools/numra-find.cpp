// numra-find: the conversion and lookup passes of Numra from the command line. It links the core
// alone, so that a script calling it once per number does not pay for starting Qt.

#include "core/Conversion.h"
#include "core/FilePaths.h"
#include "core/LookupPass.h"
#include "core/MemorablePhrases.h"
#include "core/NumberList.h"
#include "core/PhraseSuggestions.h"
#include "core/RankingData.h"
#include "core/StatusText.h"
#include "core/TextEncoding.h"
#include "tools/BatchMode.h"
#include "tools/FindSupport.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
// clang-format off
#include <fcntl.h>
#include <io.h>
// clang-format on
#endif

namespace {

using namespace NumraFind;

const char Usage[] =
    "Usage: numra-find [--dictionary FILE] [--left | --right | --any] NUMBER\n"
    "       numra-find --phrases [--limit N] [--area-code-words] [--offensive]\n"
    "                  [--dictionary FILE] NUMBER\n"
    "       numra-find --phrases --all [--dictionary FILE] NUMBER\n"
    "       numra-find --batch [--limit N] [--column N] [--containing WORD]...\n"
    "                  [--threads N] [--area-code-words] [--offensive]\n"
    "                  [--dictionary FILE] [LIST]\n"
    "       numra-find --lookup WORD [--dictionary FILE]\n"
    "       numra-find --help | --version\n"
    "\n"
    "Lists the dictionary words that spell a part of NUMBER on a telephone keypad, one per\n"
    "line: the word, a tab, the digits it represents, a tab, its class. NUMBER is taken\n"
    "exactly as given (spaces, dashes and parentheses stay); a \xE2\x80\xA2 (U+2022) in it stands\n"
    "for a digit already covered, as in Numra's number field. A NUMBER that holds a control\n"
    "character (a tab, a line break) is refused; a character that the number field cannot hold\n"
    "(a byte that is not UTF-8, a letter outside Windows-1252) shows as \xEF\xBF\xBD (U+FFFD).\n"
    "Each line of the dictionary is read as UTF-8 if it is UTF-8, else as Windows-1252; the\n"
    "output is UTF-8.\n"
    "\n"
    "  --left          only words that start at the first free digit\n"
    "  --right         only words that end at the last free digit\n"
    "  --any           words anywhere in the number (the default)\n"
    "  --phrases       the phrases a person would choose for the number instead, the best\n"
    "                  first, one per line: its words and kept digits separated by spaces,\n"
    "                  a tab, and the vanity form (1-800-FLOWERS, 877-222-VETS). Separators\n"
    "                  are formatting: a word may cross them, never a \xE2\x80\xA2. The country\n"
    "                  and area code stay digits; elsewhere a run of kept digits costs more\n"
    "                  the longer it is. Words are ranked by the ranking data beside the\n"
    "                  dictionary (its name with .rank for its extension): how common each\n"
    "                  word is and which pairs belong together; without them, by their line\n"
    "                  in the dictionary. A phrase holds a word of three letters or more, and\n"
    "                  when none is worth more than the digits the number is said to have no\n"
    "                  memorable phrase\n"
    "  --limit N       the best N phrases (default 20; with --batch 1)\n"
    "  --area-code-words\n"
    "                  words may stand in the country and area code too\n"
    "  --offensive     words the ranking data mark as offensive may stand\n"
    "  --all           every complete phrase of dictionary words instead, each free digit\n"
    "                  covered once, in a stable order, as they are found, not ranked\n"
    "  --batch         the best phrase of every number of LIST (a file; standard input\n"
    "                  when it is absent or -), one number a line as people write them,\n"
    "                  CSV too: the first field that holds a digit, a field in double\n"
    "                  quotes may hold commas. The dictionary and ranking data are read\n"
    "                  once. Each line gives N lines (--limit), in the order of LIST: the\n"
    "                  number as given, the vanity form, the phrase and its cost in bits\n"
    "                  (lower is better, comparable across numbers), tab-separated; where\n"
    "                  there is no phrase the last three are empty. An empty line gives\n"
    "                  empty lines; so does a line that is refused (over 255 bytes, or a\n"
    "                  control character other than a CR before its LF), said on standard\n"
    "                  error with its line number, and the exit status is then 1\n"
    "  --column N      with --batch, the number is the line's Nth field (from 1)\n"
    "  --containing WORD\n"
    "                  with --batch, only phrases that hold WORD (as --lookup finds it);\n"
    "                  a number that cannot hold it gives empty fields. May be repeated:\n"
    "                  phrases that hold any of the words\n"
    "  --threads N     with --batch, rank on N threads (default 2 where there are two\n"
    "                  cores); the output keeps the order of LIST. Across machines: split\n"
    "                  LIST with GNU parallel --pipe --keep-order (see numra-find(1))\n"
    "  --lookup WORD   print each distinct digit string the dictionary gives for WORD\n"
    "                  (case, spaces, apostrophes, hyphens, digits and a part in\n"
    "                  parentheses are ignored; a word missing its accents finds them,\n"
    "                  after the words written as given)\n"
    "  --dictionary FILE\n"
    "                  the dictionary to read (default: the one that ships with Numra)\n"
    "  --help          show this text\n"
    "  --version       show the version of numra-find\n"
    "\n"
    "The status line (matches, lines examined, seconds; for --phrases what was read of the\n"
    "ranking data, for --all the number of complete phrases or why there is none, for\n"
    "--batch the index and ranking data read, then how many numbers had a phrase) goes to\n"
    "standard error.\n"
    "Each option but --containing may be given once.\n"
    "Exit status: 0 when something was listed, 1 when nothing was, 2 for a usage error,\n"
    "a dictionary that cannot be opened or read, or too little memory. With --batch: 0\n"
    "when every line was read, 1 when a line was refused, 2 as above or when LIST cannot\n"
    "be read.\n";

struct Options
{
    std::optional<std::string> dictionary;
    Numra::Placement placement = Numra::Placement::AnyPoint;
    std::optional<std::string> lookup;
    std::optional<std::string> number;
    bool phrases = false;
    bool all = false;
    bool areaCodeWords = false;
    bool offensive = false;
    std::optional<std::size_t> limit;
    bool batch = false;
    std::optional<std::size_t> column;
    std::vector<std::string> containing;
    std::optional<std::size_t> threads;
};

// A whole number from 1 up; none for anything else.
std::optional<std::size_t> wholeNumber(const std::string &value)
{
    char *end = nullptr;
    errno = 0;
    const unsigned long long n = std::strtoull(value.c_str(), &end, 10);
    if (value.empty() || value[0] == '-' || *end != '\0' || errno == ERANGE || n == 0)
        return std::nullopt;
    return static_cast<std::size_t>(n);
}

int usageError(const char *message)
{
    std::fprintf(stderr, "numra-find: %s\n\n%s", message, Usage);
    return Trouble;
}

// The core keeps 255 characters of a text; a longer argument would be cut without a word.
int tooLong(const char *what, const char *unit)
{
    std::fprintf(stderr, "numra-find: %s is longer than %zu %s\n", what, Numra::ShortStringMax,
                 unit);
    return Trouble;
}

void printStatus(std::int64_t matches, std::int64_t examined, double seconds)
{
    const std::string status =
        Numra::ConversionStatusText(matches, examined, seconds, Numra::LocaleDecimalSeparator());
    std::fprintf(stderr, "%s\n", status.c_str() + 1);
}

int convert(Numra::DictionaryFile &file, std::string_view numberText, Numra::Placement placement)
{
    const auto start = std::chrono::steady_clock::now();
    const auto outcome =
        Numra::RunConversion(file, numberText, placement, [](const Numra::Record &r) {
            Write(r.word);
            Write("\t");
            Write(r.number);
            Write("\t");
            Write(r.cls);
            Write("\n");
        });
    const bool written = OutputWritten();
    if (outcome.error != Numra::DictionaryError::None)
        return DictionaryError(outcome.error, file);
    if (!written)
        return Trouble;
    printStatus(outcome.accepted, outcome.examined, SecondsSince(start));
    return outcome.accepted > 0 ? Found : NoneFound;
}

int lookup(Numra::DictionaryFile &file, std::string_view word)
{
    const auto start = std::chrono::steady_clock::now();
    const auto outcome = Numra::RunLookup(file, word);
    if (outcome.error != Numra::DictionaryError::None)
        return DictionaryError(outcome.error, file);
    for (const auto &number : outcome.numbers) {
        Write(number);
        Write("\n");
    }
    if (!OutputWritten())
        return Trouble;
    if (outcome.numbers.empty())
        std::fputs("No Numeric Equivalent\n", stderr);
    printStatus(static_cast<std::int64_t>(outcome.numbers.size()), outcome.examined,
                SecondsSince(start));
    return outcome.numbers.empty() ? NoneFound : Found;
}

// Every complete phrase, unranked, as they are found: a long list neither waits for its end nor
// is held whole.
int allPhrases(Numra::DictionaryFile &file, std::string_view numberText)
{
    const auto start = std::chrono::steady_clock::now();
    const auto found = Numra::PhraseSuggestions::Collect(file, numberText);
    if (found.Error() != Numra::DictionaryError::None)
        return DictionaryError(found.Error(), file);
    std::size_t printed = 0;
    found.ForEach([&](const Numra::Suggestion &phrase) {
        ++printed;
        Write(Numra::PhraseText(phrase.words));
        Write("\t");
        Write(Numra::VanityForm(numberText, phrase.words));
        Write("\n");
        return !std::ferror(stdout);
    });
    if (!OutputWritten())
        return Trouble;
    if (printed == 0)
        std::fprintf(stderr, "%s\n", Numra::NoPhraseText(found.Why()).c_str());
    const std::string seconds =
        Numra::FormatSeconds(SecondsSince(start), Numra::LocaleDecimalSeparator());
    std::fprintf(stderr, "%s in %s secs\n",
                 Numra::CompletePhrasesText(found.Count(), found.ApproximateCount()).c_str(),
                 seconds.c_str());
    return printed > 0 ? Found : NoneFound;
}

int phrases(Numra::DictionaryFile &file, std::string_view numberText, const Options &options)
{
    const auto start = std::chrono::steady_clock::now();
    const std::string rankingPath = Numra::RankingPathFor(file.Path());
    const auto ranking = Numra::RankingData::Read(rankingPath);
    const double loading = SecondsSince(start);
    const auto found = Numra::MemorablePhrases::Collect(
        file, numberText, &ranking,
        {.wordsInAreaCode = options.areaCodeWords, .offensive = options.offensive});
    if (found.Error() != Numra::DictionaryError::None)
        return DictionaryError(found.Error(), file);
    std::size_t printed = 0;
    // Printed as they are found, the best first.
    found.Best(options.limit.value_or(20), [&](const Numra::MemorablePhrase &phrase) {
        ++printed;
        Write(phrase.text);
        Write("\t");
        Write(phrase.vanity);
        Write("\n");
        return !std::ferror(stdout);
    });
    if (!OutputWritten())
        return Trouble;
    if (printed == 0)
        std::fprintf(stderr, "%s\n", Numra::NoMemorablePhraseText(numberText).c_str());
    PrintRankingStatus(ranking, rankingPath, loading);
    printStatus(static_cast<std::int64_t>(found.WordCount()), found.Examined(),
                SecondsSince(start));
    return printed > 0 ? Found : NoneFound;
}

// An empty --dictionary names no file, which cannot be opened; only a missing option means the
// shipped dictionary.
std::string dictionaryPath(const Options &options)
{
    return options.dictionary ? *options.dictionary
                              : Numra::PathToBytes(Numra::DataFilePath(Numra::ProgramDirectory(),
                                                                       "Numra Dictionary.txt"));
}

int batch(const Options &options, bool placementGiven)
{
    if (options.lookup || placementGiven || options.all)
        return usageError("--batch takes no placement, --lookup or --all");
    for (const std::string &word : options.containing) {
        if (word.size() > Numra::ShortStringMax)
            return tooLong("WORD", "bytes");
        // Without letters it would stand for the dictionary's digit entries, never a word.
        if (Numra::WordKey(word).empty())
            return usageError("--containing takes a word with letters");
    }
    NumraFind::BatchOptions batch{
        .dictionary = dictionaryPath(options),
        .input = options.number.value_or(std::string()),
        .limit = options.limit.value_or(1),
        .column = options.column.value_or(0),
        .containing = options.containing,
        .threads = static_cast<unsigned>(std::min<std::size_t>(options.threads.value_or(0), 1024)),
        .phrases = {.wordsInAreaCode = options.areaCodeWords, .offensive = options.offensive}};
    return NumraFind::RunBatch(batch);
}

} // namespace

// A script must tell a run that ran out of memory from one that found nothing, and a long list
// cut short from a whole one.
int main(int argc, char *argv[])
try {
#ifdef _WIN32
    // Text mode would turn every line end into CR LF; the output is the dictionary's bytes.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    const std::vector<std::string> args = Numra::ProgramArguments(argc, argv);

    Options options;
    bool placementGiven = false;
    std::set<std::string_view> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            Write(Usage);
            return OutputWritten() ? Found : Trouble;
        }
        if (arg == "--version") {
            std::fputs("numra-find " NUMRA_VERSION "\n", stdout);
            return OutputWritten() ? Found : Trouble;
        }
        // A second --lookup or --dictionary would quietly replace the first; the words a
        // phrase may hold add up.
        if (arg.starts_with("--") && arg != "--" && arg != "--containing" &&
            !given.insert(arg).second)
            return usageError("give each option once");
        if (arg == "--dictionary" || arg == "--lookup") {
            if (i + 1 >= args.size())
                return usageError("an option needs a value");
            (arg == "--dictionary" ? options.dictionary : options.lookup).emplace(args[++i]);
        } else if (arg == "--phrases") {
            options.phrases = true;
        } else if (arg == "--all") {
            options.all = true;
        } else if (arg == "--area-code-words") {
            options.areaCodeWords = true;
        } else if (arg == "--offensive") {
            options.offensive = true;
        } else if (arg == "--batch") {
            options.batch = true;
        } else if (arg == "--containing") {
            if (i + 1 >= args.size())
                return usageError("an option needs a value");
            options.containing.push_back(args[++i]);
        } else if (arg == "--limit" || arg == "--column" || arg == "--threads") {
            if (i + 1 >= args.size())
                return usageError("an option needs a value");
            const auto n = wholeNumber(args[++i]);
            if (!n)
                return usageError("--limit, --column and --threads take a whole number from 1 up");
            (arg == "--limit"    ? options.limit
             : arg == "--column" ? options.column
                                 : options.threads) = n;
        } else if (arg == "--left" || arg == "--right" || arg == "--any") {
            if (placementGiven)
                return usageError("give one placement only");
            placementGiven = true;
            options.placement = arg == "--left"    ? Numra::Placement::Left
                                : arg == "--right" ? Numra::Placement::Right
                                                   : Numra::Placement::AnyPoint;
        } else if (arg == "--") {
            if (i + 2 != args.size() || options.number)
                return usageError("give exactly one number");
            options.number = args[++i];
        } else if (arg.starts_with("--")) {
            return usageError("unknown option");
        } else {
            if (options.number)
                return usageError("give exactly one number");
            options.number = arg;
        }
    }
    if (options.batch)
        return batch(options, placementGiven);
    if (options.column || options.threads || !options.containing.empty())
        return usageError("--column, --containing and --threads go with --batch");
    if (options.lookup && (options.number || placementGiven))
        return usageError("--lookup takes a word and no number or placement");
    if (!options.lookup && !options.number)
        return usageError("give a number to convert");
    if ((options.all || options.limit) && !options.phrases)
        return usageError("--limit and --all go with --phrases");
    if (options.all && options.limit)
        return usageError("give --limit or --all, not both");
    if ((options.areaCodeWords || options.offensive) && (!options.phrases || options.all))
        return usageError("--area-code-words and --offensive go with --phrases, not --all");
    if (options.phrases && (options.lookup || placementGiven))
        return usageError("--phrases takes a number and no placement or lookup");

    std::string numberText;
    if (options.number) {
        // A tab or a line break in a number would split the output's lines and columns.
        if (Numra::HoldsControlCharacter(*options.number)) {
            std::fputs("numra-find: NUMBER holds a control character (a tab, a line break or "
                       "another)\n",
                       stderr);
            return Trouble;
        }
        numberText = Numra::FieldBytesFromUtf8(*options.number);
        if (numberText.size() > Numra::ShortStringMax)
            return tooLong("NUMBER", "characters");
    }
    if (options.lookup && options.lookup->size() > Numra::ShortStringMax)
        return tooLong("WORD", "bytes");

    // One pass a process: a second core, where there is one, copies the file in while this one
    // scans.
    Numra::DictionaryFile file(dictionaryPath(options), {.TwoThreads = true});
    if (options.lookup)
        return lookup(file, *options.lookup);
    if (options.phrases && options.all)
        return allPhrases(file, numberText);
    if (options.phrases)
        return phrases(file, numberText, options);
    return convert(file, numberText, options.placement);
} catch (const std::bad_alloc &) {
    std::fflush(stdout);
    std::fputs("numra-find: out of memory\n", stderr);
    return Trouble;
}
