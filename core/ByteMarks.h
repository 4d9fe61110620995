#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Numra {

// The bytes of a block that the dictionary passes look for, one bit per byte: bit i % 64 of
// word i / 64 stands for byte i.
struct ByteMarks
{
    // Where lines end: each LF and CR, except the LF of a CR LF pair, whose CR ends the line.
    std::vector<std::uint64_t> Breaks;
    // Only when asked for: commas and opening brackets.
    std::vector<std::uint64_t> Commas;
    std::vector<std::uint64_t> Brackets;
    bool HasCr = false;
};

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
void MarkBytes(const char *text, std::size_t size, ByteMarks &marks, bool withCommas);
void MarkBytes(Marker marker, const char *text, std::size_t size, ByteMarks &marks,
               bool withCommas);

// The markers this build and this processor can run, the plain one first; the best of them
// is the one MarkBytes uses until UseMarker chooses another (for tests and the benchmark).
std::vector<Marker> AvailableMarkers();
void UseMarker(Marker marker);
Marker CurrentMarker();
const char *MarkerName(Marker marker);

} // namespace Numra
