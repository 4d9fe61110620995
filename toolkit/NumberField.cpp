#include "toolkit/NumberField.h"

#include "core/NumraGlobal.h"
#include "core/Phrase.h"
#include "toolkit/TextCodec.h"

#include <QLineEdit>
#include <QScopedValueRollback>

#include <vector>

QString NumberField::text() const
{
    return m_edit->text();
}

void NumberField::write(const QString &text)
{
    const QScopedValueRollback writing(m_writing, true);
    m_edit->setText(text);
}

void NumberField::rememberTyped(const QString &text)
{
    if (!text.contains(TextCodec::UsedDigitMarkChar))
        m_typedNumber = text.left(Numra::ShortStringMax);
}

QString NumberField::coveredText(const Numra::Phrase &phrase) const
{
    QString text = m_phraseNumber;
    const std::vector<bool> covered =
        phrase.CoveredPositions(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (covered[static_cast<std::size_t>(i)])
            text[i] = TextCodec::UsedDigitMarkChar;
    }
    return text;
}

void NumberField::movePhrase(Numra::Phrase &phrase, const QString &before, const QString &after)
{
    // Only separators were taken out, so the characters kept come in their order.
    std::vector<std::int32_t> moved(static_cast<std::size_t>(before.size()) + 1, 0);
    qsizetype kept = 0;
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (kept < after.size() && before[i] == after[kept])
            moved[static_cast<std::size_t>(i) + 1] = static_cast<std::int32_t>(++kept);
    }
    for (int slot = 1; slot <= Numra::SlotCount; ++slot) {
        const Numra::PhraseSlot &s = phrase.Slot(slot);
        if (s.position >= 1 && s.position <= before.size())
            phrase.Put(slot, s.word, s.digits, moved[static_cast<std::size_t>(s.position)]);
    }
    // The number the phrase counts in loses the same separators.
    QString number;
    for (qsizetype i = 0; i < m_phraseNumber.size(); ++i) {
        if (moved[static_cast<std::size_t>(i) + 1] != 0)
            number += m_phraseNumber[i];
    }
    m_phraseNumber = number;
}

QString NumberField::trimBlank(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && Numra::IsBlank(text[first].unicode()))
        ++first;
    while (last > first && Numra::IsBlank(text[last - 1].unicode()))
        --last;
    return text.mid(first, last - first);
}
