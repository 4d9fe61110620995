#include "app/Main.h"
#include "ui_Main.h"

#include "platform/Cursor.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"
#include "platform/Settings.h"
#include "toolkit/DictionaryMaker.h"
#include "toolkit/DictionaryWarning.h"
#include "toolkit/ErrorLogger.h"
#include "toolkit/Grid.h"
#include "toolkit/Look.h"
#include "toolkit/TextCodec.h"
#include "toolkit/Translations.h"
#include "ui/AboutNumra.h"
#include "ui/AffixUnit.h"
#include "ui/ExceptionUnit.h"
#include "ui/ListModels.h"
#include "ui/LookUp.h"
#include "ui/Notify.h"
#include "ui/RankNumbers.h"
#include "ui/ReportClosing.h"
#include "ui/Suggest.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

using Platform::SettingsStore;

TMainForm::TMainForm(Numra::NumraState &state, WindowState &window, const QString &dictionary,
                     QWidget *parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::TMainForm>()), m_state(state),
      m_window(window), m_givenDictionary(dictionary)
{
    m_ui->setupUi(this);
    m_field = NumberField(m_ui->Edit);
    move(SettingsStore::FormLeft.defaultValue, SettingsStore::FormTop.defaultValue);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/pictures/numra.png")));
    m_statusText = new QLabel(this);
    m_statusText->setTextFormat(Qt::PlainText);
    // No accessible name of its own: a screen reader then reads the status text itself.
    m_statusText->setAccessibleDescription(tr("Status"));
    m_ui->StatusBar1->addWidget(m_statusText, 1);
    m_proposedDictionary = TextCodec::dataFilePath(QStringLiteral("Numra Dictionary.txt"));
    setupGrids();
    setupPointers();
    connectHandlers();
    FormCreate();
    createSecondaryWindows();
}

// The secondary windows read this window's dictionary and path: they go first.
TMainForm::~TMainForm()
{
    for (QDialog *window :
         std::initializer_list<QDialog *>{m_rankForm, m_suggestForm, m_notifyForm, m_exceptionForm,
                                          m_affixForm, m_aboutForm, m_lookupForm})
        delete window;
}

// In the program's fixed order, each reading its own settings as it is made.
void TMainForm::createSecondaryWindows()
{
    m_lookupForm = new TLookupForm(m_dictionaryFile, this);
    m_aboutForm = new TAboutForm(this);
    m_affixForm = new TAffixForm(this);
    m_exceptionForm = new TExceptionForm(this);
    m_notifyForm = new TNotifyForm(this);
    m_suggestForm = new TSuggestForm(m_dictionaryFile, this);
    m_rankForm = new TRankForm(this);
    const auto resetIdleCount = [this] { m_window.ResetIdleCount(); };
    connect(m_lookupForm, &TLookupForm::userActed, this, resetIdleCount);
    connect(m_aboutForm, &TAboutForm::userActed, this, resetIdleCount);
    connect(m_suggestForm, &TSuggestForm::userActed, this, resetIdleCount);
    connect(m_rankForm, &TRankForm::userActed, this, resetIdleCount);
    connect(m_affixForm, &TAffixForm::affixConfirmed, this, &TMainForm::AffixOkBtnClick);
    connect(m_suggestForm, &TSuggestForm::phraseChosen, this, &TMainForm::SuggestionChosen);
}

QString TMainForm::DictionaryPath() const
{
    return dictionaryName(m_dictionaryFile);
}

QString TMainForm::statusText() const
{
    return m_statusText->text();
}

