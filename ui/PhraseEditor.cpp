#include "ui/PhraseEditor.h"

#include "toolkit/TextCodec.h"

Numra::PhraseSlot PhraseEditor::chosen() const
{
    return {m_state.SelectedWord, m_state.SelectedNumber, m_state.SelectedPosition};
}

void PhraseEditor::choose(const std::string &word, const std::string &digits, int position)
{
    m_state.SelectedWord = word;
    m_state.SelectedNumber = digits;
    m_state.SelectedPosition = position;
}

bool PhraseEditor::take(const std::vector<Numra::PhraseSlot> &words)
{
    return takeCountedIn(m_field.text(), words);
}

bool PhraseEditor::takeSuggestion(const QString &numberText,
                                  const std::vector<Numra::PhraseSlot> &words)
{
    // No conversion need have run on the number as typed; Copy wants it, and entering the field
    // brings it back, separators and all.
    m_field.rememberTyped(m_field.text());
    return takeCountedIn(numberText, words);
}

bool PhraseEditor::takeCountedIn(const QString &numberText,
                                 const std::vector<Numra::PhraseSlot> &words)
{
    if (words.empty() || !Numra::WordsFree(TextCodec::toFieldBytes(numberText), words))
        return false;
    // The first word fixes the number the phrase is counted in: the field as it stands, with
    // any marks an edit left there when it ended the phrase before.
    if (m_state.SelectedPhrase.Text().empty())
        m_field.startPhrase();
    const QString shown = m_field.text();
    if (numberText != shown)
        m_field.movePhrase(m_state.SelectedPhrase, shown, numberText);
    for (const Numra::PhraseSlot &word : words) {
        m_state.SelectedPhrase.Choose(word.word, word.digits, word.position);
        m_state.SelectedPhrase.Rearrange();
    }
    m_field.showCovered(m_state.SelectedPhrase);
    choose(words.back().word, words.back().digits, words.back().position);
    return true;
}

void PhraseEditor::giveBack(int slot)
{
    m_state.SelectedPhrase.GiveBack(slot);
    m_field.showCovered(m_state.SelectedPhrase);
}

Numra::AffixCombination PhraseEditor::joinAffix(const Numra::AffixEntry &entry)
{
    const Numra::AffixCombination combination = Numra::JoinAffix(
        entry, m_state.SelectedWord, m_state.SelectedNumber, m_state.SelectedPosition);
    m_state.AffixPosition = combination.position;
    return combination;
}

bool PhraseEditor::hasChosenSlot() const
{
    return m_state.SelectedPhrase.SlotAt(m_state.SelectedPosition) != 0;
}

bool PhraseEditor::putCorrection(const QString &word, const QString &represents)
{
    const int slot = m_state.SelectedPhrase.SlotAt(m_state.SelectedPosition);
    if (slot == 0 || m_state.AffixPosition < 1 ||
        m_state.AffixPosition - 1 + represents.size() > m_field.phraseNumberLength())
        return false;
    const std::string wordBytes = TextCodec::toDictionary(word);
    // One byte a character, as the field counts them.
    const std::string digitBytes = TextCodec::toFieldBytes(represents);
    m_state.SelectedPhrase.Put(slot, wordBytes, digitBytes, m_state.AffixPosition);
    m_field.showCovered(m_state.SelectedPhrase);
    choose(wordBytes, digitBytes, m_state.AffixPosition);
    return true;
}

QString PhraseEditor::copyText() const
{
    QString text = NumberField::trimBlank(m_field.typedNumber()) + QLatin1Char(',');
    const std::string words = m_state.SelectedPhrase.Text();
    if (!words.empty())
        text += QLatin1Char(' ') + TextCodec::fromDictionary(words);
    return text;
}

bool PhraseEditor::canCopy() const
{
    const QString text = m_field.text();
    return !NumberField::trimBlank(text).isEmpty() &&
           !Numra::Trim(m_state.SelectedPhrase.Slot(1).word).empty() &&
           Numra::FirstDigitPos(TextCodec::toFieldBytes(text)) == 0;
}
