#include "ui/LookUp.h"
#include "ui_LookUp.h"

#include "toolkit/Look.h"

#include "core/DictionaryFile.h"
#include "core/LookupPass.h"
#include "core/NumraGlobal.h"
#include "platform/Cursor.h"
#include "platform/Desktop.h"
#include "platform/HelpViewer.h"
#include "platform/Settings.h"
#include "toolkit/TextCodec.h"
#include "ui/DictionaryWarning.h"
#include "ui/ListModels.h"

#include <QElapsedTimer>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cstdint>
#include <optional>

using Platform::SettingsStore;

namespace {

// Rows the grid shows even when fewer numbers are found.
constexpr int DesignRows = 20;
constexpr int DesignColumnWidth = 180;

} // namespace

TLookupForm::TLookupForm(Numra::DictionaryFile &dictionary, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TLookupForm>()), m_dictionary(dictionary)
{
    ui->setupUi(this);
    ui->WordToConvert->setFont(Look::withPixelSize(font(), 16));
    ui->StaticText1->setFont(Look::withPixelSize(font(), 19, true));

    Grid *grid = ui->ConvertedGrid;
    m_results = new LookupResultModel(this);
    grid->setGridModel(m_results);
    m_results->setHeadings({tr("Numeric Equivalent")});
    m_results->setShownRows(DesignRows);
    grid->setColWidth(0, DesignColumnWidth);
    grid->setTabKeyNavigation(false);

    Platform::setHelpContext(this, Platform::LookupHelp);
    setFixedSize(size().expandedTo(minimumSizeHint()));
    move(SettingsStore::LookupLeft.defaultValue, SettingsStore::LookupTop.defaultValue);

    connect(ui->WordToConvert, &QLineEdit::textChanged, this, &TLookupForm::WordToConvertChange);
    ui->WordToConvert->installEventFilter(this);
    connect(ui->ConvertBtn, &QPushButton::clicked, this, &TLookupForm::ConvertBtnClick);
    connect(ui->ClearBtn, &QPushButton::clicked, this, &TLookupForm::ClearBtnClick);
    connect(ui->CopyBtn, &QPushButton::clicked, this, &TLookupForm::CopyBtnClick);
    connect(ui->CancelLookUpBtn, &QPushButton::clicked, this, &TLookupForm::CancelLookUpBtnClick);
    // A click on the row that is already current moves nothing, so clicks count as well as
    // moves of the current cell; Enter and Space on a row count as a click on it.
    connect(grid, &Grid::cellClicked, this, [this](int, int row) { ConvertedGridClick(row); });
    connect(grid, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { ConvertedGridClick(index.row()); });
    connect(grid, &Grid::rowChosen, this, &TLookupForm::ConvertedGridClick);

    FormCreate();
}

TLookupForm::~TLookupForm() = default;

void TLookupForm::SaveSettings(SettingsStore &store) const
{
    store.writeInteger(SettingsStore::LookupTop, y());
    store.writeInteger(SettingsStore::LookupLeft, x());
}

bool TLookupForm::eventFilter(QObject *watched, QEvent *event)
{
    // Entering the field from another control counts; the window becoming active again (after
    // a message box, or when it is shown once more) does not, so the results survive that.
    if (watched == ui->WordToConvert && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            WordToConvertChange();
    }
    return QDialog::eventFilter(watched, event);
}

void TLookupForm::FormCreate()
{
    const SettingsStore settings(SettingsStore::Mode::OpenExisting);
    if (!settings.isOpen())
        return;
    // A value that cannot be read ends the reading without a word; the rest keep their design.
    settings.readInOrder({
        {SettingsStore::LookupTop, [this](int top) { move(x(), top); }},
        {SettingsStore::LookupLeft, [this](int left) { move(left, y()); }},
    });
    // Shown modally off every screen, it would leave the user with a program that answers
    // nothing.
    Look::keepOnScreen(this);
}

void TLookupForm::WordToConvertChange()
{
    emit userActed();
    if (!ui->WordToConvert->isModified())
        return;
    clearResults();
    ui->CopyBtn->setEnabled(false);
    const std::string typed = TextCodec::toDictionary(ui->WordToConvert->text());
    ui->ConvertBtn->setEnabled(!Numra::Trim(typed).empty());
}

void TLookupForm::ConvertBtnClick()
{
    emit userActed();
    const std::string typed = TextCodec::toDictionary(ui->WordToConvert->text());
    const bool copyWasEnabled = ui->CopyBtn->isEnabled();

    // The hourglass follows a successful open, as in the main window.
    std::optional<Platform::HourglassCursor> hourglass;
    QElapsedTimer timer;
    timer.start();
    const Numra::LookupOutcome outcome =
        Numra::RunLookup(m_dictionary, typed, [&hourglass] { hourglass.emplace(); });
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;

    if (outcome.error == Numra::DictionaryError::ReadError) {
        // What was found before the failure stays listed; the Copy button is left alone.
        showResults(outcome.numbers, false);
        ui->CopyBtn->setEnabled(copyWasEnabled);
    }
    if (outcome.error != Numra::DictionaryError::None) {
        hourglass.reset();
        showDictionaryWarning(this, outcome.error, m_dictionary, "ConvertBtnClick");
        return;
    }

    showResults(outcome.numbers, true);
    // With several numbers the user picks one first (ConvertedGridClick).
    ui->CopyBtn->setEnabled(outcome.numbers.size() == 1);
    hourglass.reset();

    // The bar's one message, so that the text is actually seen.
    ui->StatusBar1->showMessage(conversionStatusText(
        static_cast<std::int64_t>(outcome.numbers.size()), outcome.examined, seconds));
}

void TLookupForm::ConvertedGridClick(int row)
{
    emit userActed();
    ui->CopyBtn->setEnabled(m_results->number(row) != nullptr);
}

void TLookupForm::CopyBtnClick()
{
    emit userActed();
    const std::string *number = m_results->number(std::max(ui->ConvertedGrid->currentRecord(), 0));
    if (!number)
        return;
    // The word goes as typed, untrimmed and in its own case.
    Platform::setClipboardText(TextCodec::fromDictionary(Numra::Trim(*number)) +
                               QStringLiteral(", ") + ui->WordToConvert->text());
}

void TLookupForm::ClearBtnClick()
{
    emit userActed();
    // setText, unlike clear(), leaves the field unmodified.
    ui->WordToConvert->setText(QString());
    clearResults();
    ui->ConvertBtn->setEnabled(false);
    ui->CopyBtn->setEnabled(false);
}

void TLookupForm::CancelLookUpBtnClick()
{
    emit userActed();
    reject();
}

void TLookupForm::clearResults()
{
    m_results->setNumbers({}, false, DesignRows);
}

void TLookupForm::showResults(const std::vector<std::string> &numbers, bool complete)
{
    // Every distinct number is listed; the grid grows to hold them all. Only a pass that read
    // the whole dictionary can say that nothing was found.
    m_results->setNumbers(numbers, complete, DesignRows);
    Grid *grid = ui->ConvertedGrid;
    grid->setCurrentRecord(0);
    grid->scrollToTop();
}
