#include "core/NumberIndex.h"

#include "core/NumraGlobal.h"

#include <algorithm>

namespace Numra {

NumberIndex::NumberIndex(std::string_view text)
{
    text = text.substr(0, std::min(text.size(), ShortStringMax));
    m_textLength = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A key ends at the first comma, so it holds none.
        if (text[i] == ',')
            continue;
        addPair(text[i], ',');
        if (i + 1 < text.size())
            addPair(text[i], text[i + 1]);
    }
    for (char c : text) {
        auto &column = m_class[static_cast<unsigned char>(c)];
        if (column == 0)
            column = static_cast<std::uint8_t>(m_columns++);
    }
    const std::size_t states = 2 * text.size() + 1;
    m_next.reserve(states * m_columns);
    m_link.reserve(states);
    m_length.reserve(states);
    m_firstEnd.reserve(states);

    addState(0, -1);
    m_link[0] = -1;
    int last = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int c = m_class[static_cast<unsigned char>(text[i])];
        const int cur = addState(m_length[last] + 1, static_cast<int>(i));
        int p = last;
        while (p != -1 && m_next[p * m_columns + c] == -1) {
            m_next[p * m_columns + c] = static_cast<std::int16_t>(cur);
            p = m_link[p];
        }
        if (p == -1) {
            m_link[cur] = 0;
        } else {
            const int q = m_next[p * m_columns + c];
            if (m_length[p] + 1 == m_length[q]) {
                m_link[cur] = static_cast<std::int16_t>(q);
            } else {
                const int clone = addState(m_length[p] + 1, m_firstEnd[q]);
                std::copy_n(m_next.begin() + q * m_columns, m_columns,
                            m_next.begin() + clone * m_columns);
                m_link[clone] = m_link[q];
                while (p != -1 && m_next[p * m_columns + c] == q) {
                    m_next[p * m_columns + c] = static_cast<std::int16_t>(clone);
                    p = m_link[p];
                }
                m_link[q] = m_link[cur] = static_cast<std::int16_t>(clone);
            }
        }
        last = cur;
    }
}

void NumberIndex::addPair(char first, char second)
{
    const unsigned pair =
        static_cast<unsigned char>(first) << 8 | static_cast<unsigned char>(second);
    m_pairs[pair / 64] |= std::uint64_t{1} << (pair % 64);
    m_firstBytes.add(first);
    m_secondBytes.add(second);
}

int NumberIndex::addState(int length, int firstEnd)
{
    m_next.insert(m_next.end(), m_columns, -1);
    m_link.push_back(-1);
    m_length.push_back(static_cast<std::int16_t>(length));
    m_firstEnd.push_back(static_cast<std::int16_t>(firstEnd));
    return static_cast<int>(m_length.size()) - 1;
}

int NumberIndex::step(int state, char c) const
{
    const int column = m_class[static_cast<unsigned char>(c)];
    return column == 0 ? -1 : m_next[state * m_columns + column];
}

int NumberIndex::FirstPos(std::string_view key) const
{
    if (key.empty() || key.size() > m_textLength)
        return 0;
    int state = 0;
    for (char c : key) {
        if ((state = step(state, c)) < 0)
            return 0;
    }
    return m_firstEnd[state] - static_cast<int>(key.size()) + 2;
}

int NumberIndex::LineKeyPos(std::string_view line) const
{
    int state = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ',')
            return i == 0 ? 0 : m_firstEnd[state] - static_cast<int>(i) + 2;
        if ((state = step(state, line[i])) < 0)
            return 0;
    }
    return 0; // no comma: not a key at all
}

} // namespace Numra
