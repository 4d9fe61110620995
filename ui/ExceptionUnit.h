#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TExceptionForm;
}

// Asks whether to mail an error report. Created with the other windows; nothing shows it,
// since the error logger has a dialog of its own.
class TExceptionForm : public QDialog
{
    Q_OBJECT

public:
    explicit TExceptionForm(QWidget *parent = nullptr);
    ~TExceptionForm() override;

private:
    std::unique_ptr<Ui::TExceptionForm> ui;
};
