#include "core/FilePaths.h"

#include <QtTest>

#include <sys/stat.h>

#include <fstream>

using namespace Numra;

namespace fs = std::filesystem;

class tst_FilePaths : public QObject
{
    Q_OBJECT

private slots:
    void openRegularFile_data();
    void openRegularFile();
    void dataFilePath_data();
    void dataFilePath();
    void programDirectory();
};

// Only a regular file is opened: the others would block (a FIFO), never end (/dev/zero) or
// fail at the first read (a directory).
void tst_FilePaths::openRegularFile_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("opens");
    QTest::newRow("regular file") << QByteArray("file.txt") << true;
    QTest::newRow("link to a regular file") << QByteArray("link-to-file") << true;
    QTest::newRow("UTF-8 name") << QByteArray("W\xc3\xb6rterbuch \xd1\x81\xd0\xbb.txt") << true;
    QTest::newRow("name that is not UTF-8") << QByteArray("bad\xffname.txt") << true;
    QTest::newRow("missing") << QByteArray("absent.txt") << false;
    QTest::newRow("directory") << QByteArray("dir") << false;
    QTest::newRow("FIFO with no writer") << QByteArray("fifo") << false;
    QTest::newRow("link to a FIFO") << QByteArray("link-to-fifo") << false;
    QTest::newRow("/dev/zero") << QByteArray("/dev/zero") << false;
    QTest::newRow("link to /dev/zero") << QByteArray("link-to-zero") << false;
    QTest::newRow("/dev/null") << QByteArray("/dev/null") << false;
    QTest::newRow("link loop") << QByteArray("loop") << false;
    QTest::newRow("empty path") << QByteArray() << false;
}

void tst_FilePaths::openRegularFile()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, opens);
    QTemporaryDir dir;
    const fs::path base(QFile::encodeName(dir.path()).toStdString());
    for (const char *file :
         {"file.txt", "W\xc3\xb6rterbuch \xd1\x81\xd0\xbb.txt", "bad\xffname.txt"})
        std::ofstream(base / file) << "2255,CALL,N\n";
    fs::create_directory(base / "dir");
    QCOMPARE(::mkfifo((base / "fifo").c_str(), 0600), 0);
    fs::create_symlink(base / "file.txt", base / "link-to-file");
    fs::create_symlink(base / "fifo", base / "link-to-fifo");
    fs::create_symlink("/dev/zero", base / "link-to-zero");
    fs::create_symlink(base / "loop", base / "loop");

    const fs::path path = name.isEmpty() ? fs::path() : base / PathFromBytes(name.toStdString());
    std::error_code error;
    std::FILE *file = OpenRegularFile(path, error);
    QCOMPARE(file != nullptr, opens);
    QCOMPARE(!error, opens);
    if (file) {
        char line[12] = {};
        QCOMPARE(std::fread(line, 1, 11, file), std::size_t(11));
        QCOMPARE(QByteArray(line), QByteArray("2255,CALL,N"));
        std::fclose(file);
    }
    // QTemporaryDir cannot remove a file whose name is not UTF-8.
    fs::remove(base / "bad\xffname.txt");
}

void tst_FilePaths::dataFilePath_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("found");
    QTest::newRow("beside the executable") << QStringList{"bin/d.txt"} << "bin/d.txt";
    QTest::newRow("installed") << QStringList{"share/numra/d.txt"} << "share/numra/d.txt";
    QTest::newRow("beside comes first")
        << QStringList{"bin/d.txt", "share/numra/d.txt"} << "bin/d.txt";
    QTest::newRow("nowhere: beside") << QStringList{} << "bin/d.txt";
    QTest::newRow("not in share/d.txt") << QStringList{"share/d.txt"} << "bin/d.txt";
}

void tst_FilePaths::dataFilePath()
{
    QFETCH(QStringList, present);
    QFETCH(QString, found);
    QTemporaryDir dir;
    const fs::path base(QFile::encodeName(dir.path()).toStdString());
    fs::create_directories(base / "bin");
    for (const QString &file : present) {
        fs::create_directories((base / file.toStdString()).parent_path());
        std::ofstream(base / file.toStdString()) << "x";
    }
    QCOMPARE(QString::fromStdString(DataFilePath(base / "bin", "d.txt").string()),
             QString::fromStdString((base / found.toStdString()).string()));
}

void tst_FilePaths::programDirectory()
{
    const fs::path directory = ProgramDirectory();
    QVERIFY(directory.is_absolute());
    QVERIFY(fs::is_regular_file(directory / "tst_FilePaths"));
}

QTEST_APPLESS_MAIN(tst_FilePaths)
#include "tst_FilePaths.moc"
