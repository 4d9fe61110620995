#include "toolkit/Translations.h"

#include <QTest>

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguageCompiledIn();
    void choose_data();
    void choose();
};

void tst_Translations::everyLanguageCompiledIn()
{
    QCOMPARE(Translations::available(),
             (QStringList{"de", "el", "es", "fr", "it", "pl", "ru", "uk"}));
}

void tst_Translations::choose_data()
{
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QStringList>("userLanguages");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("German system") << QString() << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("C locale") << QString() << QStringList{"C"} << "";
    QTest::newRow("English before German") << QString() << QStringList{"en-GB", "de-DE"} << "";
    QTest::newRow("first language untranslated, second translated")
        << QString() << QStringList{"pt-BR", "uk-UA", "ru-RU"} << "uk";
    QTest::newRow("no language of the user translated")
        << QString() << QStringList{"ja-JP", "zh-CN"} << "";
    QTest::newRow("request overrides the system") << "fr" << QStringList{"de-DE"} << "fr";
    QTest::newRow("request with a region") << "el_GR" << QStringList{"C"} << "el";
    QTest::newRow("request in capitals") << "PL" << QStringList{"C"} << "pl";
    QTest::newRow("request for English under a German system")
        << "en" << QStringList{"de-DE"} << "";
    QTest::newRow("request for an untranslated language") << "ja" << QStringList{"de-DE"} << "";
}

void tst_Translations::choose()
{
    QFETCH(QString, requested);
    QFETCH(QStringList, userLanguages);
    QFETCH(QString, chosen);
    QCOMPARE(Translations::choose(requested, userLanguages, Translations::available()), chosen);
}

QTEST_APPLESS_MAIN(tst_Translations)
#include "tst_Translations.moc"
