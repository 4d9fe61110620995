#include "core/ByteMarks.h"

#include <cstring>
#include <type_traits>

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
    std::uint64_t WordStart = 0;
    std::uint64_t InSet = 0;
    std::uint64_t InSecondSet = 0;
};

// The markers are compiled once for each kind of request, which decides the marks they make
// beyond the breaks.
template <typename Request> constexpr bool MarksWords = std::is_same_v<Request, MarkWordStarts>;
template <typename Request> constexpr bool MarksSets = std::is_same_v<Request, MarkSetBytes>;

template <typename Request> char letterOf([[maybe_unused]] const Request &request)
{
    if constexpr (MarksWords<Request>)
        return request.Letter;
    else
        return 0;
}

const CharSet NoBytes{};

template <typename Request> const CharSet &firstSetOf([[maybe_unused]] const Request &request)
{
    if constexpr (MarksSets<Request>)
        return *request.First;
    else
        return NoBytes;
}

template <typename Request> const CharSet &secondSetOf([[maybe_unused]] const Request &request)
{
    if constexpr (MarksSets<Request>)
        return request.Second ? *request.Second : *request.First;
    else
        return NoBytes;
}

template <typename Request> class MarkWriter
{
public:
    MarkWriter(ByteMarks &marks, std::size_t size) : m_marks(marks)
    {
        const std::size_t words = (size + Chunk - 1) / Chunk;
        grow(marks.Breaks, words);
        if constexpr (MarksWords<Request>) {
            grow(marks.Commas, words);
            grow(marks.Brackets, words);
            grow(marks.WordStarts, words);
        }
        if constexpr (MarksSets<Request>) {
            grow(marks.InSet, words);
            grow(marks.InSecondSet, words);
        }
    }
    ~MarkWriter() { m_marks.HasCr = m_anyCr != 0; }

    void Put(std::size_t word, const ChunkMarks &chunk)
    {
        const std::uint64_t pairedLf = ((chunk.Cr << 1) | m_crCarry) & chunk.Lf;
        m_crCarry = chunk.Cr >> 63;
        m_anyCr |= chunk.Cr;
        m_marks.Breaks[word] = (chunk.Lf | chunk.Cr) & ~pairedLf;
        if constexpr (MarksWords<Request>) {
            m_marks.Commas[word] = chunk.Comma;
            m_marks.Brackets[word] = chunk.Bracket;
            m_marks.WordStarts[word] = chunk.WordStart;
        }
        if constexpr (MarksSets<Request>) {
            m_marks.InSet[word] = chunk.InSet;
            m_marks.InSecondSet[word] = chunk.InSecondSet;
        }
    }

private:
    static void grow(std::vector<std::uint64_t> &v, std::size_t words)
    {
        if (v.size() < words)
            v.resize(words);
    }

    ByteMarks &m_marks;
    std::uint64_t m_crCarry = 0;
    std::uint64_t m_anyCr = 0;
};

// Each marker runs its chunk function on whole chunks; the short end of a block is copied into
// a zeroed chunk first. A zero byte marks nothing but a word start, which the reader of the
// marks never looks for past the text.
struct LastChunk
{
    alignas(Chunk) char Bytes[Chunk] = {};

    LastChunk(const char *text, std::size_t size) { std::memcpy(Bytes, text, size); }
};

template <typename Request, typename MarkChunk>
inline void markChunks(const char *text, std::size_t size, ByteMarks &marks, MarkChunk markChunk)
{
    MarkWriter<Request> writer(marks, size);
    std::size_t word = 0;
    for (; (word + 1) * Chunk <= size; ++word)
        writer.Put(word, markChunk(text + word * Chunk));
    if (word * Chunk < size)
        writer.Put(word, markChunk(LastChunk(text + word * Chunk, size % Chunk).Bytes));
}

constexpr std::uint64_t Ones = 0x0101010101010101;
constexpr std::uint64_t Low7 = 0x7f7f7f7f7f7f7f7f;
constexpr std::uint64_t High = 0x8080808080808080;

// Eight bytes at a time in a plain integer: 0x80 in each byte of x that is zero, and the eight
// top bits of such a mask gathered into one byte (byte i to bit i).
inline std::uint64_t plainZeroBytes(std::uint64_t x)
{
    return ~(((x & Low7) + Low7) | x | Low7);
}

