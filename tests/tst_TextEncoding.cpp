#include "core/TextEncoding.h"

#include <QtTest>

using namespace Numra;

class tst_TextEncoding : public QObject
{
    Q_OBJECT

private slots:
    void fieldBytes_data();
    void fieldBytes();
    void utf8_data();
    void utf8();
    void windows1252RoundTrip();
    void lineRule_data();
    void lineRule();
};

// The number as numra-find gets it: one byte per character, the mark as byte 149.
void tst_TextEncoding::fieldBytes_data()
{
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("ASCII stays") << QByteArray("1-800 (2)") << QByteArray("1-800 (2)");
    QTest::newRow("the used-digit mark") << QByteArray("\xe2\x80\xa2"
                                                       "255")
                                         << QByteArray("\x95"
                                                       "255");
    QTest::newRow("Latin-1 letter") << QByteArray("\xc3\xa9") << QByteArray("\xe9");
    QTest::newRow("euro sign") << QByteArray("\xe2\x82\xac") << QByteArray("\x80");
    QTest::newRow("Cyrillic: no byte") << QByteArray("\xd0\x96") << QByteArray("\x1a");
    QTest::newRow("outside the BMP: one character") << QByteArray("\xf0\x9f\x98\x80"
                                                                  "2")
                                                    << QByteArray("\x1a"
                                                                  "2");
    QTest::newRow("malformed: one per byte") << QByteArray("\xff\xc3"
                                                           "2")
                                             << QByteArray("\x1a\x1a"
                                                           "2");
    QTest::newRow("C1 control U+0081 has no byte") << QByteArray("\xc2\x81") << QByteArray("\x1a");
}

void tst_TextEncoding::fieldBytes()
{
    QFETCH(QByteArray, utf8);
    QFETCH(QByteArray, field);
    QCOMPARE(QByteArray::fromStdString(FieldBytesFromUtf8(utf8.toStdString())), field);
}

void tst_TextEncoding::utf8_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("ASCII") << QByteArray("call") << true;
    QTest::newRow("two, three and four bytes")
        << QByteArray("\xc3\xa9\xe2\x80\xa2\xf0\x9f\x98\x80") << true;
    QTest::newRow("Windows-1252 letter") << QByteArray("caf\xe9") << false;
    QTest::newRow("cut short") << QByteArray("\xd0") << false;
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << false;
    QTest::newRow("overlong three bytes") << QByteArray("\xe0\x80\xaf") << false;
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << false;
    QTest::newRow("above U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << false;
    QTest::newRow("lone continuation byte") << QByteArray("\x80") << false;
}

void tst_TextEncoding::utf8()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QCOMPARE(IsUtf8(text.toStdString()), valid);
    if (valid) {
        // What decodes encodes back to the same bytes.
        std::string again;
        std::size_t pos = 0;
        char32_t c;
        while (DecodeUtf8(text.toStdString(), pos, c))
            AppendUtf8(again, c);
        QCOMPARE(QByteArray::fromStdString(again), text);
    }
}

void tst_TextEncoding::windows1252RoundTrip()
{
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t c = FromWindows1252(static_cast<unsigned char>(byte));
        const bool undefined =
            byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
        QCOMPARE(ToWindows1252(c), undefined ? UnmappableByte : static_cast<char>(byte));
    }
    QCOMPARE(FromWindows1252(0x95), char32_t(0x2022));
}

// A dictionary line is read as UTF-8 when it is UTF-8; a line cut at the reader's limit may end
// in part of a character.
void tst_TextEncoding::lineRule_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("utf8");
    const QByteArray upToLimit(252, 'x');
    QTest::newRow("UTF-8 line") << QByteArray("2,caf\xc3\xa9,N") << true;
    QTest::newRow("Windows-1252 line") << QByteArray("2,caf\xe9,N") << false;
    QTest::newRow("cut at the limit after a lead byte") << upToLimit + "\xc3\xa9\xe2" << true;
    QTest::newRow("cut at the limit after two bytes of three") << upToLimit + "x\xe2\x82" << true;
    QTest::newRow("a lone lead byte short of the limit") << QByteArray("2,x,N\xe2") << false;
    QTest::newRow("at the limit, bytes no character begins with")
        << upToLimit + "x\xe0\x80" << false;
    QTest::newRow("at the limit, not UTF-8 before the cut") << upToLimit + "\xe9x\xe2" << false;
}

void tst_TextEncoding::lineRule()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, utf8);
    QCOMPARE(IsUtf8Line(line.toStdString()), utf8);
}

QTEST_APPLESS_MAIN(tst_TextEncoding)
#include "tst_TextEncoding.moc"
