#include "ui/Suggest.h"
#include "ui_Suggest.h"

#include "core/DictionaryFile.h"
#include "core/NumraGlobal.h"
#include "platform/Cursor.h"
#include "platform/Desktop.h"
#include "platform/HelpViewer.h"
#include "platform/Settings.h"
#include "toolkit/Grid.h"
#include "toolkit/Look.h"
#include "toolkit/TextCodec.h"
#include "ui/DictionaryWarning.h"
#include "ui/ListModels.h"

#include <QElapsedTimer>
#include <QShowEvent>

#include <cstdint>
#include <optional>

using Platform::SettingsStore;

TSuggestForm::TSuggestForm(Numra::DictionaryFile &dictionary, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TSuggestForm>()), m_dictionary(dictionary)
{
    ui->setupUi(this);

    Grid *grid = ui->SuggestGrid;
    m_phrases = new SuggestionModel(this);
    grid->setGridModel(m_phrases);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setColWidth(0, SettingsStore::SuggestPhraseWidth.defaultValue);
    grid->setColWidth(1, SettingsStore::SuggestVanityWidth.defaultValue);
    grid->setTabKeyNavigation(false);

    ui->UseBtn->setIcon(
        Look::pictureOr(QStringLiteral(":/pictures/ok.png"), QStyle::SP_DialogOkButton, this));
    ui->CopyBtn->setIcon(
        Look::pictureOr(QStringLiteral(":/pictures/copy.png"), QStyle::SP_DialogSaveButton, this));
    ui->CancelBtn->setIcon(Look::pictureOr(QStringLiteral(":/pictures/cancel.png"),
                                           QStyle::SP_DialogCancelButton, this));

    Platform::setHelpContext(this, Platform::SuggestHelp);
    resize(SettingsStore::SuggestWidth.defaultValue, SettingsStore::SuggestHeight.defaultValue);
    move(SettingsStore::SuggestLeft.defaultValue, SettingsStore::SuggestTop.defaultValue);

    connect(ui->UseBtn, &QPushButton::clicked, this, &TSuggestForm::UseBtnClick);
    connect(ui->CopyBtn, &QPushButton::clicked, this, &TSuggestForm::CopyBtnClick);
    for (QCheckBox *option : {ui->AreaCodeBox, ui->OffensiveBox})
        connect(option, &QCheckBox::clicked, this, &TSuggestForm::OptionClick);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid, &Grid::rowChosen, this, &TSuggestForm::useRow);
    connect(grid, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { useRow(index.row()); });

    FormCreate();
}

TSuggestForm::~TSuggestForm() = default;

void TSuggestForm::FormCreate()
{
    m_phrases->setHeadings({tr("Phrase"), tr("Vanity Number")});

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
        {SettingsStore::SuggestAreaCodeWords,
         [this](int checked) { ui->AreaCodeBox->setChecked(checked != 0); }},
        {SettingsStore::SuggestOffensiveWords,
         [this](int checked) { ui->OffensiveBox->setChecked(checked != 0); }},
    });
    Look::keepOnScreen(this);
}

bool TSuggestForm::Suggest(const QString &numberText, const Numra::RankingData *ranking)
{
    emit userActed();
    m_number = TextCodec::toFieldBytes(numberText);
    m_ranking = ranking;
    return rank();
}

Numra::PhraseOptions TSuggestForm::options() const
{
    return {ui->AreaCodeBox->isChecked(), ui->OffensiveBox->isChecked()};
}

bool TSuggestForm::rank()
{
    QElapsedTimer timer;
    timer.start();
    // The hourglass follows a successful open, as in the main window.
    std::optional<Platform::HourglassCursor> hourglass;
    m_found = Numra::MemorablePhrases::Collect(m_dictionary, m_number, m_ranking, options(),
                                               [&hourglass] { hourglass.emplace(); });
    const bool read = m_found->Error() == Numra::DictionaryError::None;
    std::vector<Numra::MemorablePhrase> phrases;
    if (read)
        phrases = m_found->Best(ShownPhrases);
    const int shown = static_cast<int>(phrases.size());
    m_phrases->setPhrases(std::move(phrases), 1);
    ui->SuggestGrid->setCurrentRecord(0);
    ui->SuggestGrid->scrollToTop();
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    hourglass.reset();
    ui->UseBtn->setEnabled(shown > 0);
    ui->CopyBtn->setEnabled(shown > 0);
    if (!read) {
        ui->StatusText->clear();
        showDictionaryWarning(this, m_found->Error(), m_dictionary, "Suggest1Click");
        return false;
    }
    showStatus(shown, seconds);
    return true;
}

void TSuggestForm::showStatus(int shown, double seconds)
{
    if (shown == 0) {
        ui->StatusText->setText(
            tr("No memorable phrase for %1").arg(TextCodec::fromFieldBytes(m_number)));
        return;
    }
    const QString secs = secondsText(seconds);
    ui->StatusText->setText(shown == 1
                                ? tr("1 memorable phrase in %1 secs").arg(secs)
                                : tr("%1 memorable phrases in %2 secs").arg(shown).arg(secs));
}

void TSuggestForm::OptionClick()
{
    emit userActed();
    rank();
}

void TSuggestForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The list first, so that the arrows and Enter act on the phrases at once.
    ui->SuggestGrid->setFocus();
}

int TSuggestForm::chosenRow() const
{
    return std::max(ui->SuggestGrid->currentRecord(), 0);
}

void TSuggestForm::CopyBtnClick()
{
    emit userActed();
    const Numra::MemorablePhrase *phrase = m_phrases->phrase(chosenRow());
    if (!phrase)
        return;
    const QString vanity = QString::fromStdString(phrase->vanity);
    Platform::setClipboardText(vanity);
    // Nothing else on the screen changes; the status line is what a screen reader reads.
    ui->StatusText->setText(tr("Copied: %1").arg(vanity));
}

void TSuggestForm::UseBtnClick()
{
    useRow(chosenRow());
}

void TSuggestForm::useRow(int row)
{
    emit userActed();
    const Numra::MemorablePhrase *phrase = m_phrases->phrase(row);
    if (!phrase || !m_found)
        return;
    // A copy: applying the phrase runs the main window's conversion, which may show messages.
    const Numra::PhraseForUse use = m_found->ForUse(*phrase);
    emit phraseChosen(TextCodec::fromFieldBytes(use.numberText), use.phraseSlots);
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

void TSuggestForm::SaveSettings(SettingsStore &store) const
{
    const Numra::PhraseOptions chosen = options();
    const std::pair<const Platform::IntegerSetting &, int> values[] = {
        {SettingsStore::SuggestTop, y()},
        {SettingsStore::SuggestLeft, x()},
        {SettingsStore::SuggestWidth, width()},
        {SettingsStore::SuggestHeight, height()},
        {SettingsStore::SuggestPhraseWidth, phraseColumnWidth()},
        {SettingsStore::SuggestVanityWidth, vanityColumnWidth()},
        {SettingsStore::SuggestAreaCodeWords, chosen.wordsInAreaCode},
        {SettingsStore::SuggestOffensiveWords, chosen.offensive},
    };
    for (const auto &[setting, value] : values)
        store.writeInteger(setting, value);
}
