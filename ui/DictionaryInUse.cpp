#include "ui/DictionaryInUse.h"

#include "platform/Dialogs.h"
#include "toolkit/DictionaryMaker.h"
#include "toolkit/TextCodec.h"
#include "toolkit/Translations.h"
#include "ui/DictionaryWarning.h"

#include <QLocale>

DictionaryInUse::DictionaryInUse(QWidget *window)
    : m_window(window), m_proposed(TextCodec::dataFilePath(QStringLiteral("Numra Dictionary.txt")))
{}

QString DictionaryInUse::name() const
{
    return dictionaryName(m_file);
}

void DictionaryInUse::bind(const QString &path)
{
    m_file.Bind(TextCodec::toPathBytes(path));
}

bool DictionaryInUse::canOpen(const std::string &path)
{
    Numra::DictionaryFile probe(path);
    return probe.Reset();
}

bool DictionaryInUse::choose()
{
    const Platform::OpenFileRequest request{tr("Open Dictionary"), tr("Text Documents (*.txt)"),
                                            m_proposed};
    const std::optional<QString> chosen = Platform::getOpenFileName(m_window, request);
    // On a cancel or a failed open the dictionary in use is kept while it can still be read, so
    // that it is not forgotten at exit.
    const std::string previous = m_file.Path();
    const auto keepPrevious = [&] { m_file.Bind(canOpen(previous) ? previous : ""); };
    if (!chosen) {
        keepPrevious();
        return false;
    }
    m_proposed = *chosen;
    bind(*chosen);
    if (!m_file.Reset()) {
        showDictionaryWarning(m_window, Numra::DictionaryError::CouldNotOpen, m_file, "Open1Click");
        keepPrevious();
        return false;
    }
    // Opened again, the same dictionary may have new ranking data beside it.
    m_ranking.reset();
    return true;
}

void DictionaryInUse::readAffixes(bool firstRun)
{
    Numra::DictionaryError error = Numra::ReadAffixTable(m_file, m_affixTable);
    if (error == Numra::DictionaryError::CouldNotOpen) {
        if (!(firstRun && makeLanguageDictionary()) && !choose()) {
            m_affixTable.clear();
            return;
        }
        error = Numra::ReadAffixTable(m_file, m_affixTable);
    }
    if (error == Numra::DictionaryError::ReadError)
        showDictionaryWarning(m_window, error, m_file, "BuildAffixTable");
}

bool DictionaryInUse::makeLanguageDictionary()
{
    const QString language = Translations::current();
    if (!DictionaryMaker::canMake(language))
        return false;
    const QString text =
        tr("Numra can make a dictionary in %1 from your system's word list. Make it now, or "
           "choose a dictionary file?")
            .arg(QLocale(language).nativeLanguageName());
    if (Platform::askChoice(m_window, tr("Open Dictionary"), text,
                            {tr("&Make Dictionary"), tr("&Choose File...")}) != 0)
        return false;
    const DictionaryMaker::Outcome made = DictionaryMaker::make(m_window, language);
    if (made.path.isEmpty()) {
        Platform::showWarning(m_window, tr("The dictionary could not be made: %1").arg(made.error));
        return false;
    }
    bind(made.path);
    m_proposed = made.path;
    return true;
}

const Numra::RankingData *DictionaryInUse::rankingData()
{
    if (!m_ranking || m_rankingDictionary != m_file.Path()) {
        m_rankingDictionary = m_file.Path();
        m_ranking = Numra::RankingData::Read(Numra::RankingPathFor(m_rankingDictionary));
    }
    return &*m_ranking;
}
