// Speed and memory of the dictionary passes against a bare line count (`wc -l`), on a dictionary
// of a million lines and, with --big, of five million: the passes in the process, whole
// numra-find runs, and a Convert and a candidate click in the main window. Not part of the tests:
//   cmake --build build --target bench_numra && build/bin/bench_numra [--big]
// Every figure is the median of Runs; processes are timed alternately with `wc -l`, so that a
// busy machine slows both alike. Linux only (fork, wait4).

#include "app/Main.h"
#include "app/NumraWindows.h"
#include "bench/BenchSupport.h"
#include "core/ByteMarks.h"
#include "core/Conversion.h"
#include "core/LookupPass.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "toolkit/Grid.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Runs = 9;
const char *const Number = "2255669";
const char *const Word = "flowers";

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

using Bench::median;
using Bench::ProcessFigures;
using Bench::runProcess;

// Each program once per round, in turn; medians of the rounds.
std::vector<ProcessFigures> timeAlternately(const std::vector<std::vector<std::string>> &programs)
{
    std::vector<std::vector<double>> times(programs.size());
    std::vector<ProcessFigures> figures(programs.size());
    for (int round = 0; round < Runs; ++round) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const ProcessFigures run = runProcess(programs[p]);
            times[p].push_back(run.Ms);
            figures[p].PeakKiB = std::max(figures[p].PeakKiB, run.PeakKiB);
        }
    }
    for (std::size_t p = 0; p < programs.size(); ++p)
        figures[p].Ms = median(times[p]);
    return figures;
}

long long countLines(const std::string &path)
{
    std::FILE *file = std::fopen(path.c_str(), "rb");
    std::setvbuf(file, nullptr, _IONBF, 0);
    std::vector<char> buffer(256 * 1024);
    long long lines = 0;
    std::size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) {
        const char *p = buffer.data();
        const char *end = p + got;
        while ((p = static_cast<const char *>(std::memchr(p, '\n', end - p)))) {
            ++lines;
            ++p;
        }
    }
    std::fclose(file);
    return lines;
}

void row(const char *name, double ms, double wc, const char *note = "")
{
    std::printf("| %-44s | %9.2f | %5.2f | %s\n", name, ms, ms / wc, note);
}

double anyPass(Numra::DictionaryFile &file)
{
    return Bench::medianOf(Runs, [&] {
        Numra::RunConversion(file, Number, Numra::Placement::AnyPoint,
                             [](const Numra::Record &) {});
    });
}

double lookupPass(Numra::DictionaryFile &file)
{
    return Bench::medianOf(Runs, [&] { Numra::RunLookup(file, Word); });
}