inline std::uint64_t plainGather(std::uint64_t high)
{
    return ((high >> 7) * 0x0102040810204080) >> 56;
}

inline std::uint64_t plainMatches(std::uint64_t x, char c)
{
    return plainGather(plainZeroBytes(x ^ (Ones * static_cast<unsigned char>(c))));
}

// The bytes that are the letter (lower case) in either case, or no letter at all.
inline std::uint64_t plainWordStarts(std::uint64_t x, char letter)
{
    const std::uint64_t lowered = x | (Ones * 0x20);
    const std::uint64_t low = lowered & Low7;
    const std::uint64_t atLeastA = low + Ones * (0x80 - 'a');
    const std::uint64_t pastZ = low + Ones * (0x80 - 'z' - 1);
    const std::uint64_t isLetter = atLeastA & ~pastZ & ~lowered & High;
    const std::uint64_t isWanted =
        plainZeroBytes(lowered ^ (Ones * static_cast<unsigned char>(letter)));
    return plainGather((isWanted | ~isLetter) & High);
}

template <typename Request>
void markPlain(const char *text, std::size_t size, ByteMarks &marks, const Request &request)
{
    const char letter = letterOf(request);
    markChunks<Request>(text, size, marks, [=](const char *p) {
        ChunkMarks m;
        // A look-up per byte costs the plain marker more than the pass saves by it.
        if constexpr (MarksSets<Request>)
            m.InSet = m.InSecondSet = ~std::uint64_t{0};
        for (std::size_t i = 0; i < Chunk; i += 8) {
            std::uint64_t x;
            std::memcpy(&x, p + i, 8);
            if constexpr (std::endian::native == std::endian::big) {
                std::uint64_t swapped = 0;
                for (int k = 0; k < 8; ++k, x >>= 8)
                    swapped = swapped << 8 | (x & 0xff);
                x = swapped;
            }
            m.Lf |= plainMatches(x, '\n') << i;
            m.Cr |= plainMatches(x, '\r') << i;
            if constexpr (MarksWords<Request>) {
                m.Comma |= plainMatches(x, ',') << i;
                m.Bracket |= plainMatches(x, '(') << i;
                m.WordStart |= plainWordStarts(x, letter) << i;
            }
        }
        return m;
    });
}

#ifdef NUMRA_HAVE_SSE2
inline std::uint64_t sse2Bits(const __m128i found[4])
{
    std::uint64_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(found[i]))} << (16 * i);
    return bits;
}

inline std::uint64_t sse2Matches(const __m128i v[4], char c)
{
    const __m128i needle = _mm_set1_epi8(c);
    const __m128i found[4] = {_mm_cmpeq_epi8(v[0], needle), _mm_cmpeq_epi8(v[1], needle),
                              _mm_cmpeq_epi8(v[2], needle), _mm_cmpeq_epi8(v[3], needle)};
    return sse2Bits(found);
}

inline __m128i sse2WordStarts(__m128i v, __m128i letter)
{
    const __m128i lowered = _mm_or_si128(v, _mm_set1_epi8(0x20));
    const __m128i fromA = _mm_sub_epi8(lowered, _mm_set1_epi8('a'));
    const __m128i isLetter = _mm_cmpeq_epi8(_mm_min_epu8(fromA, _mm_set1_epi8(25)), fromA);
    return _mm_or_si128(_mm_cmpeq_epi8(lowered, letter),
                        _mm_xor_si128(isLetter, _mm_set1_epi8(-1)));
}

// Without a byte shuffle, SSE2 compares with each member of a small set; a larger set is
// marked whole, which only costs the pass its shortcut.
struct Sse2Set
{
    static constexpr std::size_t MaxMembers = 16;
    __m128i Members[MaxMembers];
    std::size_t Count = 0;

    Sse2Set() = default;
    explicit Sse2Set(const CharSet &set)
    {
        for (int c = 0; c < 256 && Count <= MaxMembers; ++c) {
            if (set.contains(static_cast<char>(c)) && Count++ < MaxMembers)
                Members[Count - 1] = _mm_set1_epi8(static_cast<char>(c));
        }
    }

