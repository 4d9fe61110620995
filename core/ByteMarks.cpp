#include "ByteMarks.h"

#include <atomic>
#include <cstring>

// SSE2 is part of every x86-64 processor; AVX2 is compiled beside it for the processors that
// have it and chosen when the program starts. Other processors use the plain marker.
#if defined(__x86_64__) || defined(_M_X64)
#define NUMRA_HAVE_SSE2 1
#include <emmintrin.h>
#if defined(__GNUC__) || defined(__clang__)
#define NUMRA_HAVE_AVX2 1
#include <immintrin.h>
#endif
#endif

namespace Numra {

namespace {

constexpr std::size_t Chunk = 64;

// What one chunk of 64 bytes holds, before the LF of each CR LF pair is taken out.
struct ChunkMarks
{
    std::uint64_t Lf = 0;
    std::uint64_t Cr = 0;
    std::uint64_t Comma = 0;
    std::uint64_t Bracket = 0;
};

template <bool WithCommas> class MarkWriter
{
public:
    MarkWriter(ByteMarks &marks, std::size_t size) : m_marks(marks)
    {
        const std::size_t words = (size + Chunk - 1) / Chunk;
        if (marks.Breaks.size() < words)
            marks.Breaks.resize(words);
        if (WithCommas && marks.Commas.size() < words) {
            marks.Commas.resize(words);
            marks.Brackets.resize(words);
        }
    }
    ~MarkWriter() { m_marks.HasCr = m_anyCr != 0; }

    void Put(std::size_t word, const ChunkMarks &chunk)
    {
        const std::uint64_t pairedLf = ((chunk.Cr << 1) | m_crCarry) & chunk.Lf;
        m_crCarry = chunk.Cr >> 63;
        m_anyCr |= chunk.Cr;
        m_marks.Breaks[word] = (chunk.Lf | chunk.Cr) & ~pairedLf;
        if (WithCommas) {
            m_marks.Commas[word] = chunk.Comma;
            m_marks.Brackets[word] = chunk.Bracket;
        }
    }

private:
    ByteMarks &m_marks;
    std::uint64_t m_crCarry = 0;
    std::uint64_t m_anyCr = 0;
};

// Each marker runs its chunk function on whole chunks; the short end of a block is copied into
// a zeroed chunk first, and a zero byte marks nothing.
struct LastChunk
{
    alignas(Chunk) char Bytes[Chunk] = {};

    LastChunk(const char *text, std::size_t size) { std::memcpy(Bytes, text, size); }
};

std::uint64_t byteSwap(std::uint64_t x)
{
    std::uint64_t swapped = 0;
    for (int k = 0; k < 8; ++k, x >>= 8)
        swapped = swapped << 8 | (x & 0xff);
    return swapped;
}

// Eight bytes at a time in a plain integer: 0x80 in each byte of x that equals c, then the
// eight top bits gathered into one byte (byte i to bit i).
inline std::uint64_t plainMatches(std::uint64_t x, char c)
{
    constexpr std::uint64_t Ones = 0x0101010101010101;
    constexpr std::uint64_t Low7 = 0x7f7f7f7f7f7f7f7f;
    const std::uint64_t t = x ^ (Ones * static_cast<unsigned char>(c));
    const std::uint64_t zero = ~(((t & Low7) + Low7) | t | Low7);
    return ((zero >> 7) * 0x0102040810204080) >> 56;
}

template <bool WithCommas> ChunkMarks plainChunk(const char *p)
{
    ChunkMarks m;
    for (std::size_t i = 0; i < Chunk; i += 8) {
        std::uint64_t x;
        std::memcpy(&x, p + i, 8);
        if constexpr (std::endian::native == std::endian::big)
            x = byteSwap(x);
        m.Lf |= plainMatches(x, '\n') << i;
        m.Cr |= plainMatches(x, '\r') << i;
        if (WithCommas) {
            m.Comma |= plainMatches(x, ',') << i;
            m.Bracket |= plainMatches(x, '(') << i;
        }
    }
    return m;
}

template <bool WithCommas> void markPlain(const char *text, std::size_t size, ByteMarks &marks)
{
    MarkWriter<WithCommas> writer(marks, size);
    std::size_t word = 0;
    for (; (word + 1) * Chunk <= size; ++word)
        writer.Put(word, plainChunk<WithCommas>(text + word * Chunk));
    if (word * Chunk < size)
        writer.Put(word,
                   plainChunk<WithCommas>(LastChunk(text + word * Chunk, size % Chunk).Bytes));
}

#ifdef NUMRA_HAVE_SSE2
inline std::uint64_t sse2Matches(const __m128i v[4], char c)
{
    const __m128i needle = _mm_set1_epi8(c);
    std::uint64_t bits = 0;
    for (int i = 0; i < 4; ++i) {
        const auto found = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v[i], needle)));
        bits |= std::uint64_t{found} << (16 * i);
    }
    return bits;
}

