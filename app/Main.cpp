#include "app/Main.h"
#include "ui_Main.h"

#include "platform/Cursor.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"
#include "platform/Settings.h"
#include "toolkit/ErrorLogger.h"
#include "toolkit/Grid.h"
#include "toolkit/Look.h"
#include "toolkit/TextCodec.h"
#include "ui/AboutNumra.h"
#include "ui/AffixUnit.h"
#include "ui/DictionaryInUse.h"
#include "ui/DictionaryWarning.h"
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
#include <QMenu>
#include <QScreen>

using Platform::SettingsStore;

TMainForm::TMainForm(Numra::NumraState &state, WindowState &window, const QString &dictionary,
                     QWidget *parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::TMainForm>()), m_state(state),
      m_window(window), m_editor(m_field, state), m_dictionary(this), m_givenDictionary(dictionary)
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
    setupGrids();
    setupPointers();
    connectHandlers();
    FormCreate();
    createSecondaryWindows();
}

TMainForm::~TMainForm() = default;

void TMainForm::createSecondaryWindows()
{
    m_windows.emplace(this, m_dictionary.file(), [this] { m_window.ResetIdleCount(); });
    connect(m_windows->affix, &TAffixForm::affixConfirmed, this, &TMainForm::AffixOkBtnClick);
    connect(m_windows->suggest, &TSuggestForm::phraseChosen, this, &TMainForm::SuggestionChosen);
}

QString TMainForm::DictionaryPath() const
{
    return m_dictionary.name();
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
    for (Grid *grid : {m_ui->PossibleGrid, m_ui->SelectedGrid}) {
        grid->setColWidth(0, SettingsStore::WordWidth.defaultValue);
        grid->setColWidth(1, SettingsStore::NumberWidth.defaultValue);
    }
    m_ui->AffixGrid->setColWidth(0, 58);
    m_ui->AffixGrid->setColWidth(1, 46);

    m_ui->Edit->setFont(Look::withPixelSize(QGuiApplication::font(), 16));
    // The caption has to fit the narrow column at its 13-pixel size whatever the system font.
    QFont affixCaption = Look::withPixelSize(QGuiApplication::font(), 13);
    affixCaption.setLetterSpacing(QFont::PercentageSpacing, 92);
    m_ui->PotentialAffixes->setFont(affixCaption);
    m_ui->SelectedWordLabel->setFont(Look::withPixelSize(QGuiApplication::font(), 16));
    m_ui->SelectedWordLabel->setBackgroundRole(QPalette::Base);
    m_ui->ConvertBox->setFont(Look::withPixelSize(QGuiApplication::font(), 13));
    m_ui->Splitter->setSizes({1000, SettingsStore::SelectedPanelHeight.defaultValue});
    for (QPushButton *button : {m_ui->ConvertBtn, m_ui->ClearBtn, m_ui->CopyBtn, m_ui->LookupBtn})
        Look::dropPictureIfCrowded(button);
}

void TMainForm::setupPointers()
{
    m_pointers = std::make_unique<IdlePointers>(
        this, m_ui->Panel6,
        std::array<QWidget *, 4>{m_ui->ConvertBtn, m_ui->ClearBtn, m_ui->CopyBtn, m_ui->LookupBtn},
        m_window);
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
    Look::setDefaultButton(this, ui.ConvertBtn);

    // Every release in a list is the user's doing, whether or not it chooses a row; a release
    // after the candidates or the phrase scrolled under the pointer chooses nothing.
    const auto resetIdleCount = [this] { m_window.ResetIdleCount(); };
    for (Grid *grid : {ui.PossibleGrid, ui.SelectedGrid, ui.AffixGrid})
        connect(grid, &Grid::mouseUp, this, resetIdleCount);
    ui.PossibleGrid->setReleaseChooses(Grid::ReleaseChooses::UnlessScrolled);
    ui.SelectedGrid->setReleaseChooses(Grid::ReleaseChooses::UnlessScrolled);
    ui.AffixGrid->setReleaseChooses(Grid::ReleaseChooses::Always);
    connect(ui.PossibleGrid, &Grid::rowChosen, this, &TMainForm::PossibleGridRowChosen);
    connect(ui.SelectedGrid, &Grid::rowChosen, this, &TMainForm::SelectedGridRowChosen);
    connect(ui.AffixGrid, &Grid::rowChosen, this, &TMainForm::AffixGridRowChosen);
    for (Grid *grid : {ui.PossibleGrid, ui.SelectedGrid})
        connect(grid, &Grid::colWidthsChanged, this, [this, grid] { GridColWidthsChanged(grid); });

    Platform::setHelpContext(this, Platform::MainWindowHelp);
    Platform::setHelpContext(ui.File1, Platform::FileMenuHelp);
    Platform::setHelpContext(ui.Help1, Platform::HelpMenuHelp);
    Platform::setHelpContext(ui.Phrases1, Platform::PhrasesMenuHelp);
}

