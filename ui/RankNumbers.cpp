#include "ui/RankNumbers.h"
#include "ui_RankNumbers.h"

#include "core/DictionaryFile.h"
#include "core/DictionaryIndex.h"
#include "core/FilePaths.h"
#include "core/RankingData.h"
#include "core/TextEncoding.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"
#include "platform/Settings.h"
#include "toolkit/Grid.h"
#include "toolkit/Look.h"
#include "toolkit/TextCodec.h"
#include "ui/DictionaryWarning.h"
#include "ui/ListModels.h"

#include <QSaveFile>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

using Platform::SettingsStore;

namespace {

constexpr auto PostEvery = std::chrono::milliseconds(200);

// A CSV field, quoted where it holds a comma, a quote or a line break. A field a spreadsheet
// would run as a formula (=, +, -, @ first: a list's line may be written to be one) gets an
// apostrophe before it, which spreadsheets read as "text".
QString csvField(QString text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        text.prepend(QLatin1Char('\''));
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

// What the worker hands the window: the best numbers so far, best first, and how far it got.
struct TRankForm::Snapshot
{
    std::vector<Numra::RankedNumber> best;
    std::int64_t ranked = 0;
    std::int64_t refused = 0;
    int percent = 0;
    bool finished = false;
    Numra::DictionaryError error = Numra::DictionaryError::None;
    bool listUnreadable = false;
    bool wantedUnknown = false; // no phrase word is the wanted word
    QString failure;            // what stopped the ranking, such as memory running out
    double seconds = 0;
};

TRankForm::TRankForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TRankForm>())
{
    ui->setupUi(this);
    Grid *grid = ui->RankGrid;
    m_numbers = new RankedNumberModel(this);
    grid->setGridModel(m_numbers);
    grid->setTabKeyNavigation(false);
    grid->setColWidth(0, SettingsStore::RankNumberWidth.defaultValue);
    grid->setColWidth(1, SettingsStore::RankVanityWidth.defaultValue);
    grid->setColWidth(2, SettingsStore::RankPhraseWidth.defaultValue);

    Platform::setHelpContext(this, Platform::RankHelp);
    resize(SettingsStore::RankWidth.defaultValue, SettingsStore::RankHeight.defaultValue);
    move(SettingsStore::RankLeft.defaultValue, SettingsStore::RankTop.defaultValue);

    connect(ui->OpenBtn, &QPushButton::clicked, this, &TRankForm::OpenBtnClick);
    connect(ui->FilterBtn, &QPushButton::clicked, this, &TRankForm::FilterBtnClick);
    connect(ui->FilterEdit, &QLineEdit::returnPressed, this, &TRankForm::FilterBtnClick);
    connect(ui->CancelBtn, &QPushButton::clicked, this, [this] {
        emit userActed();
        // Not joined here: the dictionary may still be loading, which cannot be cut short.
        m_cancel = true;
        ui->CancelBtn->setEnabled(false);
    });
    connect(ui->CopyBtn, &QPushButton::clicked, this, &TRankForm::CopyBtnClick);
    connect(ui->ExportBtn, &QPushButton::clicked, this, &TRankForm::ExportBtnClick);
    connect(ui->CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

TRankForm::~TRankForm()
{
    stop();
}

void TRankForm::FormCreate()
{
    m_numbers->setHeadings({tr("Number"), tr("Vanity Number"), tr("Phrase"), tr("Cost")});
    const SettingsStore settings(SettingsStore::Mode::OpenExisting);
    if (!settings.isOpen())
        return;
    Grid *grid = ui->RankGrid;
    settings.readInOrder({
        {SettingsStore::RankTop, [this](int top) { move(x(), top); }},
        {SettingsStore::RankLeft, [this](int left) { move(left, y()); }},
        {SettingsStore::RankWidth, [this](int width) { resize(width, height()); }},
        {SettingsStore::RankHeight, [this](int height) { resize(width(), height); }},
        {SettingsStore::RankNumberWidth, [grid](int width) { grid->setColWidth(0, width); }},
        {SettingsStore::RankVanityWidth, [grid](int width) { grid->setColWidth(1, width); }},
        {SettingsStore::RankPhraseWidth, [grid](int width) { grid->setColWidth(2, width); }},
    });
    Look::keepOnScreen(this);
}

void TRankForm::SaveSettings(SettingsStore &store) const
{
    const Grid *grid = ui->RankGrid;
    const std::pair<const Platform::IntegerSetting &, int> values[] = {
        {SettingsStore::RankTop, y()},
        {SettingsStore::RankLeft, x()},
        {SettingsStore::RankWidth, width()},
        {SettingsStore::RankHeight, height()},
        {SettingsStore::RankNumberWidth, grid->colWidth(0)},
        {SettingsStore::RankVanityWidth, grid->colWidth(1)},
        {SettingsStore::RankPhraseWidth, grid->colWidth(2)},
    };
    for (const auto &[setting, value] : values)
        store.writeInteger(setting, value);
}

bool TRankForm::OpenList(const std::string &dictionaryPath)
{
    const Platform::OpenFileRequest request{tr("Open List of Numbers"),
                                            tr("Lists of numbers (*.txt *.csv);;All files (*)"),
                                            m_listPath};
    // Before the window shows, the dialog stands over the main window.
    const std::optional<QString> chosen =
        Platform::getOpenFileName(isVisible() ? this : parentWidget(), request);
    if (!chosen)
        return false;
    m_listPath = *chosen;
    m_dictionaryPath = dictionaryPath;
    start();
    return true;
}

void TRankForm::start()
{
    stop();
    m_numbers->setNumbers({});
    ui->CopyBtn->setEnabled(false);
    ui->ExportBtn->setEnabled(false);
    ui->CancelBtn->setEnabled(true);
    ui->Progress->setValue(0);
    ui->StatusText->setText(tr("Ranking %1 ...").arg(m_listPath));
    m_cancel = false;
    m_done = false;
    m_worker =
        std::thread(&TRankForm::work, this, ++m_generation, TextCodec::toPathBytes(m_listPath),
                    m_dictionaryPath, ui->FilterEdit->text().trimmed().toStdString());
}

void TRankForm::stop()
{
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

// On the worker's thread: nothing here touches a widget; the window gets copies through post.
void TRankForm::work(std::uint64_t generation, std::string listPath, std::string dictionaryPath,
                     std::string wanted)
{
    try {
        rankList(generation, listPath, dictionaryPath, wanted);
    } catch (const std::exception &failure) {
        // The window hears of it; a thread that throws would end the program.
        Snapshot snapshot;
        snapshot.finished = true;
        snapshot.failure = QString::fromLocal8Bit(failure.what());
        post(generation, std::move(snapshot));
    }
}

void TRankForm::rankList(std::uint64_t generation, const std::string &listPath,
                         const std::string &dictionaryPath, const std::string &wanted)
{
    const auto started = std::chrono::steady_clock::now();
    Snapshot snapshot;
    const auto finish = [&] {
        snapshot.finished = true;
        snapshot.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        post(generation, std::move(snapshot));
    };
    Numra::DictionaryFile file(dictionaryPath);
    const Numra::DictionaryIndex index = Numra::DictionaryIndex::Build(file);
    snapshot.error = index.Error();
    if (snapshot.error != Numra::DictionaryError::None)
        return finish();
    const Numra::RankingData ranking =
        Numra::RankingData::Read(Numra::RankingPathFor(dictionaryPath));
    // The window has no options: the area code stays digits and offensive words stay out.
    Numra::PhraseRanker ranker(index, &ranking, {});
    if (!wanted.empty()) {
        const Numra::WantedWord found = Numra::FindWanted(file, index, wanted);
        snapshot.error = found.error;
        if (snapshot.error != Numra::DictionaryError::None)
            return finish();
        snapshot.wantedUnknown = found.ids.empty();
        ranker.Want(found.ids);
    }

    // Only a regular file is a list: a FIFO would block the open, a device never end.
    std::error_code openError;
    const std::unique_ptr<std::FILE, int (*)(std::FILE *)> list(
        Numra::OpenRegularFile(Numra::PathFromBytes(listPath), openError), &std::fclose);
    if (!list) {
        snapshot.listUnreadable = true;
        return finish();
    }
    std::error_code sizeError;
    const double size = std::max<double>(
        static_cast<double>(std::filesystem::file_size(Numra::PathFromBytes(listPath), sizeError)),
        1);
    double read = 0;
    // The best ShownNumbers, kept cheaply: trimmed to that many whenever twice as many wait.
    const auto trim = [](std::vector<Numra::RankedNumber> &best) {
        const std::size_t kept = std::min(best.size(), ShownNumbers);
        std::partial_sort(best.begin(), best.begin() + static_cast<std::ptrdiff_t>(kept),
                          best.end(), Numra::RanksBefore);
        best.resize(kept);
    };
    std::vector<Numra::RankedNumber> best;
    auto lastPost = started;
    Numra::ListLineReader reader(list.get());
    std::string line;
    std::size_t length = 0;
    for (std::int64_t number = 1; !m_cancel && reader.Next(line, length); ++number) {
        read += static_cast<double>(length) + 1;
        Numra::RankedNumber ranked;
        ranked.line = number;
        switch (Numra::ReadListLine(line, length, number == 1, 0, ranked.number)) {
        case Numra::ListLine::TooLong:
        case Numra::ListLine::ControlCharacter:
            ++snapshot.refused;
            continue;
        case Numra::ListLine::Blank:
            continue;
        case Numra::ListLine::Number:
            break;
        }
        // A CSV export's heading holds no number.
        if (Numra::FirstDigitPos(ranked.number) == 0)
            continue;
        // The number as the number field would hold it, as numra-find --batch reads it.
        const std::vector<Numra::MemorablePhrase> phrases =
            ranker.Collect(Numra::FieldBytesFromUtf8(ranked.number)).Best(1);
        if (!phrases.empty()) {
            ranked.found = true;
            ranked.cost = phrases.front().cost;
            ranked.vanity = phrases.front().vanity;
            ranked.phrase = phrases.front().text;
        }
        ++snapshot.ranked;
        // A wanted word filters: a number that cannot spell it is not listed.
        if (ranked.found || wanted.empty())
            best.push_back(std::move(ranked));
        if (best.size() >= 2 * ShownNumbers)
            trim(best);
        const auto now = std::chrono::steady_clock::now();
        if (now - lastPost >= PostEvery) {
            lastPost = now;
            trim(best);
            snapshot.best = best;
            snapshot.percent = static_cast<int>(std::min(100.0, 100.0 * read / size));
            post(generation, snapshot);
        }
    }
    snapshot.listUnreadable = reader.Failed();
    trim(best);
    snapshot.best = std::move(best);
    snapshot.percent = m_cancel ? snapshot.percent : 100;
    finish();
}

void TRankForm::post(std::uint64_t generation, Snapshot snapshot)
{
    QMetaObject::invokeMethod(
        this,
        [this, generation, snapshot = std::move(snapshot)] { showSnapshot(generation, snapshot); },
        Qt::QueuedConnection);
}

void TRankForm::showSnapshot(std::uint64_t generation, const Snapshot &snapshot)
{
    // What a ranking that was stopped for another one still sends is of no use.
    if (generation != m_generation)
        return;
    // The chosen number stays chosen while the list reorders under it.
    const Numra::RankedNumber *chosen = m_numbers->number(ui->RankGrid->currentRecord());
    const std::int64_t chosenLine = chosen ? chosen->line : 0;
    m_numbers->setNumbers(snapshot.best);
    const auto kept = std::find_if(snapshot.best.begin(), snapshot.best.end(),
                                   [&](const auto &n) { return n.line == chosenLine; });
    ui->RankGrid->setCurrentRecord(
        kept == snapshot.best.end() ? 0 : static_cast<int>(kept - snapshot.best.begin()));
    ui->Progress->setValue(snapshot.percent);
    const bool any = m_numbers->recordCount() > 0;
    ui->CopyBtn->setEnabled(any);
    ui->ExportBtn->setEnabled(any);
    if (!snapshot.finished) {
        ui->StatusText->setText(tr("%1 numbers ranked ...").arg(snapshot.ranked));
        return;
    }
    m_done = true;
    ui->CancelBtn->setEnabled(false);
    emit rankingEnded();
    // A window closed while its ranking still ran has nothing more to say.
    if (!isVisible())
        return;
    if (!snapshot.failure.isEmpty()) {
        ui->StatusText->setText(tr("The ranking stopped: %1").arg(snapshot.failure));
    } else if (snapshot.error != Numra::DictionaryError::None) {
        ui->StatusText->clear();
        showDictionaryWarning(this, snapshot.error, Numra::DictionaryFile(m_dictionaryPath),
                              "RankNumbers1Click");
    } else if (snapshot.listUnreadable) {
        ui->StatusText->clear();
        Platform::showWarning(this, tr("Can Not Open %1").arg(m_listPath));
    } else {
        QString status = m_cancel ? tr("Cancelled: %1 numbers ranked in %2 secs")
                                  : tr("%1 numbers ranked in %2 secs");
        status = status.arg(snapshot.ranked).arg(secondsText(snapshot.seconds));
        if (snapshot.refused > 0)
            status += QLatin1Char(' ') + tr("(%1 lines refused)").arg(snapshot.refused);
        if (snapshot.wantedUnknown)
            status += QLatin1Char(' ') + tr("(no phrase can hold %1)").arg(ui->FilterEdit->text());
        ui->StatusText->setText(status);
    }
}

void TRankForm::OpenBtnClick()
{
    emit userActed();
    OpenList(m_dictionaryPath);
}

void TRankForm::FilterBtnClick()
{
    emit userActed();
    if (!m_listPath.isEmpty())
        start();
}

void TRankForm::CopyBtnClick()
{
    emit userActed();
    const Numra::RankedNumber *n = m_numbers->number(std::max(ui->RankGrid->currentRecord(), 0));
    if (!n)
        return;
    QStringList fields;
    for (int column = 0; column < 4; ++column)
        fields << ui->RankGrid->cell(column, std::max(ui->RankGrid->currentRecord(), 0));
    const QString text = fields.join(QLatin1Char('\t'));
    Platform::setClipboardText(text);
    ui->StatusText->setText(tr("Copied: %1").arg(text));
}

void TRankForm::ExportBtnClick()
{
    emit userActed();
    Platform::OpenFileRequest request{tr("Export Ranked Numbers"), tr("CSV files (*.csv)"),
                                      QString(), true};
    const std::optional<QString> chosen = Platform::getOpenFileName(this, request);
    if (!chosen)
        return;
    QSaveFile file(*chosen);
    if (file.open(QIODevice::WriteOnly)) {
        QString text;
        for (int row = -1; row < m_numbers->recordCount(); ++row) {
            QStringList fields;
            for (int column = 0; column < 4; ++column)
                fields << csvField(
                    row < 0
                        ? m_numbers->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()
                        : ui->RankGrid->cell(column, row));
            text += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
        }
        // With a byte-order mark, spreadsheets read the file as UTF-8, not in the system's code.
        file.write("\xEF\xBB\xBF" + text.toUtf8());
        if (file.commit()) {
            ui->StatusText->setText(tr("Exported to %1").arg(*chosen));
            return;
        }
    }
    Platform::showWarning(this, tr("Could not write %1: %2").arg(*chosen, file.errorString()));
}

// Close, Escape and the close box (QDialog::closeEvent rejects) all stop a running ranking.
void TRankForm::reject()
{
    m_cancel = true;
    QDialog::reject();
}