template <bool WithCommas> inline ChunkMarks sse2Chunk(const char *p)
{
    const auto *from = reinterpret_cast<const __m128i *>(p);
    const __m128i v[4] = {_mm_loadu_si128(from), _mm_loadu_si128(from + 1),
                          _mm_loadu_si128(from + 2), _mm_loadu_si128(from + 3)};
    ChunkMarks m{sse2Matches(v, '\n'), sse2Matches(v, '\r')};
    if (WithCommas) {
        m.Comma = sse2Matches(v, ',');
        m.Bracket = sse2Matches(v, '(');
    }
    return m;
}

template <bool WithCommas> void markSse2(const char *text, std::size_t size, ByteMarks &marks)
{
    MarkWriter<WithCommas> writer(marks, size);
    std::size_t word = 0;
    for (; (word + 1) * Chunk <= size; ++word)
        writer.Put(word, sse2Chunk<WithCommas>(text + word * Chunk));
    if (word * Chunk < size)
        writer.Put(word, sse2Chunk<WithCommas>(LastChunk(text + word * Chunk, size % Chunk).Bytes));
}
#endif

#ifdef NUMRA_HAVE_AVX2
__attribute__((target("avx2"))) inline std::uint64_t avx2Matches(__m256i a, __m256i b, char c)
{
    const __m256i needle = _mm256_set1_epi8(c);
    const auto lo = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(a, needle)));
    const auto hi = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(b, needle)));
    return std::uint64_t{lo} | std::uint64_t{hi} << 32;
}

template <bool WithCommas>
__attribute__((target("avx2"))) inline ChunkMarks avx2Chunk(const char *p)
{
    const auto *from = reinterpret_cast<const __m256i *>(p);
    const __m256i a = _mm256_loadu_si256(from);
    const __m256i b = _mm256_loadu_si256(from + 1);
    ChunkMarks m{avx2Matches(a, b, '\n'), avx2Matches(a, b, '\r')};
    if (WithCommas) {
        m.Comma = avx2Matches(a, b, ',');
        m.Bracket = avx2Matches(a, b, '(');
    }
    return m;
}

template <bool WithCommas>
__attribute__((target("avx2"))) void markAvx2(const char *text, std::size_t size, ByteMarks &marks)
{
    MarkWriter<WithCommas> writer(marks, size);
    std::size_t word = 0;
    for (; (word + 1) * Chunk <= size; ++word)
        writer.Put(word, avx2Chunk<WithCommas>(text + word * Chunk));
    if (word * Chunk < size)
        writer.Put(word, avx2Chunk<WithCommas>(LastChunk(text + word * Chunk, size % Chunk).Bytes));
}

bool processorHasAvx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
#endif

template <bool WithCommas>
void markWith(Marker marker, const char *text, std::size_t size, ByteMarks &marks)
{
    switch (marker) {
#ifdef NUMRA_HAVE_AVX2
    case Marker::Avx2:
        markAvx2<WithCommas>(text, size, marks);
        return;
#endif
#ifdef NUMRA_HAVE_SSE2
    case Marker::Sse2:
        markSse2<WithCommas>(text, size, marks);
        return;
#endif
    default:
        markPlain<WithCommas>(text, size, marks);
        return;
    }
}

std::atomic<Marker> &currentMarker()
{
    static std::atomic<Marker> marker{AvailableMarkers().back()};
    return marker;
}

} // namespace

std::vector<Marker> AvailableMarkers()
{
    std::vector<Marker> markers{Marker::Plain};
#ifdef NUMRA_HAVE_SSE2
    markers.push_back(Marker::Sse2);
#endif
#ifdef NUMRA_HAVE_AVX2
    if (processorHasAvx2())
        markers.push_back(Marker::Avx2);
#endif
    return markers;
}

void UseMarker(Marker marker)
{
    currentMarker() = marker;
}

Marker CurrentMarker()
{
    return currentMarker();
}

const char *MarkerName(Marker marker)
{
    switch (marker) {
    case Marker::Plain:
        return "plain";
    case Marker::Sse2:
        return "SSE2";
    case Marker::Avx2:
        return "AVX2";
    }
    return "?";
}

void MarkBytes(const char *text, std::size_t size, ByteMarks &marks, bool withCommas)
{
    MarkBytes(currentMarker().load(std::memory_order_relaxed), text, size, marks, withCommas);
}

void MarkBytes(Marker marker, const char *text, std::size_t size, ByteMarks &marks, bool withCommas)
{
    if (withCommas)
        markWith<true>(marker, text, size, marks);
    else
        markWith<false>(marker, text, size, marks);
}

} // namespace Numra
