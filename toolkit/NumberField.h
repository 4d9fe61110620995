#pragma once

#include <QString>

class QLineEdit;
namespace Numra {
class Phrase;
}

// The main window's number field and the two numbers behind it: the number as the user typed it
// (what Copy gives), and the number the phrase's positions count in, which the field shows with
// the phrase's digits covered.
class NumberField
{
public:
    explicit NumberField(QLineEdit *edit) : m_edit(edit) {}

    QString text() const;
    // True while the program writes the field, whose change then is not the user's edit.
    bool writing() const { return m_writing; }
    void write(const QString &text);

    QString typedNumber() const { return m_typedNumber; }
    // A text with covered digits is no longer the number as typed, and is not kept.
    void rememberTyped(const QString &text);

    // The phrase's first word counts in the field as it stands.
    void startPhrase() { m_phraseNumber = text(); }
    int phraseNumberLength() const { return static_cast<int>(m_phraseNumber.size()); }
    // The number the phrase counts in, its digits covered.
    QString coveredText(const Numra::Phrase &phrase) const;
    void showCovered(const Numra::Phrase &phrase) { write(coveredText(phrase)); }
    // The phrase's words, and the number they count in, where they stand once the number is
    // written again as after, which is before without some of its separators.
    void movePhrase(Numra::Phrase &phrase, const QString &before, const QString &after);

    // Numra::Trim for a text as typed, whose characters the field's bytes may not all hold.
    static QString trimBlank(const QString &text);

private:
    QLineEdit *m_edit;
    QString m_typedNumber;
    QString m_phraseNumber;
    bool m_writing = false;
};