void TMainForm::setupGrids()
{
    m_candidates = new CandidateModel(this);
    m_ui->PossibleGrid->setGridModel(m_candidates);
    m_phrase = new PhraseModel(m_state.SelectedPhrase, this);
    m_ui->SelectedGrid->setGridModel(m_phrase);
    m_affixes = new AffixModel(this);
    m_ui->AffixGrid->setGridModel(m_affixes);
    m_candidates->setHeadings({tr("Candidate Word"), tr("Represents")});
    m_phrase->setHeadings({tr("Selected Word"), tr("Represents")});
    m_affixes->setHeadings({tr("Prefix or Suffix"), tr("Represents")});
    m_candidates->setShownRows(CandidateRows);
    m_phrase->setShownRows(SelectedRows);
    m_affixes->setShownRows(AffixRows);
    m_ui->SelectedGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_ui->SelectedGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ui->AffixGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (Grid *grid : {m_ui->PossibleGrid, m_ui->SelectedGrid}) {
        grid->setColWidth(0, SettingsStore::WordWidth.defaultValue);
        grid->setColWidth(1, SettingsStore::NumberWidth.defaultValue);
    }
    m_ui->AffixGrid->setColWidth(0, 58);
    m_ui->AffixGrid->setColWidth(1, 46);
    // The splitter's least pane size; neither list can be dragged smaller.
    for (QWidget *pane : {m_ui->PossiblePanel, m_ui->SelectedPanel})
        pane->setMinimumHeight(std::max(pane->minimumHeight(), 58));

    m_ui->Edit->setFont(Look::withPixelSize(QGuiApplication::font(), 16));
    // The caption has to fit the narrow column at its 13-pixel size whatever the system font.
    QFont affixCaption = Look::withPixelSize(QGuiApplication::font(), 13);
    affixCaption.setLetterSpacing(QFont::PercentageSpacing, 92);
    m_ui->PotentialAffixes->setFont(affixCaption);
    m_ui->SelectedWordLabel->setFont(Look::withPixelSize(QGuiApplication::font(), 16));
    m_ui->SelectedWordLabel->setBackgroundRole(QPalette::Base);
    m_ui->ConvertBox->setFont(Look::withPixelSize(QGuiApplication::font(), 13));
    m_ui->Splitter->setStretchFactor(0, 1);
    m_ui->Splitter->setStretchFactor(1, 0);
    m_ui->Splitter->setSizes({1000, SettingsStore::SelectedPanelHeight.defaultValue});
    for (QPushButton *button : {m_ui->ConvertBtn, m_ui->ClearBtn, m_ui->CopyBtn, m_ui->LookupBtn})
        Look::dropPictureIfCrowded(button);
}

