#pragma once

#include "core/AffixTable.h"
#include "core/NumraGlobal.h"
#include "toolkit/NumberField.h"

#include <QString>

#include <vector>

// The phrase the user builds in the number field: the words that cover its digits, and the
// word last chosen, where the correction window's affixes apply.
class PhraseEditor
{
public:
    PhraseEditor(NumberField &field, Numra::NumraState &state) : m_field(field), m_state(state) {}

    // The word last chosen, and where it stands.
    Numra::PhraseSlot chosen() const;

    // Covers each word's digits in the field as it stands and puts the word in the phrase; false,
    // with nothing changed, when a word's digits are no longer free there.
    bool take(const std::vector<Numra::PhraseSlot> &words);
    // A suggestion's words, which count in numberText: the field's text, or the same written
    // without the separators the words cross.
    bool takeSuggestion(const QString &numberText, const std::vector<Numra::PhraseSlot> &words);
    void giveBack(int slot);

    // The chosen word joined with an affix, as the correction window offers it.
    Numra::AffixCombination joinAffix(const Numra::AffixEntry &entry);
    bool hasChosenSlot() const;
    // The correction in place of the chosen word; false when it no longer fits the number.
    bool putCorrection(const QString &word, const QString &represents);

    // The number as typed and the phrase, as Copy gives them; Copy needs every digit covered.
    QString copyText() const;
    bool canCopy() const;

private:
    // The words, counted in numberText, which is the field's text or the same without some of
    // its separators.
    bool takeCountedIn(const QString &numberText, const std::vector<Numra::PhraseSlot> &words);
    void choose(const std::string &word, const std::string &digits, int position);

    NumberField &m_field;
    Numra::NumraState &m_state;
};
