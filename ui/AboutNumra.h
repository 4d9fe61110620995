#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TAboutForm;
}

// The About box: name, version, notice, and links to the maker's mail and home page.
class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutForm(QWidget *parent = nullptr);
    ~TAboutForm() override;

signals:
    // The user did something in the window: the main window's idle count starts again.
    void userActed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void EmailLabelClick();
    void HomePageLabelClick();

    void makeLink(QWidget *label);

    std::unique_ptr<Ui::TAboutForm> ui;
};
