#include "toolkit/DictionaryMaker.h"

#include "toolkit/TextCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QProgressDialog>
#include <QStandardPaths>

namespace DictionaryMaker {

namespace {

QString &makerForTesting()
{
    static QString script;
    return script;
}

QString maker()
{
    return makerForTesting().isEmpty() ? TextCodec::dataFilePath(QStringLiteral("make-dictionary"))
                                       : makerForTesting();
}

QString python()
{
    return QStandardPaths::findExecutable(QStringLiteral("python3"));
}

} // namespace

bool canMake(const QString &language)
{
    return !language.isEmpty() && QFile::exists(maker()) && !python().isEmpty();
}

Outcome make(QWidget *parent, const QString &language)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString path =
        QDir(folder).filePath(QStringLiteral("Numra Dictionary %1.txt").arg(language));
    if (!QDir().mkpath(folder))
        return {{},
                QCoreApplication::translate("DictionaryMaker", "Could not create %1").arg(folder)};

    QProgressDialog progress(
        QCoreApplication::translate("DictionaryMaker", "Making the dictionary %1 ...").arg(path),
        QCoreApplication::translate("DictionaryMaker", "Cancel"), 0, 0, parent);
    // Made during start-up, before the main window shows: modal for the whole program.
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    QProcess process;
    // Only standard error is read, and only its end: nothing else may fill the memory.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    QByteArray error;
    QObject::connect(&process, &QProcess::readyReadStandardError, &process,
                     [&] { error = (error + process.readAllStandardError()).right(4096); });
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    // Written under another name first, so that a failure leaves no half dictionary behind.
    const QString part = path + QStringLiteral(".part");
    process.start(python(), {maker(), QStringLiteral("--language"), language,
                             QStringLiteral("--output"), part});
    progress.show();
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    const bool cancelled = progress.wasCanceled();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(3000);
    }
    error += process.readAllStandardError();
    const bool made = !cancelled && process.exitStatus() == QProcess::NormalExit &&
                      process.exitCode() == 0 && (!QFile::exists(path) || QFile::remove(path)) &&
                      QFile::rename(part, path);
    if (made)
        return {path, {}};
    QFile::remove(part);
    if (cancelled)
        return {{}, QCoreApplication::translate("DictionaryMaker", "cancelled")};
    QString said = QString::fromLocal8Bit(error).trimmed();
    if (said.isEmpty())
        said = process.errorString();
    // The maker's last line says what went wrong; its usage lines do not.
    return {{}, said.section(QLatin1Char('\n'), -1).left(300)};
}

void setMakerForTesting(const QString &script)
{
    makerForTesting() = script;
}

} // namespace DictionaryMaker
