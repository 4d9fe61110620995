#include "toolkit/TextCodec.h"

#include "core/FilePaths.h"
#include "core/TextEncoding.h"

#include <QFile>
#include <QStringDecoder>

#include <type_traits>

namespace TextCodec {

namespace {

QChar fromWindows1252(unsigned char byte)
{
    return QChar(static_cast<char16_t>(Numra::FromWindows1252(byte)));
}

// Per UTF-16 unit, as the field counts positions: a surrogate has no byte of its own.
char toWindows1252(QChar c)
{
    return Numra::ToWindows1252(c.unicode());
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

std::filesystem::path toPath(const QString &name)
{
    if constexpr (std::is_same_v<std::filesystem::path::value_type, wchar_t>)
        return std::filesystem::path(name.toStdWString());
    else
        return std::filesystem::path(QFile::encodeName(name).toStdString());
}

QString fromPath(const std::filesystem::path &path)
{
    if constexpr (std::is_same_v<std::filesystem::path::value_type, wchar_t>)
        return QString::fromStdWString(path.wstring());
    else
        return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

std::string toPathBytes(const QString &name)
{
    return Numra::PathToBytes(toPath(name));
}

QString fromPathBytes(std::string_view bytes)
{
    return fromPath(Numra::PathFromBytes(bytes));
}

QString programDirectory()
{
    return fromPath(Numra::ProgramDirectory());
}

QString dataFilePath(const QString &fileName)
{
    return fromPath(Numra::DataFilePath(Numra::ProgramDirectory(), toPathBytes(fileName)));
}

} // namespace TextCodec