    std::uint64_t Find(const __m128i v[4]) const
    {
        if (Count > MaxMembers)
            return ~std::uint64_t{0};
        __m128i found[4] = {};
        for (std::size_t k = 0; k < Count; ++k) {
            for (int i = 0; i < 4; ++i)
                found[i] = _mm_or_si128(found[i], _mm_cmpeq_epi8(v[i], Members[k]));
        }
        return sse2Bits(found);
    }
};

template <typename Request>
void markSse2(const char *text, std::size_t size, ByteMarks &marks, const Request &request)
{
    const __m128i wanted = _mm_set1_epi8(letterOf(request));
    // The set tables only where asked for: each is built by a walk over all byte values.
    const Sse2Set firsts = MarksSets<Request> ? Sse2Set(firstSetOf(request)) : Sse2Set();
    const Sse2Set seconds = MarksSets<Request> ? Sse2Set(secondSetOf(request)) : Sse2Set();
    markChunks<Request>(text, size, marks, [&](const char *p) {
        const auto *from = reinterpret_cast<const __m128i *>(p);
        const __m128i v[4] = {_mm_loadu_si128(from), _mm_loadu_si128(from + 1),
                              _mm_loadu_si128(from + 2), _mm_loadu_si128(from + 3)};
        ChunkMarks m{sse2Matches(v, '\n'), sse2Matches(v, '\r')};
        if constexpr (MarksWords<Request>) {
            m.Comma = sse2Matches(v, ',');
            m.Bracket = sse2Matches(v, '(');
            const __m128i found[4] = {sse2WordStarts(v[0], wanted), sse2WordStarts(v[1], wanted),
                                      sse2WordStarts(v[2], wanted), sse2WordStarts(v[3], wanted)};
            m.WordStart = sse2Bits(found);
        }
        if constexpr (MarksSets<Request>) {
            m.InSet = firsts.Find(v);
            m.InSecondSet = seconds.Find(v);
        }
        return m;
    });
}
#endif

#ifdef NUMRA_HAVE_AVX2
__attribute__((target("avx2"))) inline std::uint64_t avx2Bits(__m256i a, __m256i b)
{
    const auto lo = static_cast<std::uint32_t>(_mm256_movemask_epi8(a));
    const auto hi = static_cast<std::uint32_t>(_mm256_movemask_epi8(b));
    return std::uint64_t{lo} | std::uint64_t{hi} << 32;
}

__attribute__((target("avx2"))) inline std::uint64_t avx2Matches(__m256i a, __m256i b, char c)
{
    const __m256i needle = _mm256_set1_epi8(c);
    return avx2Bits(_mm256_cmpeq_epi8(a, needle), _mm256_cmpeq_epi8(b, needle));
}

__attribute__((target("avx2"))) inline __m256i avx2WordStarts(__m256i v, __m256i letter)
{
    const __m256i lowered = _mm256_or_si256(v, _mm256_set1_epi8(0x20));
    const __m256i fromA = _mm256_sub_epi8(lowered, _mm256_set1_epi8('a'));
    const __m256i isLetter = _mm256_cmpeq_epi8(_mm256_min_epu8(fromA, _mm256_set1_epi8(25)), fromA);
    return _mm256_or_si256(_mm256_cmpeq_epi8(lowered, letter),
                           _mm256_xor_si256(isLetter, _mm256_set1_epi8(-1)));
}

// Set membership by the low and high half of each byte: a row of eight bits per low half, one
// table for the high halves 0 to 7 and one for 8 to 15, and the bit of the high half in its row.
struct Avx2Set
{
    __m256i RowsLow;
    __m256i RowsHigh;
};

__attribute__((target("avx2"))) Avx2Set avx2Set(const CharSet &set)
{
    alignas(32) std::uint8_t low[32] = {};
    alignas(32) std::uint8_t high[32] = {};
    for (int c = 0; c < 256; ++c) {
        if (!set.contains(static_cast<char>(c)))
            continue;
        std::uint8_t *rows = c >= 128 ? high : low;
        rows[c % 16] |= static_cast<std::uint8_t>(1U << ((c / 16) % 8));
        rows[16 + c % 16] = rows[c % 16];
    }
    return {_mm256_load_si256(reinterpret_cast<const __m256i *>(low)),
            _mm256_load_si256(reinterpret_cast<const __m256i *>(high))};
}

