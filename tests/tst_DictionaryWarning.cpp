#include "platform/Dialogs.h"
#include "toolkit/TextCodec.h"
#include "ui/DictionaryWarning.h"

#include <QtTest>

using Numra::DictionaryError;

class tst_DictionaryWarning : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Platform::setWarningHandler({}); }

    void warning_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QStringList>("warnings");
        QTest::newRow("none") << int(DictionaryError::None) << QByteArray("/d.txt")
                              << QStringList{};
        QTest::newRow("could not open")
            << int(DictionaryError::CouldNotOpen) << QByteArray("/d.txt")
            << QStringList{"Can Not Open /d.txt in Handler"};
        QTest::newRow("read error") << int(DictionaryError::ReadError) << QByteArray("/d.txt")
                                    << QStringList{"Error Reading Dictionary /d.txt"};
        QTest::newRow("a placeholder in the path stays")
            << int(DictionaryError::CouldNotOpen) << QByteArray("/%2 %1.txt")
            << QStringList{"Can Not Open /%2 %1.txt in Handler"};
        QTest::newRow("a UTF-8 path")
            << int(DictionaryError::ReadError) << QByteArray("/\xC3\xA9t\xC3\xA9.txt")
            << QStringList{"Error Reading Dictionary /\u00E9t\u00E9.txt"};
        QTest::newRow("none bound") << int(DictionaryError::CouldNotOpen) << QByteArray()
                                    << QStringList{"Can Not Open No Dictionary Open in Handler"};
    }
    void warning()
    {
        QFETCH(int, error);
        QFETCH(QByteArray, path);
        QFETCH(QStringList, warnings);
        QStringList shown;
        Platform::setWarningHandler([&](const QString &text) { shown += text; });
        const Numra::DictionaryFile dictionary(path.toStdString());
        showDictionaryWarning(nullptr, DictionaryError(error), dictionary, "Handler");
        QCOMPARE(shown, warnings);
    }

    // The core's bytes of a path and the text the user reads, both ways.
    void pathBytes()
    {
        const QString name = QStringLiteral("/tmp/\u00E9t\u00E9 \u0434.txt");
        const std::string bytes = TextCodec::toPathBytes(name);
        QCOMPARE(QByteArray::fromStdString(bytes), name.toUtf8());
        QCOMPARE(TextCodec::fromPathBytes(bytes), name);
        QCOMPARE(TextCodec::fromPath(TextCodec::toPath(name)), name);
    }
};

QTEST_APPLESS_MAIN(tst_DictionaryWarning)
#include "tst_DictionaryWarning.moc"
