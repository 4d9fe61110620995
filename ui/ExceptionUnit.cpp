#include "ExceptionUnit.h"
#include "ui_ExceptionUnit.h"

#include <QStyle>

namespace {

constexpr QPoint DesignPosition(359, 144);
constexpr QSize DesignSize(240, 156);

QFont withPixelSize(QFont font, int pixels, bool bold = false)
{
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

TExceptionForm::TExceptionForm(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TExceptionForm>())
{
    ui->setupUi(this);
    ui->Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    ui->StaticText1->setFont(withPixelSize(font(), 16, true));
    ui->StaticText2->setFont(withPixelSize(font(), 16));
    resize(DesignSize.expandedTo(minimumSizeHint()));
    move(DesignPosition);
}

TExceptionForm::~TExceptionForm() = default;
