// numra-find: the conversion and lookup passes of Numra from the command line.

#include "Conversion.h"
#include "Desktop.h"
#include "LookupPass.h"
#include "StatusText.h"
#include "TextCodec.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <optional>

namespace {

enum Exit { Found = 0, NoneFound = 1, Trouble = 2 };

const char Usage[] =
    "Usage: numra-find [--dictionary FILE] [--left | --right | --any] NUMBER\n"
    "       numra-find --lookup WORD [--dictionary FILE]\n"
    "\n"
    "Lists the dictionary words that spell a part of NUMBER on a telephone keypad, one per\n"
    "line: the word, a tab, the digits it represents, a tab, its class. NUMBER is taken\n"
    "exactly as given (spaces, dashes and parentheses stay); a \xE2\x80\xA2 (U+2022) in it stands\n"
    "for a digit already covered, as in Numra's number field.\n"
    "\n"
    "  --left          only words that start at the first free digit\n"
    "  --right         only words that end at the last free digit\n"
    "  --any           words anywhere in the number (the default)\n"
    "  --lookup WORD   print each distinct digit string the dictionary gives for WORD\n"
    "                  (case, spaces, apostrophes, hyphens, digits and a part in\n"
    "                  parentheses are ignored)\n"
    "  --dictionary FILE\n"
    "                  the dictionary to read (default: the one that ships with Numra)\n"
    "  --help          show this text\n"
    "\n"
    "The status line (matches, lines examined, seconds) goes to standard error.\n"
    "Exit status: 0 when something was listed, 1 when nothing was, 2 for a usage error or\n"
    "a dictionary that cannot be opened or read.\n";

struct Options
{
    QString dictionary;
    Numra::Placement placement = Numra::Placement::AnyPoint;
    std::optional<QString> lookup;
    std::optional<QString> number;
};

int usageError(const char *message)
{
    std::fprintf(stderr, "numra-find: %s\n\n%s", message, Usage);
    return Trouble;
}

int dictionaryError(Numra::DictionaryError error, const std::string &path)
{
    if (error == Numra::DictionaryError::CouldNotOpen)
        std::cerr << "Can Not Open " << path << '\n';
    else
        std::cerr << "Error Reading Dictionary " << path << '\n';
    return Trouble;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void printStatus(std::int64_t matches, std::int64_t examined, double seconds)
{
    const std::string separator = QLocale::system().decimalPoint().toStdString();
    const std::string status = Numra::ConversionStatusText(matches, examined, seconds, separator);
    std::cerr << status.substr(1) << '\n';
}

int convert(Numra::DictionaryFile &file, const QString &number, Numra::Placement placement)
{
    const auto start = std::chrono::steady_clock::now();
    const std::string numberText = TextCodec::toFieldBytes(number);
    const auto outcome =
        Numra::RunConversion(file, numberText, placement, [](const Numra::Record &r) {
            std::cout << r.word << '\t' << r.number << '\t' << r.cls << '\n';
        });
    std::cout.flush();
    if (outcome.error != Numra::DictionaryError::None)
        return dictionaryError(outcome.error, file.Path());
    printStatus(outcome.accepted, outcome.examined, secondsSince(start));
    return outcome.accepted > 0 ? Found : NoneFound;
}

int lookup(Numra::DictionaryFile &file, const QString &word)
{
    const auto start = std::chrono::steady_clock::now();
    const auto outcome = Numra::RunLookup(file, TextCodec::toDictionary(word));
    if (outcome.error != Numra::DictionaryError::None)
        return dictionaryError(outcome.error, file.Path());
    for (const auto &number : outcome.numbers)
        std::cout << number << '\n';
    std::cout.flush();
    if (outcome.numbers.empty())
        std::cerr << "No Numeric Equivalent\n";
    printStatus(static_cast<std::int64_t>(outcome.numbers.size()), outcome.examined,
                secondsSince(start));
    return outcome.numbers.empty() ? NoneFound : Found;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();

    Options options;
    bool placementGiven = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            std::fputs(Usage, stdout);
            return Found;
        }
        if (arg == QLatin1String("--dictionary") || arg == QLatin1String("--lookup")) {
            if (i + 1 >= args.size())
                return usageError("an option needs a value");
            (arg == QLatin1String("--dictionary") ? options.dictionary : options.lookup.emplace()) =
                args[++i];
        } else if (arg == QLatin1String("--left") || arg == QLatin1String("--right") ||
                   arg == QLatin1String("--any")) {
            if (placementGiven)
                return usageError("give one placement only");
            placementGiven = true;
            options.placement = arg == QLatin1String("--left")    ? Numra::Placement::Left
                                : arg == QLatin1String("--right") ? Numra::Placement::Right
                                                                  : Numra::Placement::AnyPoint;
        } else if (arg == QLatin1String("--")) {
            if (i + 2 != args.size() || options.number)
                return usageError("give exactly one number");
            options.number = args[++i];
        } else if (arg.startsWith(QLatin1String("--"))) {
            return usageError("unknown option");
        } else {
            if (options.number)
                return usageError("give exactly one number");
            options.number = arg;
        }
    }
    if (options.lookup && (options.number || placementGiven))
        return usageError("--lookup takes a word and no number or placement");
    if (!options.lookup && !options.number)
        return usageError("give a number to convert");

    if (options.dictionary.isEmpty())
        options.dictionary = Platform::dataFilePath(QStringLiteral("Numra Dictionary.txt"));
    Numra::DictionaryFile file(options.dictionary.toStdString());
    return options.lookup ? lookup(file, *options.lookup)
                          : convert(file, *options.number, options.placement);
}
