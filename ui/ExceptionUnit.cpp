#include "ui/ExceptionUnit.h"
#include "ui_ExceptionUnit.h"

#include "toolkit/Look.h"

#include <QStyle>

namespace {

constexpr QPoint DesignPosition(359, 144);
constexpr QSize DesignSize(240, 156);

} // namespace

TExceptionForm::TExceptionForm(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TExceptionForm>())
{
    ui->setupUi(this);
    ui->Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    ui->StaticText1->setFont(Look::withPixelSize(font(), 16, true));
    ui->StaticText2->setFont(Look::withPixelSize(font(), 16));
    resize(DesignSize.expandedTo(minimumSizeHint()));
    move(DesignPosition);
}

TExceptionForm::~TExceptionForm() = default;