// Returns the median of `wc -l` for the window's figures.
double benchFile(const std::string &path, const std::string &oneLine)
{
    const std::string find = QCoreApplication::applicationDirPath().toStdString() + "/numra-find";
    const std::string wc = "/usr/bin/wc";
    std::printf("\n%s: %lld lines, %.1f MB\n\n", path.c_str(), countLines(path),
                QFileInfo(QString::fromStdString(path)).size() / 1e6);
    const auto processes = timeAlternately({{wc, "-l", path},
                                            {find, "--dictionary", path, "--any", Number},
                                            {find, "--dictionary", path, "--lookup", Word},
                                            {find, "--dictionary", oneLine, "--any", Number},
                                            {"/bin/true"}});
    const double wcMs = processes[0].Ms;

    std::printf("| %-44s | %9s | %5s |\n", "what (median of 9)", "ms", "x wc");
    std::printf("|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(11, '-').c_str(),
                std::string(7, '-').c_str());
    row("wc -l (process)", wcMs, wcMs);
    row("memchr line count (in process)", Bench::medianOf(Runs, [&] { countLines(path); }), wcMs);

    Numra::DictionaryFile file(path);
    const std::pair<const char *, Numra::Placement> placements[] = {
        {"pass in turn, left", Numra::Placement::Left},
        {"pass in turn, right", Numra::Placement::Right},
        {"pass in turn, any point", Numra::Placement::AnyPoint}};
    double anyInTurn = 0; // any point comes last
    for (const auto &[name, placement] : placements) {
        std::int64_t accepted = 0;
        anyInTurn = Bench::medianOf(Runs, [&] {
            accepted = Numra::RunConversion(file, Number, placement, [](const Numra::Record &) {
                       }).accepted;
        });
        const std::string note = std::to_string(accepted) + " matches";
        row(name, anyInTurn, wcMs, note.c_str());
    }
    const double lookupInTurn = lookupPass(file);
    row("lookup pass in turn", lookupInTurn, wcMs);
    char note[80];
    std::snprintf(note, sizeof note, "peak RSS %.1f MiB", processes[1].PeakKiB / 1024.0);
    row("numra-find --any (process)", processes[1].Ms, wcMs, note);
    std::snprintf(note, sizeof note, "peak RSS %.1f MiB", processes[2].PeakKiB / 1024.0);
    row("numra-find --lookup (process)", processes[2].Ms, wcMs, note);
    row("numra-find --any, one-line file (process)", processes[3].Ms, wcMs);
    row("/bin/true (process: the floor of a start)", processes[4].Ms, wcMs);

    // What each means gives: the markers, and reading ahead on a thread or in turn.
    std::printf("\n| %-44s | %9s | %5s | %9s | %5s |\n", "marker, reading", "any pass", "x wc",
                "lookup", "x wc");
    for (Numra::Marker marker : Numra::AvailableMarkers()) {
        for (bool readAhead : {false, true}) {
            Numra::DictionaryFile read(path, {marker, readAhead});
            // The window's way of reading was measured above.
            const bool measured = marker == Numra::BestMarker() && !readAhead;
            const double any = measured ? anyInTurn : anyPass(read);
            const double lookup = measured ? lookupInTurn : lookupPass(read);
            const std::string name = std::string(Numra::MarkerName(marker)) +
                                     (readAhead ? ", two threads" : ", in turn");
            std::printf("| %-44s | %9.2f | %5.2f | %9.2f | %5.2f |\n", name.c_str(), any,
                        any / wcMs, lookup, lookup / wcMs);
        }
    }
    return wcMs;
}

// The window is driven through its controls, as a user drives it.
struct Controls
{
    explicit Controls(TMainForm &main)
        : edit(main.findChild<QLineEdit *>(QStringLiteral("Edit"))),
          convert(main.findChild<QPushButton *>(QStringLiteral("ConvertBtn"))),
          candidates(main.findChild<Grid *>(QStringLiteral("PossibleGrid")))
    {}
    // Typed, so that the Convert button is enabled.
    void type(const char *number)
    {
        edit->clear();
        edit->insert(QString::fromLatin1(number));
    }
    QLineEdit *edit;
    QPushButton *convert;
    Grid *candidates;
};

void convertIn(TMainForm &main, const std::string &path)
{
    Controls controls(main);
    main.DictionaryFile().Bind(path);
    controls.type(Number);
    controls.convert->click();
    main.repaint();
    QCoreApplication::processEvents();
}

