#include "ui/AboutNumra.h"
#include "ui_AboutNumra.h"

#include "toolkit/Look.h"

#include "core/NumraGlobal.h"
#include "platform/Desktop.h"

#include <QBitmap>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QUrl>

namespace {

constexpr QPoint DesignPosition(565, 328);
constexpr QSize DesignSize(256, 169);

// The picture's background is the colour of its top-left pixel; it is drawn transparent.
QPixmap transparentPicture(const QString &resource, const QWidget *widget)
{
    QPixmap picture(resource);
    if (picture.isNull())
        return widget->style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48);
    const QColor background = picture.toImage().pixelColor(0, 0);
    picture.setMask(picture.createMaskFromColor(background, Qt::MaskInColor));
    return picture;
}

bool activatesLink(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        return static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    case QEvent::KeyPress:
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}

} // namespace

TAboutForm::TAboutForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TAboutForm>())
{
    ui->setupUi(this);
    ui->StaticText1->setFont(Look::withPixelSize(font(), 32, true));
    ui->StaticText2->setFont(Look::withPixelSize(font(), 15));
    ui->StaticText2->setText(tr("Version %1").arg(QStringLiteral(NUMRA_VERSION)));
    ui->Label2->setText(QStringLiteral(NUMRA_NOTICE));
    ui->EmailLabel->setText(QStringLiteral(NUMRA_SUPPORT_EMAIL));
    ui->HomePageLabel->setText(QStringLiteral(NUMRA_HOMEPAGE));
    makeLink(ui->EmailLabel);
    makeLink(ui->HomePageLabel);

    ui->Image2->setPixmap(transparentPicture(QStringLiteral(":/pictures/about-picture.bmp"), this));
    ui->Image1->load(QStringLiteral(":/pictures/about-animation.gif"));

    const QString okPicture = QStringLiteral(":/pictures/ok.png");
    ui->Ok->setIcon(QFile::exists(okPicture) ? QIcon(okPicture)
                                             : style()->standardIcon(QStyle::SP_DialogOkButton));
    connect(ui->Ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(DesignSize.expandedTo(minimumSizeHint()));
    move(DesignPosition);
}

TAboutForm::~TAboutForm() = default;

bool TAboutForm::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == ui->EmailLabel || watched == ui->HomePageLabel) && activatesLink(event)) {
        if (watched == ui->EmailLabel)
            EmailLabelClick();
        else
            HomePageLabelClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ui->Image1->start();
}

void TAboutForm::hideEvent(QHideEvent *event)
{
    ui->Image1->stop();
    QDialog::hideEvent(event);
}

void TAboutForm::EmailLabelClick()
{
    emit userActed();
    // The fixed address, whatever the label happens to show.
    Platform::openUrl(QUrl(QStringLiteral("mailto:" NUMRA_SUPPORT_EMAIL "?subject=Numra")));
}

void TAboutForm::HomePageLabelClick()
{
    emit userActed();
    Platform::openUrl(QUrl(ui->HomePageLabel->text()));
}

void TAboutForm::makeLink(QWidget *label)
{
    QFont underlined = label->font();
    underlined.setUnderline(true);
    label->setFont(underlined);
    // The palette's link colour, which a dark palette makes light. The transparent border
    // keeps the size steady when the focus frame appears.
    label->setStyleSheet(
        QStringLiteral("QLabel { color: palette(link); border: 1px solid transparent; }"
                       "QLabel:focus { border: 1px dotted palette(link); }"));
    label->installEventFilter(this);
}
