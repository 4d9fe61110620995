#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Numra {

// Marks an empty phrase slot; sorts after every real position.
inline constexpr std::int32_t EmptySlot = 5000;
inline constexpr int SlotCount = 100;

struct PhraseSlot
{
    std::string word;          // as shown, in UTF-8
    std::string digits;        // the digit text the word stands for
    std::int32_t position = 0; // where the digits start in the number text, from 1
};

// The selected phrase: slots 1 to SlotCount, kept in order of their place in the number once
// rearranged, the empty ones last. Positions and lengths are in bytes of the number text, which
// holds one byte per character.
// Whether each word's digits stand free in the number text where it says, none of them
// covering another's: only then may the words join a phrase, all of them or none.
bool WordsFree(std::string_view numberText, const std::vector<PhraseSlot> &words);

class Phrase
{
public:
    const PhraseSlot &Slot(int slot) const { return m_slots.at(static_cast<std::size_t>(slot)); }
    void Put(int slot, std::string word, std::string digits, std::int32_t position);

    // Start-up writes two spaces into slot 1, so that the first clearing runs in full and puts
    // the empty-slot mark into every position.
    void MarkUncleared();
    // Empties every slot, unless slot 1 is empty already; false when it did nothing.
    bool Clear();

    // Where a candidate's digits are covered: the first occurrence, or the last one when the
    // words grow from the right end. 0 when the digits are not in the number text.
    static int CoverPosition(std::string_view digits, std::string_view numberText,
                             bool lastOccurrence);
    // The new word goes into the last slot, which is free while fewer than SlotCount words are
    // chosen; Rearrange() then moves it to its place.
    void Choose(std::string word, std::string digits, std::int32_t position);
    // Empties the slot; its digits and position are what the number text gets back.
    PhraseSlot GiveBack(int slot);
    // Filled slots first in order of position; on equal positions the lower slot stays first.
    void Rearrange();

    // The slot whose word starts at the position, 0 when none does.
    int SlotAt(std::int32_t position) const;

    // Slots the phrase grid shows: every filled one, and at least 25.
    int ShownSlots() const;

    // The words in slot order, each trimmed, separated by single spaces; empty slots add nothing.
    std::string Text() const;

    // Which characters of a number text of the given length the words cover (entry i for
    // position i + 1): what the number field shows as used digits.
    std::vector<bool> CoveredPositions(std::size_t length) const;

private:
    std::array<PhraseSlot, SlotCount + 1> m_slots{}; // entry 0 is unused: slots count from 1
};

} // namespace Numra
