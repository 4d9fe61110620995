// Speed of the conversion pass against a bare line count, and of a whole Convert and a candidate
// click in the main window, on a dictionary of a million lines. Not part of the test run:
//   cmake --build build --target bench_numra && build/bin/bench_numra [DICTIONARY]

#include "Conversion.h"
#include "Dialogs.h"
#include "Grid.h"
#include "LookupPass.h"
#include "Main.h"
#include "Settings.h"
#include "Windows.h"
#include "ui_Main.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

constexpr int Runs = 7;

// The fastest of several runs, in milliseconds: the least disturbed by a busy machine.
double bestOf(const std::function<void()> &work)
{
    double best = 1e300;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
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

QString makeDictionary(const QString &path)
{
    if (QFileInfo::exists(path))
        return path;
    const QString words = QStringLiteral("/usr/share/dict/american-english-huge");
    if (!QFileInfo::exists(words))
        qFatal("The benchmark dictionary is made from %s: apt-get install wamerican-huge",
               qPrintable(words));
    std::printf("making %s ...\n", qPrintable(path));
    const int status =
        QProcess::execute(QStringLiteral("/usr/bin/python3"),
                          {QStringLiteral(NUMRA_SOURCE_DIR "/tools/make-dictionary"),
                           QStringLiteral("--words"), words, QStringLiteral("--min-lines"),
                           QStringLiteral("1000000"), QStringLiteral("--output"), path});
    if (status != 0)
        qFatal("tools/make-dictionary failed");
    return path;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString dictionary =
        argc > 1 ? QString::fromLocal8Bit(argv[1])
                 : makeDictionary(QCoreApplication::applicationDirPath() + "/bench-dictionary.txt");
    const std::string path = dictionary.toStdString();
    const std::string number = "3569377267";

    const long long lines = countLines(path);
    const double bare = bestOf([&] { countLines(path); });
    std::printf("dictionary: %s, %lld lines\n", path.c_str(), lines);
    std::printf("bare memchr line count: %8.2f ms\n", bare);

    Numra::DictionaryFile file(path);
    const std::pair<const char *, Numra::Placement> placements[] = {
        {"left", Numra::Placement::Left},
        {"right", Numra::Placement::Right},
        {"any point", Numra::Placement::AnyPoint}};
    double anyPass = 0;
    for (const auto &[name, placement] : placements) {
        std::int64_t accepted = 0;
        const double ms = bestOf([&] {
            accepted = Numra::RunConversion(file, number, placement, [](const Numra::Record &) {
                       }).accepted;
        });
        std::printf("pass, %-9s %8.2f ms  ratio %.2f  (%lld matches)\n", name, ms, ms / bare,
                    static_cast<long long>(accepted));
        anyPass = ms;
    }
    const double lookup = bestOf([&] { Numra::RunLookup(file, "flowers"); });
    std::printf("lookup pass:            %8.2f ms  ratio %.2f\n", lookup, lookup / bare);

    QTemporaryDir settings;
    Platform::SettingsStore::setFileForTesting(settings.filePath(QStringLiteral("Numra.conf")));
    {
        QSettings s(settings.filePath(QStringLiteral("Numra.conf")), QSettings::IniFormat);
        s.setValue("Dictionary", dictionary);
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
    main.ui()->Edit->setText(QString::fromStdString(number));
    const auto convertAndPaint = [&] {
        main.ConvertBtnClick();
        main.repaint();
        QCoreApplication::processEvents();
    };
    const double convert = bestOf(convertAndPaint);
    std::printf("Convert in the window:  %8.2f ms  (%.2f ms outside the pass, %d rows)\n", convert,
                convert - anyPass, main.ui()->PossibleGrid->rowCount() - 1);

    Grid *grid = main.ui()->PossibleGrid;
    const QPoint at = grid->visualRect(grid->model()->index(0, 0)).center();
    double click = 1e300;
    for (int i = 0; i < Runs; ++i) {
        main.ui()->Edit->setText(QString::fromStdString(number));
        main.ConvertBtnClick();
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        main.PossibleGridMouseDown();
        main.PossibleGridMouseUp(at);
        main.repaint();
        QCoreApplication::processEvents();
        click = std::min(click, timer.nsecsElapsed() / 1e6);
    }
    std::printf("candidate click:        %8.2f ms  (%.2f ms outside its pass)\n", click,
                click - anyPass);
    Platform::SettingsStore::setFileForTesting(QString());
    return 0;
}
