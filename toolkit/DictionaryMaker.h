#pragma once

#include <QString>

class QWidget;

// Makes the dictionary of a language from the system's word list with make-dictionary, which is
// installed beside the program's data, so that a user of another language can start with words
// of their own instead of the English dictionary.
namespace DictionaryMaker {

// Whether the dictionary of language can be made here: the maker is installed, and Python is.
bool canMake(const QString &language);

struct Outcome
{
    QString path;  // the dictionary made; empty when it could not be
    QString error; // why not, as the maker said it (a word list's Debian package, say)
};

// Runs the maker into the user's data folder, with a progress window; the event loop runs
// meanwhile, so the windows stay drawn.
Outcome make(QWidget *parent, const QString &language);

// Tests run a maker of their own.
void setMakerForTesting(const QString &script);

} // namespace DictionaryMaker