void TMainForm::FormCreate()
{
    SetUpErrorReports();
    const bool firstRun = LoadSettings();
    m_state.SelectedPhrase.MarkUncleared();
    m_gridsReady = true;
    // Named on the command line, it was asked for: the user hears why another is asked for.
    if (!m_givenDictionary.isEmpty() && !DictionaryInUse::canOpen(m_dictionary.file().Path()))
        Platform::showWarning(this, tr("Can Not Open %1").arg(DictionaryPath()));
    m_dictionary.readAffixes(firstRun);
    // A dictionary chosen in the dialog during start-up belongs in the caption at once.
    updateCaption();
}

bool TMainForm::LoadSettings()
{
    m_dictionary.bind({});
    bool failed = false;
    bool firstRun = false;
    {
        const SettingsStore store(SettingsStore::Mode::OpenExisting);
        firstRun = !store.isOpen();
        failed = store.isOpen() && !readMainSettings(store);
    }
    if (failed) {
        // What was applied before the failure may have put the window off every screen.
        Look::keepOnScreen(this);
        // A dictionary given on the command line needs no asking for.
        if (m_givenDictionary.isEmpty())
            m_dictionary.choose();
    }
    if (!m_givenDictionary.isEmpty())
        m_dictionary.bind(m_givenDictionary);
    updateCaption();
    return firstRun;
}

// Applies each value as it is read; false at the first that is missing or unreadable.
bool TMainForm::readMainSettings(const SettingsStore &store)
{
    // Written while no dictionary was open, the name stands for none, not for a file.
    const QString dictionary = store.readString(SettingsStore::Dictionary);
    if (dictionary != QLatin1String(NoDictionaryOpen))
        m_dictionary.bind(dictionary);
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
        const std::string &dictionary = m_dictionary.file().Path();
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
        m_windows->SaveSettings(store);
        store.flush();
    }
    m_windows->notify->ShowNotifyForm();
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->Edit && event->type() == QEvent::FocusIn &&
        Look::entersByUser(static_cast<QFocusEvent *>(event)->reason()))
        EditEnter();
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::Open1Click()
{
    m_window.ResetIdleCount();
    if (!m_dictionary.choose())
        return;
    m_dictionary.readAffixes(false);
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
    Platform::execModal(m_windows->about);
}

void TMainForm::Notify1Click()
{
    Platform::execModal(m_windows->notify);
}

void TMainForm::Suggest1Click()
{
    m_window.ResetIdleCount();
    if (m_windows->suggest->Suggest(m_ui->Edit->text(), m_dictionary.rankingData()))
        Platform::execModal(m_windows->suggest);
}

void TMainForm::RankNumbers1Click()
{
    m_window.ResetIdleCount();
    if (m_windows->rank->OpenList(m_dictionary.file().Path()))
        Platform::execModal(m_windows->rank);
}

void TMainForm::LookupBtnClick()
{
    m_window.ResetIdleCount();
    Platform::execModal(m_windows->lookup);
}