__attribute__((target("avx2"))) inline __m256i avx2InSet(__m256i v, const Avx2Set &set)
{
    const __m256i nibble = _mm256_set1_epi8(0x0f);
    const __m256i low = _mm256_and_si256(v, nibble);
    const __m256i high = _mm256_and_si256(_mm256_srli_epi16(v, 4), nibble);
    const __m256i rowLow = _mm256_shuffle_epi8(set.RowsLow, low);
    const __m256i rowHigh = _mm256_shuffle_epi8(set.RowsHigh, low);
    const __m256i row =
        _mm256_blendv_epi8(rowLow, rowHigh, _mm256_cmpgt_epi8(high, _mm256_set1_epi8(7)));
    const __m256i bits =
        _mm256_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 1, 2, 4, 8, 16, 32, 64, -128, 1, 2, 4, 8, 16,
                         32, 64, -128, 1, 2, 4, 8, 16, 32, 64, -128);
    const __m256i bit = _mm256_shuffle_epi8(bits, high);
    return _mm256_cmpeq_epi8(_mm256_and_si256(row, bit), bit);
}

template <typename Request>
__attribute__((target("avx2"))) inline ChunkMarks
avx2Chunk(const char *p, __m256i wanted, const Avx2Set &set, const Avx2Set &second)
{
    const auto *from = reinterpret_cast<const __m256i *>(p);
    const __m256i a = _mm256_loadu_si256(from);
    const __m256i b = _mm256_loadu_si256(from + 1);
    ChunkMarks m{avx2Matches(a, b, '\n'), avx2Matches(a, b, '\r')};
    if constexpr (MarksWords<Request>) {
        m.Comma = avx2Matches(a, b, ',');
        m.Bracket = avx2Matches(a, b, '(');
        m.WordStart = avx2Bits(avx2WordStarts(a, wanted), avx2WordStarts(b, wanted));
    }
    if constexpr (MarksSets<Request>) {
        m.InSet = avx2Bits(avx2InSet(a, set), avx2InSet(b, set));
        m.InSecondSet = avx2Bits(avx2InSet(a, second), avx2InSet(b, second));
    }
    return m;
}

// Written out rather than through markChunks: the chunk function must be inlined into a
// function compiled for AVX2.
template <typename Request>
__attribute__((target("avx2"))) void markAvx2(const char *text, std::size_t size, ByteMarks &marks,
                                              const Request &request)
{
    const __m256i wanted = _mm256_set1_epi8(letterOf(request));
    const Avx2Set set = MarksSets<Request> ? avx2Set(firstSetOf(request)) : Avx2Set{};
    const Avx2Set second = MarksSets<Request> ? avx2Set(secondSetOf(request)) : Avx2Set{};
    MarkWriter<Request> writer(marks, size);
    std::size_t word = 0;
    for (; (word + 1) * Chunk <= size; ++word)
        writer.Put(word, avx2Chunk<Request>(text + word * Chunk, wanted, set, second));
    if (word * Chunk < size)
        writer.Put(word, avx2Chunk<Request>(LastChunk(text + word * Chunk, size % Chunk).Bytes,
                                            wanted, set, second));
}

bool processorHasAvx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
#endif

template <typename Request>
void markWith(Marker marker, const char *text, std::size_t size, ByteMarks &marks,
              const Request &request)
{
    switch (marker) {
#ifdef NUMRA_HAVE_AVX2
    case Marker::Avx2:
        markAvx2(text, size, marks, request);
        return;
#endif
#ifdef NUMRA_HAVE_SSE2
    case Marker::Sse2:
        markSse2(text, size, marks, request);
        return;
#endif
    default:
        markPlain(text, size, marks, request);
        return;
    }
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

Marker BestMarker()
{
    static const Marker best = AvailableMarkers().back();
    return best;
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

void MarkBytes(Marker marker, const char *text, std::size_t size, ByteMarks &marks,
               const MarkRequest &request)
{
    std::visit([&](const auto &kind) { markWith(marker, text, size, marks, kind); }, request);
}

} // namespace Numra
