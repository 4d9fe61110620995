#include "ui/Notify.h"
#include "ui_Notify.h"

#include "toolkit/Look.h"

#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"

#include <QCloseEvent>
#include <QFile>
#include <QStyle>
#include <QUrl>

#include <cstdint>
#include <limits>

using Platform::SettingsStore;

namespace {

constexpr QPoint DesignPosition(302, 107);
constexpr QSize DesignSize(256, 161);
// Never again, in practice.
constexpr std::int32_t NeverCount = std::numeric_limits<std::int32_t>::max();

} // namespace

TNotifyForm::TNotifyForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TNotifyForm>())
{
    ui->setupUi(this);
    const QFont choiceFont = Look::withPixelSize(font(), 13);
    ui->NotifyRadioButton->setFont(choiceFont);
    ui->RemindRadioButton->setFont(choiceFont);
    ui->DoNotShowRadioButton->setFont(choiceFont);
    ui->StaticText1->setFont(Look::withPixelSize(font(), 13, true));
    ui->Ok->setIcon(
        Look::pictureOr(QStringLiteral(":/pictures/ok.png"), QStyle::SP_DialogOkButton, this));

    setFixedSize(DesignSize.expandedTo(minimumSizeHint()));
    move(DesignPosition);

    connect(ui->Ok, &QPushButton::clicked, this, &TNotifyForm::OkClick);
}

TNotifyForm::~TNotifyForm() = default;

void TNotifyForm::ShowNotifyForm()
{
    std::int32_t count = SettingsStore::NotifyCount.defaultValue;
    {
        const SettingsStore settings(SettingsStore::Mode::OpenExisting);
        if (const auto stored = settings.readInteger(SettingsStore::NotifyCount)) {
            // Only OK writes a new value once the question is due; closing it otherwise keeps
            // the old one, so the question comes back at the next close.
            if (*stored <= 1) {
                Platform::execModal(this);
                return;
            }
            count = *stored - 1;
        }
    }
    SettingsStore settings(SettingsStore::Mode::Create);
    settings.writeInteger(SettingsStore::NotifyCount, count);
    settings.flush();
}

void TNotifyForm::reject() {}

void TNotifyForm::closeEvent(QCloseEvent *event)
{
    // The close box still closes, writing nothing; reject() is kept for Escape alone.
    done(QDialog::Rejected);
    event->accept();
}

void TNotifyForm::OkClick()
{
    std::int32_t count = NeverCount;
    if (ui->NotifyRadioButton->isChecked()) {
        // The maker sorts the requests by this subject, so it is not translated.
        const QString subject = QStringLiteral("Please notify me about updates to Numra 1.1");
        Platform::openUrl(QUrl(QStringLiteral("mailto:%1?subject=%2")
                                   .arg(QStringLiteral(NUMRA_SUPPORT_EMAIL), subject)));
    } else if (ui->RemindRadioButton->isChecked()) {
        count = SettingsStore::NotifyCount.defaultValue;
    }

    SettingsStore settings(SettingsStore::Mode::Create);
    settings.writeInteger(SettingsStore::NotifyCount, count);
    settings.flush();
    accept();
}