void benchWindow(const std::string &dictionary, double wcMs, const std::string &big)
{
    QTemporaryDir settings;
    Platform::SettingsStore::setFileForTesting(settings.filePath(QStringLiteral("Numra.conf")));
    const std::string shipped =
        QCoreApplication::applicationDirPath().toStdString() + "/Numra Dictionary.txt";
    {
        QSettings s(settings.filePath(QStringLiteral("Numra.conf")), QSettings::IniFormat);
        s.setValue("Dictionary", QString::fromStdString(shipped));
        for (const char *name : {"Form Top", "Form Left"})
            s.setValue(name, 50);
        s.setValue("Form Width", 483);
        s.setValue("Form Height", 496);
        s.setValue("Selected Panel Height", 106);
        s.setValue("Word Width", 151);
        s.setValue("Number Width", 168);
    }
    Platform::setModalHandler([](QDialog *) { return 0; });
    NumraWindows windows;
    TMainForm &main = *windows.MainForm;
    main.show();
    QCoreApplication::processEvents();
    convertIn(main, shipped);
    const long shippedPeak = Bench::peakKiB();

    Numra::DictionaryFile file(dictionary);
    const double pass = anyPass(file);
    main.DictionaryFile().Bind(dictionary);
    Controls controls(main);
    controls.type(Number);
    std::vector<double> handler, whole;
    for (int i = 0; i < Runs; ++i) {
        const auto start = Clock::now();
        controls.convert->click();
        handler.push_back(msSince(start));
        main.repaint();
        QCoreApplication::processEvents();
        whole.push_back(msSince(start));
    }
    const int rows = controls.candidates->rowCount();
    std::printf("\nMain window (offscreen), %s:\n\n", dictionary.c_str());
    std::printf("| %-44s | %9s | %5s | %s\n", "what (median of 9)", "ms", "x wc", "");
    row("the any-point pass alone", pass, wcMs);
    row("ConvertBtnClick (the handler)", median(handler), wcMs);
    const std::string rowNote = std::to_string(rows) + " candidate rows";
    row("Convert, handler and paint", median(whole), wcMs, rowNote.c_str());

    Grid *grid = controls.candidates;
    const QPoint at = grid->visualRect(grid->model()->index(0, 0)).center();
    std::vector<double> clickHandler, click;
    for (int i = 0; i < Runs; ++i) {
        controls.type(Number);
        controls.convert->click();
        QCoreApplication::processEvents();
        const auto start = Clock::now();
        // What a click on the first candidate says: the release, then the row it chose.
        emit grid->mouseDown(Qt::LeftButton, at);
        emit grid->mouseUp(Qt::LeftButton, at);
        emit grid->rowChosen(0);
        clickHandler.push_back(msSince(start));
        main.repaint();
        QCoreApplication::processEvents();
        click.push_back(msSince(start));
    }
    row("candidate click (the handlers)", median(clickHandler), wcMs);
    row("candidate click, handlers and paint", median(click), wcMs);

    std::printf("\npeak RSS after a Convert on the shipped dictionary: %.1f MiB\n",
                shippedPeak / 1024.0);
    if (!big.empty()) {
        convertIn(main, big);
        std::printf("peak RSS after a Convert on %s: %.1f MiB (%+.1f MiB)\n", big.c_str(),
                    Bench::peakKiB() / 1024.0, (Bench::peakKiB() - shippedPeak) / 1024.0);
    }
    Platform::SettingsStore::setFileForTesting(QString());
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    const bool big = args.removeAll(QStringLiteral("--big")) > 0;
    const QString dir = QCoreApplication::applicationDirPath();
    const std::string dictionary =
        args.isEmpty()
            ? Bench::makeDictionary((dir + "/bench-dictionary.txt").toStdString(), 1000000)
            : args.first().toStdString();
    const std::string bigDictionary =
        big ? Bench::makeDictionary((dir + "/bench-dictionary-5m.txt").toStdString(), 5000000)
            : std::string();
    const std::string oneLine = (dir + "/bench-one-line.txt").toStdString();
    if (std::FILE *file = std::fopen(oneLine.c_str(), "wb")) {
        std::fputs("2255,CALL,N\n", file);
        std::fclose(file);
    }
    std::printf("markers: ");
    for (Numra::Marker marker : Numra::AvailableMarkers())
        std::printf("%s ", Numra::MarkerName(marker));
    std::printf("(the last is used); number %s, word %s\n", Number, Word);

    const double wcMs = benchFile(dictionary, oneLine);
    if (big)
        benchFile(bigDictionary, oneLine);
    benchWindow(dictionary, wcMs, bigDictionary);
    return 0;
}
