#pragma once

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

// The core works on bytes, one byte per character position; these convert at the edge.
namespace TextCodec {

// The number field: one character to one byte, so that positions agree. ASCII stays, the
// used-digit mark U+2022 becomes byte 149, and other characters their Windows-1252 byte where
// they have one (a character without one becomes a byte no dictionary digit can match).
std::string toFieldBytes(const QString &text);
QString fromFieldBytes(std::string_view bytes);

// Dictionary text: UTF-8 where the bytes are valid UTF-8, Windows-1252 otherwise.
QString fromDictionary(std::string_view bytes);
// Text the user typed, for comparison with dictionary bytes.
std::string toDictionary(const QString &text);

// A path as the system spells it, so that a name in no encoding still names its file; only
// what the user reads goes through QString.
std::filesystem::path toPath(const QString &name);
QString fromPath(const std::filesystem::path &path);
// A path as the core holds it (Numra::PathToBytes): UTF-8 on Windows, where the code page of
// QFile::encodeName cannot hold every name, the system's bytes elsewhere.
std::string toPathBytes(const QString &name);
QString fromPathBytes(std::string_view bytes);

// Numra::ProgramDirectory and Numra::DataFilePath, for the windows.
QString programDirectory();
QString dataFilePath(const QString &fileName);

// The used-digit mark as the number field shows it.
inline constexpr QChar UsedDigitMarkChar{0x2022};

} // namespace TextCodec