void TMainForm::setupPointers()
{
    m_pointers = std::make_unique<IdlePointers>(
        m_ui->Panel6,
        std::array<QWidget *, 4>{m_ui->ConvertBtn, m_ui->ClearBtn, m_ui->CopyBtn, m_ui->LookupBtn});
    auto *timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(1000);
    connect(timer, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    timer->start();
}

void TMainForm::connectHandlers()
{
    const auto &ui = *m_ui;
    connect(ui.ConvertBtn, &QPushButton::clicked, this, &TMainForm::ConvertBtnClick);
    connect(ui.ClearBtn, &QPushButton::clicked, this, &TMainForm::ClearBtnClick);
    connect(ui.CopyBtn, &QPushButton::clicked, this, &TMainForm::CopyBtnClick);
    connect(ui.LookupBtn, &QPushButton::clicked, this, &TMainForm::LookupBtnClick);
    // Only checking a placement that was not checked runs the search.
    const QList<QAbstractButton *> placements{ui.LeftBtn, ui.RightBtn, ui.AnyPointBtn};
    for (QAbstractButton *button : placements) {
        connect(button, &QAbstractButton::toggled, this, [this, placements](bool checked) {
            if (!checked)
                return;
            Look::tabOnlyToChecked(placements);
            ConvertBtnClick();
        });
    }
    Look::tabOnlyToChecked(placements);
    connect(ui.Open1, &QAction::triggered, this, &TMainForm::Open1Click);
    connect(ui.Exit1, &QAction::triggered, this, &TMainForm::Exit1Click);
    connect(ui.Contents1, &QAction::triggered, this, &TMainForm::Contents1Click);
    connect(ui.About1, &QAction::triggered, this, &TMainForm::About1Click);
    connect(ui.Notify1, &QAction::triggered, this, &TMainForm::Notify1Click);
    connect(ui.Suggest1, &QAction::triggered, this, &TMainForm::Suggest1Click);
    connect(ui.RankNumbers1, &QAction::triggered, this, &TMainForm::RankNumbers1Click);
    connect(ui.Edit, &QLineEdit::textChanged, this, &TMainForm::EditChange);
    ui.Edit->installEventFilter(this);

    // Every release in a list is the user's doing, whether or not it chooses a row; a release
    // after the candidates or the phrase scrolled under the pointer chooses nothing.
    const auto resetIdleCount = [this] { m_window.ResetIdleCount(); };
    Grid *possible = ui.PossibleGrid;
    possible->setReleaseChooses(Grid::ReleaseChooses::UnlessScrolled);
    connect(possible, &Grid::mouseUp, this, resetIdleCount);
    connect(possible, &Grid::rowChosen, this, &TMainForm::PossibleGridRowChosen);
    connect(possible, &Grid::colWidthsChanged, this, &TMainForm::PossibleGridColWidthsChanged);
    Grid *selected = ui.SelectedGrid;
    selected->setReleaseChooses(Grid::ReleaseChooses::UnlessScrolled);
    connect(selected, &Grid::mouseUp, this, resetIdleCount);
    connect(selected, &Grid::rowChosen, this, &TMainForm::SelectedGridRowChosen);
    connect(selected, &Grid::colWidthsChanged, this, &TMainForm::SelectedGridColWidthsChanged);
    Grid *affixes = ui.AffixGrid;
    affixes->setReleaseChooses(Grid::ReleaseChooses::Always);
    connect(affixes, &Grid::mouseUp, this, resetIdleCount);
    connect(affixes, &Grid::rowChosen, this, &TMainForm::AffixGridRowChosen);

    Platform::setHelpContext(this, Platform::MainWindowHelp);
    Platform::setHelpContext(ui.File1, Platform::FileMenuHelp);
    Platform::setHelpContext(ui.Help1, Platform::HelpMenuHelp);
    Platform::setHelpContext(ui.Phrases1, Platform::PhrasesMenuHelp);
}

void TMainForm::FormCreate()
{
    ErrorLogger &logger = ErrorLogger::instance();
    logger.setIcon(QMessageBox::Critical);
    // By its name alone: the logger puts it beside the program, whatever the folder is called.
    logger.setLogFile(QStringLiteral("Numra Error.Log"));
    logger.setShowDetails(true);
    logger.setExtraLinesCallback([](QStringList &lines) {
        ReportClosingLines(lines, ErrorLogger::instance().currentLogDirectory());
    });
    logger.setExtraPageTitle(tr("How To Report Error"));
    logger.setExtraPageEnabled(true);

    LoadSettings();
    m_state.SelectedPhrase.MarkUncleared();
    m_ui->Edit->setMaxLength(100);
    m_gridsReady = true;
    // Named on the command line, it was asked for: the user hears why another is asked for.
    if (!m_givenDictionary.isEmpty() && !canOpen(m_dictionaryFile.Path()))
        Platform::showWarning(this, tr("Can Not Open %1").arg(DictionaryPath()));
    BuildAffixTable();
    // A dictionary chosen in the dialog during start-up belongs in the caption at once.
    updateCaption();
}

void TMainForm::LoadSettings()
{
    m_dictionaryFile.Bind({});
    bool failed = false;
    {
        const SettingsStore store(SettingsStore::Mode::OpenExisting);
        m_firstRun = !store.isOpen();
        failed = store.isOpen() && !readMainSettings(store);
    }
    if (failed) {
        // What was applied before the failure may have put the window off every screen.
        Look::keepOnScreen(this);
        // A dictionary given on the command line needs no asking for.
        if (m_givenDictionary.isEmpty())
            OpenDictionary();
    }
    if (!m_givenDictionary.isEmpty())
        m_dictionaryFile.Bind(TextCodec::toPathBytes(m_givenDictionary));
    updateCaption();
}

// Applies each value as it is read; false at the first that is missing or unreadable.
bool TMainForm::readMainSettings(const SettingsStore &store)
{
    // Written while no dictionary was open, the name stands for none, not for a file.
    const QString dictionary = store.readString(SettingsStore::Dictionary);
    if (dictionary != QLatin1String(NoDictionaryOpen))
        m_dictionaryFile.Bind(TextCodec::toPathBytes(dictionary));
    const auto setColumnWidth = [this](int column, int width) {
        m_ui->PossibleGrid->setColWidth(column, width);
        m_ui->SelectedGrid->setColWidth(column, m_ui->PossibleGrid->colWidth(column));
    };
    return store.readInOrder({
        {SettingsStore::FormTop, [this](int top) { move(x(), top); }},
        {SettingsStore::FormLeft, [this](int left) { move(left, y()); }},
        {SettingsStore::FormWidth, [this](int width) { resize(width, height()); }},
        {SettingsStore::FormHeight,
         [this](int height) {
             resize(width(), height);
             Look::keepOnScreen(this);
         }},
        {SettingsStore::SelectedPanelHeight,
         [this](int panelHeight) {
             // Within the window's height, so that the list above the panel keeps a row.
             const int selectedHeight = std::clamp(panelHeight, 0, height());
             m_ui->Splitter->setSizes({std::max(1, height() - selectedHeight), selectedHeight});
         }},
        {SettingsStore::WordWidth, [&](int width) { setColumnWidth(0, width); }},
        {SettingsStore::NumberWidth, [&](int width) { setColumnWidth(1, width); }},
    });
}

void TMainForm::updateCaption()
{
    setWindowTitle(tr("Numra %1").arg(DictionaryPath()));
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // A settings store that cannot be written is reported, and the program still ends.
    try {
        FormClose();
    } catch (...) {
        ErrorLogger::instance().reportCurrentException();
    }
    // Exit ends the program, which the help window alone would keep running.
    Platform::closeHelp();
    event->accept();
}

void TMainForm::FormClose()
{
    {
        SettingsStore store(SettingsStore::Mode::Create);
        const std::string &dictionary = m_dictionaryFile.Path();
        store.writeString(SettingsStore::Dictionary, dictionary.empty()
                                                         ? QString::fromLatin1(NoDictionaryOpen)
                                                         : TextCodec::fromPathBytes(dictionary));
        const std::pair<const Platform::IntegerSetting &, int> values[] = {
            {SettingsStore::FormTop, y()},
            {SettingsStore::FormLeft, x()},
            {SettingsStore::FormWidth, width()},
            {SettingsStore::FormHeight, height()},
            {SettingsStore::SelectedPanelHeight, m_ui->SelectedPanel->height()},
            {SettingsStore::WordWidth, m_ui->PossibleGrid->colWidth(0)},
            {SettingsStore::NumberWidth, m_ui->PossibleGrid->colWidth(1)},
        };
        for (const auto &[setting, value] : values)
            store.writeInteger(setting, value);
        m_lookupForm->SaveSettings(store);
        m_affixForm->SaveSettings(store);
        m_suggestForm->SaveSettings(store);
        m_rankForm->SaveSettings(store);
        store.flush();
    }
    m_notifyForm->ShowNotifyForm();
}

void TMainForm::keyPressEvent(QKeyEvent *event)
{
    // Enter anywhere in the window converts, as the default button of a dialog would; a
    // focused push button takes it as a click of its own (a placement button does not).
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *button = qobject_cast<QPushButton *>(QApplication::focusWidget());
            button && button != m_ui->ConvertBtn) {
            button->click();
            return;
        }
        if (m_ui->ConvertBtn->isEnabled()) {
            ConvertBtnClick();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->Edit && event->type() == QEvent::FocusIn &&
        Look::entersByUser(static_cast<QFocusEvent *>(event)->reason()))
        EditEnter();
    return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::canOpen(const std::string &path) const
{
    Numra::DictionaryFile probe(path);
    return probe.Reset();
}

bool TMainForm::OpenDictionary()
{
    const Platform::OpenFileRequest request{tr("Open Dictionary"), tr("Text Documents (*.txt)"),
                                            m_proposedDictionary};
    const std::optional<QString> chosen = Platform::getOpenFileName(this, request);
    // The dictionary in use is kept on a cancel or a failed open as long as it can still be
    // read, so that it is not forgotten at exit.
    const std::string previous = m_dictionaryFile.Path();
    const auto keepPrevious = [&] { m_dictionaryFile.Bind(canOpen(previous) ? previous : ""); };
    if (!chosen) {
        keepPrevious();
        return false;
    }
    m_proposedDictionary = *chosen;
    m_dictionaryFile.Bind(TextCodec::toPathBytes(*chosen));
    if (!m_dictionaryFile.Reset()) {
        showDictionaryWarning(this, Numra::DictionaryError::CouldNotOpen, m_dictionaryFile,
                              "Open1Click");
        keepPrevious();
        return false;
    }
    return true;
}

void TMainForm::BuildAffixTable()
{
    Numra::DictionaryError error = Numra::ReadAffixTable(m_dictionaryFile, m_affixTable);
    if (error == Numra::DictionaryError::CouldNotOpen) {
        if (!(m_firstRun && MakeLanguageDictionary()) && !OpenDictionary()) {
            m_affixTable.clear();
            return;
        }
        error = Numra::ReadAffixTable(m_dictionaryFile, m_affixTable);
    }
    if (error == Numra::DictionaryError::ReadError)
        showDictionaryWarning(this, error, m_dictionaryFile, "BuildAffixTable");
}

bool TMainForm::MakeLanguageDictionary()
{
    const QString language = Translations::current();
    if (!DictionaryMaker::canMake(language))
        return false;
    const QString text =
        tr("Numra can make a dictionary in %1 from your system's word list. Make it now, or "
           "choose a dictionary file?")
            .arg(QLocale(language).nativeLanguageName());
    if (Platform::askChoice(this, tr("Open Dictionary"), text,
                            {tr("&Make Dictionary"), tr("&Choose File...")}) != 0)
        return false;
    const DictionaryMaker::Outcome made = DictionaryMaker::make(this, language);
    if (made.path.isEmpty()) {
        Platform::showWarning(this, tr("The dictionary could not be made: %1").arg(made.error));
        return false;
    }
    m_dictionaryFile.Bind(TextCodec::toPathBytes(made.path));
    m_proposedDictionary = made.path;
    return true;
}

void TMainForm::Open1Click()
{
    m_window.ResetIdleCount();
    if (!OpenDictionary())
        return;
    // Opened again, the same dictionary may have new ranking data beside it.
    m_ranking.reset();
    BuildAffixTable();
    updateCaption();
    ConvertBtnClick();
}

void TMainForm::Exit1Click()
{
    close();
}

void TMainForm::Contents1Click()
{
    Platform::showHelp(Platform::applicationHelpFile());
}

void TMainForm::About1Click()
{
    m_window.ResetIdleCount();
    Platform::execModal(m_aboutForm);
}

void TMainForm::Notify1Click()
{
    Platform::execModal(m_notifyForm);
}

void TMainForm::Suggest1Click()
{
    m_window.ResetIdleCount();
    if (m_suggestForm->Suggest(m_ui->Edit->text(), rankingData()))
        Platform::execModal(m_suggestForm);
}

void TMainForm::RankNumbers1Click()
{
    m_window.ResetIdleCount();
    if (m_rankForm->OpenList(m_dictionaryFile.Path()))
        Platform::execModal(m_rankForm);
}

void TMainForm::LookupBtnClick()
{
    m_window.ResetIdleCount();
    Platform::execModal(m_lookupForm);
}

void TMainForm::Timer1Timer()
{
    m_pointers->Tick(m_window);
}
