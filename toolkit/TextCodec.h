#pragma once

#include <QString>

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

// The used-digit mark as the number field shows it.
inline constexpr QChar UsedDigitMarkChar{0x2022};

} // namespace TextCodec
