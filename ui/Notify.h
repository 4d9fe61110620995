#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TNotifyForm;
}

// Asks, every so many closes of the program, whether the user wants to hear of new releases.
// The countdown lives in the settings ("NotifyCount"); the window keeps the last choice for
// the rest of the run.
class TNotifyForm : public QDialog
{
    Q_OBJECT

public:
    explicit TNotifyForm(QWidget *parent = nullptr);
    ~TNotifyForm() override;

    // The check made at each close of the program: counts down, or shows the question.
    void ShowNotifyForm();

    // Escape does nothing here: the question has no cancel answer.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void OkClick();

    std::unique_ptr<Ui::TNotifyForm> ui;
};
