// Writes the whole set of settings again and again, every value of a round holding the round's
// number, until it is killed. tst_SettingsAtomic kills it at random moments and reads what is
// left in the file.

#include "platform/Settings.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

using Platform::SettingsStore;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    bool ok = arguments.size() == 3;
    std::int32_t round = ok ? arguments.at(2).toInt(&ok) : 0;
    if (!ok) {
        std::fputs("usage: settings-writer FILE FIRST-ROUND\n", stderr);
        return 2;
    }
    SettingsStore::setFileForTesting(arguments.at(1));
    const QStringList &integers = SettingsStore::IntegerNames;

    // The test waits for this line, so that its kills fall into the loop, not into start-up.
    std::fputs("writing\n", stdout);
    std::fflush(stdout);
    try {
        for (;; ++round) {
            SettingsStore store(SettingsStore::Mode::Create);
            store.writeString(SettingsStore::Dictionary.name,
                              QStringLiteral("round %1").arg(round));
            for (const QString &name : integers)
                store.writeInteger(name, round);
            store.flush();
        }
    } catch (const Platform::SettingsWriteError &error) {
        std::fprintf(stderr, "round %d: %s\n", round, error.what());
        return 1;
    }
}
