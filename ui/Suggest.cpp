#include "Suggest.h"
#include "ui_Suggest.h"

#include "Cursor.h"
#include "DictionaryFile.h"
#include "DictionaryWarning.h"
#include "Grid.h"
#include "HelpViewer.h"
#include "ListModels.h"
#include "Look.h"
#include "NumraGlobal.h"
#include "Settings.h"
#include "StatusText.h"
#include "TextCodec.h"
// The core's unit of the same name, which this window's own header hides.
#include "PhraseSuggestions.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QShowEvent>

#include <cstdint>
#include <optional>

using Platform::SettingsStore;

TSuggestForm::TSuggestForm(Numra::NumraState &state, Numra::DictionaryFile &dictionary,
                           const std::string &dictionaryPath, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TSuggestForm>()), m_state(state), m_dictionary(dictionary),
      m_dictionaryPath(dictionaryPath)
{
    ui->setupUi(this);

    Grid *grid = ui->SuggestGrid;
    m_phrases = new SuggestionModel(this);
    grid->setGridModel(m_phrases);
    grid->configure(2, 1, 1);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setColWidth(0, SettingsStore::SuggestPhraseWidth.defaultValue);
    grid->setColWidth(1, SettingsStore::SuggestVanityWidth.defaultValue);
    grid->setTabKeyNavigation(false);

    ui->UseBtn->setIcon(
        Look::pictureOr(QStringLiteral(":/pictures/ok.png"), QStyle::SP_DialogOkButton, this));
    ui->CancelBtn->setIcon(Look::pictureOr(QStringLiteral(":/pictures/cancel.png"),
                                           QStyle::SP_DialogCancelButton, this));

    Platform::setHelpContext(this, Platform::SuggestHelp);
    resize(SettingsStore::SuggestWidth.defaultValue, SettingsStore::SuggestHeight.defaultValue);
    move(SettingsStore::SuggestLeft.defaultValue, SettingsStore::SuggestTop.defaultValue);

    connect(ui->UseBtn, &QPushButton::clicked, this, &TSuggestForm::UseBtnClick);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid, &Grid::rowActivated, this, &TSuggestForm::useRow);
    // Without the heading, model rows are one less than grid rows.
    connect(grid, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { useRow(index.row() + 1); });

    FormCreate();
}

TSuggestForm::~TSuggestForm() = default;

void TSuggestForm::FormCreate()
{
    ui->SuggestGrid->setCell(0, 0, tr("Phrase"));
    ui->SuggestGrid->setCell(1, 0, tr("Vanity Number"));

    const SettingsStore settings(SettingsStore::Mode::OpenExisting);
    if (!settings.isOpen())
        return;
    // A value that cannot be read ends the reading without a word; the rest keep their design.
    Grid *grid = ui->SuggestGrid;
    settings.readInOrder({
        {SettingsStore::SuggestTop, [this](int top) { move(x(), top); }},
        {SettingsStore::SuggestLeft, [this](int left) { move(left, y()); }},
        {SettingsStore::SuggestWidth, [this](int width) { resize(width, height()); }},
        {SettingsStore::SuggestHeight, [this](int height) { resize(width(), height); }},
        {SettingsStore::SuggestPhraseWidth, [grid](int width) { grid->setColWidth(0, width); }},
        {SettingsStore::SuggestVanityWidth, [grid](int width) { grid->setColWidth(1, width); }},
    });
    Look::keepOnScreen(this);
}

bool TSuggestForm::Suggest(const QString &numberText)
{
    m_state.ResetIdleCount();
    const std::string number = TextCodec::toFieldBytes(numberText);
    QElapsedTimer timer;
    timer.start();
    // The hourglass follows a successful open, as in the main window.
    std::optional<Platform::HourglassCursor> hourglass;
    const auto found = Numra::PhraseSuggestions::Collect(m_dictionary, number,
                                                         [&hourglass] { hourglass.emplace(); });
    if (found.Error() != Numra::DictionaryError::None) {
        hourglass.reset();
        showDictionaryWarning(this, found.Error(), m_dictionaryPath, "Suggest1Click");
        return false;
    }

    std::vector<SuggestedPhrase> phrases;
    for (const Numra::Suggestion &best : found.Best(ShownPhrases)) {
        SuggestedPhrase phrase{
            Numra::PhraseText(best.words), Numra::VanityForm(number, best.words), {}};
        for (const Numra::SuggestedWord &word : best.words)
            phrase.words.push_back({std::string(word.word), std::string(word.number),
                                    static_cast<std::int32_t>(word.position)});
        phrases.push_back(std::move(phrase));
    }
    const int shown = static_cast<int>(phrases.size());
    m_phrases->setPhrases(std::move(phrases), 1);
    ui->SuggestGrid->setCurrentRow(1);
    ui->SuggestGrid->scrollToTop();
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    hourglass.reset();

    QString status;
    if (shown > 0) {
        const QString secs = QString::fromStdString(
            Numra::FormatSeconds(seconds, QLocale().decimalPoint().toStdString()));
        status = found.Count() == 1 ? tr("1 complete phrase, shown in %1 secs").arg(secs)
                                    : tr("%1 complete phrases, best %2 shown in %3 secs")
                                          .arg(QString::fromStdString(Numra::PhraseCountText(
                                              found.Count(), found.ApproximateCount())))
                                          .arg(shown)
                                          .arg(secs);
    } else {
        status = QString::fromStdString(Numra::NoPhraseText(found.Why()));
    }
    ui->StatusText->setText(status);
    ui->UseBtn->setEnabled(shown > 0);
    return true;
}

void TSuggestForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The list first, so that the arrows and Enter act on the phrases at once.
    ui->SuggestGrid->setFocus();
}

void TSuggestForm::UseBtnClick()
{
    useRow(std::max(ui->SuggestGrid->currentRow(), 1));
}

void TSuggestForm::useRow(int row)
{
    m_state.ResetIdleCount();
    const SuggestedPhrase *phrase = m_phrases->phrase(row);
    if (!phrase)
        return;
    // A copy: applying the phrase runs the main window's conversion, which may show messages.
    const std::vector<Numra::PhraseSlot> words = phrase->words;
    emit phraseChosen(words);
    accept();
}

int TSuggestForm::phraseColumnWidth() const
{
    return ui->SuggestGrid->colWidth(0);
}

int TSuggestForm::vanityColumnWidth() const
{
    return ui->SuggestGrid->colWidth(1);
}
