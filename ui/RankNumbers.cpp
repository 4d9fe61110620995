#include "ui/RankNumbers.h"
#include "ui_RankNumbers.h"

#include "core/DictionaryFile.h"
#include "core/DictionaryIndex.h"
#include "core/LookupPass.h"
#include "core/RankingData.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"
#include "platform/Settings.h"
#include "toolkit/DictionaryWarning.h"
#include "toolkit/Grid.h"
#include "toolkit/Look.h"
#include "toolkit/TextCodec.h"
#include "ui/ListModels.h"

#include <QCloseEvent>
#include <QSaveFile>

#include <algorithm>
#include <chrono>
#include <fstream>

using Platform::SettingsStore;

namespace {

constexpr auto PostEvery = std::chrono::milliseconds(200);

// A CSV field, quoted where it holds a comma, a quote or a line break.
QString csvField(const QString &text)
{
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
    ui->Progress->setRange(0, 100);

    Platform::setHelpContext(this, Platform::RankHelp);
    resize(SettingsStore::RankWidth.defaultValue, SettingsStore::RankHeight.defaultValue);
    move(SettingsStore::RankLeft.defaultValue, SettingsStore::RankTop.defaultValue);

    connect(ui->OpenBtn, &QPushButton::clicked, this, &TRankForm::OpenBtnClick);
    connect(ui->FilterBtn, &QPushButton::clicked, this, &TRankForm::FilterBtnClick);
    connect(ui->FilterEdit, &QLineEdit::returnPressed, this, &TRankForm::FilterBtnClick);
    connect(ui->CancelBtn, &QPushButton::clicked, this, [this] {
        emit userActed();
        stop();
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

void TRankForm::Rank(const QString &listPath, const std::string &dictionaryPath)
{
    m_listPath = listPath;
    m_dictionaryPath = dictionaryPath;
    start();
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
    m_worker = std::thread(&TRankForm::work, this, ++m_generation,
                           TextCodec::toPathBytes(m_listPath), m_dictionaryPath,
                           ui->FilterEdit->text().trimmed().toStdString(), Numra::PhraseOptions{});
}

void TRankForm::stop()
{
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

// On the worker's thread: nothing here touches a widget; the window gets copies through post.
void TRankForm::work(std::uint64_t generation, std::string listPath, std::string dictionaryPath,
                     std::string wanted, Numra::PhraseOptions options)
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
    Numra::PhraseRanker ranker(index, &ranking, options);
    if (!wanted.empty()) {
        const Numra::LookupOutcome found = Numra::RunLookup(file, wanted);
        ranker.Want(index.Spelling(wanted, found.numbers));
    }

    std::ifstream list(TextCodec::toPath(QString::fromStdString(listPath)), std::ios::binary);
    if (!list) {
        snapshot.listUnreadable = true;
        return finish();
    }
    list.seekg(0, std::ios::end);
    const double size = std::max<double>(static_cast<double>(list.tellg()), 1);
    list.seekg(0);
    // The best ShownNumbers, kept cheaply: trimmed to that many whenever twice as many wait.
    const auto trim = [](std::vector<Numra::RankedNumber> &best) {
        const std::size_t kept = std::min(best.size(), ShownNumbers);
        std::partial_sort(best.begin(), best.begin() + static_cast<std::ptrdiff_t>(kept),
                          best.end(), Numra::RanksBefore);
        best.resize(kept);
    };
    std::vector<Numra::RankedNumber> best;
    auto lastPost = started;
    std::string line;
    for (std::int64_t number = 1; !m_cancel && std::getline(list, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        Numra::RankedNumber ranked;
        ranked.line = number;
        ranked.number = Numra::NumberField(line);
        // Blank lines and a CSV export's heading hold no number.
        if (std::none_of(ranked.number.begin(), ranked.number.end(),
                         [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        if (line.size() > Numra::ShortStringMax ||
            std::any_of(line.begin(), line.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
            ++snapshot.refused;
            continue;
        }
        const std::vector<Numra::MemorablePhrase> phrases = ranker.Collect(ranked.number).Best(1);
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
            snapshot.percent = static_cast<int>(100.0 * static_cast<double>(list.tellg()) / size);
            post(generation, snapshot);
        }
    }
    trim(best);
    snapshot.best = std::move(best);
    snapshot.percent = m_cancel ? snapshot.percent : 100;
    finish();
}

void TRankForm::post(std::uint64_t generation, Snapshot snapshot)
{
    QMetaObject::invokeMethod(
        this, [this, generation, snapshot = std::move(snapshot)] { show(generation, snapshot); },
        Qt::QueuedConnection);
}

void TRankForm::show(std::uint64_t generation, const Snapshot &snapshot)
{
    // What a ranking that was stopped for another one still sends is of no use.
    if (generation != m_generation)
        return;
    const int current = std::max(ui->RankGrid->currentRecord(), 0);
    m_numbers->setNumbers(snapshot.best);
    ui->RankGrid->setCurrentRecord(std::min(current, m_numbers->recordCount() - 1));
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
    if (snapshot.error != Numra::DictionaryError::None) {
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
        ui->StatusText->setText(status);
    }
    emit rankingEnded();
}

void TRankForm::OpenBtnClick()
{
    emit userActed();
    const Platform::OpenFileRequest request{tr("Open List of Numbers"),
                                            tr("Lists of numbers (*.txt *.csv);;All files (*)"),
                                            m_listPath};
    if (const std::optional<QString> chosen = Platform::getOpenFileName(this, request))
        Rank(*chosen, m_dictionaryPath);
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
        file.write(text.toUtf8());
        if (file.commit()) {
            ui->StatusText->setText(tr("Exported to %1").arg(*chosen));
            return;
        }
    }
    Platform::showWarning(this, tr("Could not write %1: %2").arg(*chosen, file.errorString()));
}

void TRankForm::closeEvent(QCloseEvent *event)
{
    stop();
    QDialog::closeEvent(event);
}

void TRankForm::reject()
{
    stop();
    QDialog::reject();
}
