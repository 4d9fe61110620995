#pragma once

#include "core/AffixTable.h"
#include "core/DictionaryFile.h"
#include "core/RankingData.h"

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <string>

class QWidget;

// The main window's dictionary: the one file every pass reads, chosen in the Open Dictionary
// dialog or, on a first run in another language, made from the system's word list; with the
// affix table read from it and the ranking data beside it.
class DictionaryInUse
{
    Q_DECLARE_TR_FUNCTIONS(DictionaryInUse)

public:
    explicit DictionaryInUse(QWidget *window);

    Numra::DictionaryFile &file() { return m_file; }
    const Numra::AffixTable &affixTable() const { return m_affixTable; }
    // The path, or "No Dictionary Open".
    QString name() const;

    void bind(const QString &path);
    // Asks for a dictionary; false on a cancel or a file that cannot be opened, and then the one
    // in use is kept as long as it can still be read. The one chosen has its ranking data read
    // afresh.
    bool choose();
    // Reads the affix table. A dictionary that cannot be opened is asked for again: on a first
    // run the user may have the language's dictionary made instead.
    void readAffixes(bool firstRun);
    // Read at the first suggestions for the dictionary in use.
    const Numra::RankingData *rankingData();

    static bool canOpen(const std::string &path);

private:
    // False when the user would rather choose a file, or it could not be made.
    bool makeLanguageDictionary();

    QWidget *m_window;
    Numra::DictionaryFile m_file;
    Numra::AffixTable m_affixTable;
    std::optional<Numra::RankingData> m_ranking;
    std::string m_rankingDictionary; // the dictionary m_ranking was read for
    QString m_proposed;              // what the Open Dictionary dialog offers
};
