#include "ui/AffixUnit.h"
#include "ui_AffixUnit.h"

#include "toolkit/Look.h"

#include "platform/Settings.h"
#include "ui/ListModels.h"

#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

using Platform::SettingsStore;

namespace {

constexpr int DesignHeight = 134;
constexpr int DesignGridHeight = 55;

} // namespace

// Enter in the word's editor commits the correction and stops there, so that only a second
// Enter reaches the default button; by default the key would go on and press OK before the
// queued commit had put the new spelling into the cell.
class WordCellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void commit(QWidget *editor) { emit commitData(editor); }
    void setCaution(const QString &caution) { m_caution = caution; }

    // A screen reader names the field by its column and reads the caution with it.
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (editor) {
            editor->setAccessibleName(
                index.model()->headerData(index.column(), Qt::Horizontal).toString());
            editor->setAccessibleDescription(m_caution);
        }
        return editor;
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            auto *editor = qobject_cast<QWidget *>(object);
            if (editor && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    QString m_caution;
};

TAffixForm::TAffixForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TAffixForm>())
{
    ui->setupUi(this);

    Grid *grid = ui->SelectedAffixGrid;
    m_combination = new CombinationModel(this);
    grid->setGridModel(m_combination);
    grid->setColWidth(0, SettingsStore::AffixWordWidth.defaultValue);
    grid->setColWidth(1, SettingsStore::AffixNumberWidth.defaultValue);
    grid->setTabKeyNavigation(false);
    m_wordDelegate = new WordCellDelegate(grid);
    grid->setItemDelegateForColumn(0, m_wordDelegate);
    // Two lines on the screen, one sentence to a screen reader.
    const QString caution =
        (ui->StaticText1->text() + QLatin1Char(' ') + ui->StaticText2->text()).simplified();
    m_wordDelegate->setCaution(caution);
    setAccessibleDescription(caution);
    const int gridHeight = grid->horizontalHeader()->sizeHint().height() +
                           grid->verticalHeader()->defaultSectionSize() + 2 * grid->frameWidth();
    grid->setFixedHeight(std::max(DesignGridHeight, gridHeight));

    ui->Caution->setPixmap(Look::pictureOr(QStringLiteral(":/pictures/caution.png"),
                                           QStyle::SP_MessageBoxWarning, this)
                               .pixmap(32, 32));
    ui->AffixOkBtn->setIcon(
        Look::pictureOr(QStringLiteral(":/pictures/ok.png"), QStyle::SP_DialogOkButton, this));
    ui->AffixCancelBtn->setIcon(Look::pictureOr(QStringLiteral(":/pictures/cancel.png"),
                                                QStyle::SP_DialogCancelButton, this));

    // Resizable in width only.
    const QSize least = minimumSizeHint();
    const QSize design(SettingsStore::AffixWidth.defaultValue, DesignHeight);
    setFixedHeight(std::max(design.height(), least.height()));
    setMinimumWidth(std::max(design.width(), least.width()));
    resize(design.expandedTo(minimumSize()));
    move(SettingsStore::AffixLeft.defaultValue, SettingsStore::AffixTop.defaultValue);

    connect(ui->AffixOkBtn, &QPushButton::clicked, this, &TAffixForm::AffixOkBtnClick);
    connect(ui->AffixCancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    FormCreate();
}

TAffixForm::~TAffixForm() = default;

void TAffixForm::setCombination(const QString &word, const QString &represents)
{
    m_combination->setCombination(word, represents);
}

QString TAffixForm::combinationWord() const
{
    return m_combination->word();
}

QString TAffixForm::combinationNumber() const
{
    return m_combination->number();
}

int TAffixForm::wordColumnWidth() const
{
    return ui->SelectedAffixGrid->colWidth(0);
}

int TAffixForm::numberColumnWidth() const
{
    return ui->SelectedAffixGrid->colWidth(1);
}

void TAffixForm::SaveSettings(SettingsStore &store) const
{
    store.writeInteger(SettingsStore::AffixTop, y());
    store.writeInteger(SettingsStore::AffixLeft, x());
    store.writeInteger(SettingsStore::AffixWidth, width());
    store.writeInteger(SettingsStore::AffixWordWidth, wordColumnWidth());
    store.writeInteger(SettingsStore::AffixNumberWidth, numberColumnWidth());
}

void TAffixForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The user is here to correct the spelling, so the word's editor is open at once.
    Grid *grid = ui->SelectedAffixGrid;
    const QModelIndex word = m_combination->index(0, 0);
    grid->setCurrentIndex(word);
    // An editor left open by the close box already shows the new combination.
    if (QWidget *editor = grid->indexWidget(word))
        editor->setFocus();
    else
        grid->edit(word);
}

void TAffixForm::FormCreate()
{
    m_combination->setHeadings({tr("Candidate Word"), tr("Represents")});

    const SettingsStore settings(SettingsStore::Mode::OpenExisting);
    if (!settings.isOpen())
        return;
    // A value that cannot be read ends the reading without a word; the rest keep their design.
    Grid *grid = ui->SelectedAffixGrid;
    settings.readInOrder({
        {SettingsStore::AffixTop, [this](int top) { move(x(), top); }},
        {SettingsStore::AffixLeft, [this](int left) { move(left, y()); }},
        {SettingsStore::AffixWidth, [this](int width) { resize(width, height()); }},
        {SettingsStore::AffixWordWidth, [grid](int width) { grid->setColWidth(0, width); }},
        {SettingsStore::AffixNumberWidth, [grid](int width) { grid->setColWidth(1, width); }},
    });
    // Whatever was stored, the modal window must open where the user can reach it.
    Look::keepOnScreen(this);
}

void TAffixForm::AffixOkBtnClick()
{
    commitOpenEditor();
    emit affixConfirmed(combinationWord(), combinationNumber());
    accept();
}

void TAffixForm::commitOpenEditor()
{
    // OK pressed from the keyboard leaves the editor open; its text is the correction.
    if (QWidget *editor = ui->SelectedAffixGrid->indexWidget(m_combination->index(0, 0)))
        m_wordDelegate->commit(editor);
}
