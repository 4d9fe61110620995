#include "TextCodec.h"

#include "NumraGlobal.h"

#include <QStringDecoder>

#include <array>

namespace TextCodec {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; 0 where the code page leaves the byte undefined.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Stands for a character the code page cannot hold; never a digit, never the mark.
constexpr char Unmappable = '\x1A';

QChar fromWindows1252(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0) {
        const char16_t c = HighControls[byte - 0x80];
        return c ? QChar(c) : QChar(byte);
    }
    return QChar(byte);
}

char toWindows1252(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == u)
            return static_cast<char>(0x80 + i);
    }
    return Unmappable;
}

} // namespace

std::string toFieldBytes(const QString &text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text)
        bytes.push_back(toWindows1252(c));
    return bytes;
}

QString fromFieldBytes(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char b : bytes)
        text.append(fromWindows1252(static_cast<unsigned char>(b)));
    return text;
}

QString fromDictionary(std::string_view bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError())
        return text;
    return fromFieldBytes(bytes);
}

std::string toDictionary(const QString &text)
{
    return text.toStdString();
}

} // namespace TextCodec
