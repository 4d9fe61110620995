#include "core/Phrase.h"

#include "core/NumraGlobal.h"

#include <algorithm>
#include <utility>

namespace Numra {

namespace {

// The first slot of those the grid may leave out; it always shows the ones before.
constexpr int FirstSortedRowCheck = 26;

} // namespace

void Phrase::Put(int slot, std::string word, std::string digits, std::int32_t position)
{
    PhraseSlot &s = m_slots.at(static_cast<std::size_t>(slot));
    s.word = std::move(word);
    s.digits = std::move(digits);
    s.position = position;
}

void Phrase::MarkUncleared()
{
    m_slots[1].word = "  ";
}

bool Phrase::Clear()
{
    if (m_slots[1].word.empty())
        return false;
    for (int slot = 1; slot <= SlotCount; ++slot)
        Put(slot, {}, {}, EmptySlot);
    return true;
}

int Phrase::CoverPosition(std::string_view digits, std::string_view numberText, bool lastOccurrence)
{
    return lastOccurrence ? LastPos(digits, numberText) : FirstPos(digits, numberText);
}

void Phrase::Choose(std::string word, std::string digits, std::int32_t position)
{
    Put(SlotCount, std::move(word), std::move(digits), position);
}

PhraseSlot Phrase::GiveBack(int slot)
{
    PhraseSlot given = std::exchange(m_slots.at(static_cast<std::size_t>(slot)), {});
    m_slots[static_cast<std::size_t>(slot)].position = EmptySlot;
    return given;
}

void Phrase::Rearrange()
{
    std::stable_sort(
        m_slots.begin() + 1, m_slots.end(),
        [](const PhraseSlot &a, const PhraseSlot &b) { return a.position < b.position; });
}

int Phrase::SlotAt(std::int32_t position) const
{
    for (int slot = 1; slot <= SlotCount; ++slot) {
        if (m_slots[slot].position == position)
            return slot;
    }
    return 0;
}

int Phrase::ShownSlots() const
{
    int firstEmpty = FirstSortedRowCheck;
    while (firstEmpty <= SlotCount && !m_slots[firstEmpty].word.empty())
        ++firstEmpty;
    // Every filled slot is shown, the hundredth too.
    return std::min(SlotCount, firstEmpty - 1);
}

std::string Phrase::Text() const
{
    std::string text;
    for (int slot = 1; slot <= SlotCount; ++slot)
        AppendWord(text, m_slots[slot].word);
    return text;
}

std::vector<bool> Phrase::CoveredPositions(std::size_t length) const
{
    std::vector<bool> covered(length, false);
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const PhraseSlot &s = m_slots[static_cast<std::size_t>(slot)];
        if (s.word.empty() || s.position < 1)
            continue;
        const std::size_t from = static_cast<std::size_t>(s.position) - 1;
        for (std::size_t i = from; i < std::min(length, from + s.digits.size()); ++i)
            covered[i] = true;
    }
    return covered;
}

bool WordsFree(std::string_view numberText, const std::vector<PhraseSlot> &words)
{
    if (words.empty())
        return false;
    std::vector<bool> taken(numberText.size(), false);
    for (const PhraseSlot &word : words) {
        const std::size_t from = static_cast<std::size_t>(std::max(word.position, 1)) - 1;
        if (word.position < 1 || from > numberText.size() ||
            numberText.substr(from, word.digits.size()) != word.digits)
            return false;
        for (std::size_t i = from; i < from + word.digits.size(); ++i) {
            if (taken[i])
                return false;
            taken[i] = true;
        }
    }
    return true;
}

} // namespace Numra
