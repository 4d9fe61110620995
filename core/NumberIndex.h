#pragma once

#include "core/NumraGlobal.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace Numra {

// Answers "where does this key first occur in the number text?" in time proportional to the
// key's length: a suffix automaton over the text, built once per conversion.
class NumberIndex
{
public:
    explicit NumberIndex(std::string_view text);

    // 1-based start of the first occurrence of key, 0 when there is none or key is empty.
    int FirstPos(std::string_view key) const;
    // The same for the key of a dictionary line, the text before its first comma, found on the
    // way: most lines are rejected after a few bytes, before the comma is even reached.
    int LineKeyPos(std::string_view line) const;
    // False when line cannot begin with a key of the text: its first two bytes are no pair of
    // the text, nor a byte of the text and a comma. One look-up, where LineKeyPos walks and
    // branches byte by byte; most dictionary lines end here.
    bool MayHoldKey(std::string_view line) const
    {
        if (line.size() < 2)
            return false;
        const unsigned pair =
            static_cast<unsigned char>(line[0]) << 8 | static_cast<unsigned char>(line[1]);
        return (m_pairs[pair / 64] >> (pair % 64)) & 1U;
    }

    // The bytes that may begin a key, and those that may follow its first byte (the comma
    // included): a filter that marks whole blocks of lines at once.
    const CharSet &FirstBytes() const { return m_firstBytes; }
    const CharSet &SecondBytes() const { return m_secondBytes; }

private:
    int addState(int length, int firstEnd);
    int step(int state, char c) const; // -1 where the text goes no further

    void addPair(char first, char second);

    std::array<std::uint64_t, 65536 / 64> m_pairs{}; // bit first * 256 + second
    CharSet m_firstBytes;
    CharSet m_secondBytes;
    std::array<std::uint8_t, 256> m_class{}; // byte -> column, 0 for bytes not in the text
    int m_columns = 1;
    std::vector<std::int16_t> m_next; // state * m_columns + column -> state, -1 for none
    std::vector<std::int16_t> m_link;
    std::vector<std::int16_t> m_length;
    std::vector<std::int16_t> m_firstEnd; // 0-based end of the first occurrence
    std::size_t m_textLength = 0;
};

} // namespace Numra
