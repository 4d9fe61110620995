#pragma once

#include "core/NumraGlobal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

namespace Numra {

// The bytes of a block that the dictionary passes look for, one bit per byte: bit i % 64 of
// word i / 64 stands for byte i.
struct ByteMarks
{
    // Where lines end: each LF and CR, except the LF of a CR LF pair, whose CR ends the line.
    std::vector<std::uint64_t> Breaks;
    // Only for MarkWordStarts: commas and opening brackets, and the bytes that may begin a word
    // whose letters start with its letter: the letter in either case, and every byte that is no
    // letter A to Z at all.
    std::vector<std::uint64_t> Commas;
    std::vector<std::uint64_t> Brackets;
    std::vector<std::uint64_t> WordStarts;
    // Only for MarkSetBytes: the bytes of its first set and of its second (all of them where a
    // marker cannot tell).
    std::vector<std::uint64_t> InSet;
    std::vector<std::uint64_t> InSecondSet;
    bool HasCr = false;
};

// What a pass asks to have marked beyond the line breaks, the same for the whole pass: nothing,
// the marks that find the lines of a word, or the bytes of two sets.
struct MarkBreaksOnly
{
};

struct MarkWordStarts
{
    char Letter = 0; // a to z
};

struct MarkSetBytes
{
    const CharSet *First = nullptr;  // never null
    const CharSet *Second = nullptr; // First again when not given
};

using MarkRequest = std::variant<MarkBreaksOnly, MarkWordStarts, MarkSetBytes>;

// Without a POPCNT instruction in the build's baseline, std::popcount is a library call; this
// stays inline.
inline std::size_t CountBits(std::uint64_t x)
{
#ifdef __POPCNT__
    return static_cast<std::size_t>(std::popcount(x));
#else
    x -= (x >> 1) & 0x5555555555555555;
    x = (x & 0x3333333333333333) + ((x >> 2) & 0x3333333333333333);
    x = (x + (x >> 4)) & 0x0f0f0f0f0f0f0f0f;
    return static_cast<std::size_t>((x * 0x0101010101010101) >> 56);
#endif
}

// The number of marked bytes in [from, to).
inline std::size_t CountMarks(const std::vector<std::uint64_t> &marks, std::size_t from,
                              std::size_t to)
{
    std::size_t count = 0;
    for (std::size_t word = from / 64; word * 64 < to; ++word) {
        std::uint64_t bits = marks[word];
        if (word == from / 64)
            bits &= ~std::uint64_t{0} << (from % 64);
        if ((word + 1) * 64 > to)
            bits &= ~(~std::uint64_t{0} << (to % 64));
        count += CountBits(bits);
    }
    return count;
}

// The last marked byte in [from, to), or to when there is none.
inline std::size_t LastMark(const std::vector<std::uint64_t> &marks, std::size_t from,
                            std::size_t to)
{
    if (from >= to)
        return to;
    std::size_t word = (to - 1) / 64;
    std::uint64_t bits = marks[word] & (~std::uint64_t{0} >> (63 - (to - 1) % 64));
    while (bits == 0) {
        if (word-- == from / 64)
            return to;
        bits = marks[word];
    }
    const std::size_t at = word * 64 + 63 - static_cast<std::size_t>(std::countl_zero(bits));
    return at >= from ? at : to;
}

// The first marked byte in [from, to), or to when there is none.
inline std::size_t NextMark(const std::vector<std::uint64_t> &marks, std::size_t from,
                            std::size_t to)
{
    if (from >= to)
        return to;
    std::size_t word = from / 64;
    std::uint64_t bits = marks[word] & (~std::uint64_t{0} << (from % 64));
    while (bits == 0) {
        if (++word * 64 >= to)
            return to;
        bits = marks[word];
    }
    return std::min(word * 64 + static_cast<std::size_t>(std::countr_zero(bits)), to);
}

// The ways of marking a block: the plain one everywhere, vector units where the processor has
// them. They give the same marks for the same bytes.
enum class Marker { Plain, Sse2, Avx2 };

// Marks size bytes of text. A CR as the block's last byte is not known to pair with an LF in the
// next block: the reader of the blocks deals with that. Words past the text are left untouched.
void MarkBytes(Marker marker, const char *text, std::size_t size, ByteMarks &marks,
               const MarkRequest &request);

// The markers this build and this processor can run, the plain one first and the best last.
std::vector<Marker> AvailableMarkers();
Marker BestMarker();
const char *MarkerName(Marker marker);

} // namespace Numra
