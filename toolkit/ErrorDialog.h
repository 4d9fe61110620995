#pragma once

#include "toolkit/ErrorLogger.h"

#include <QDialog>

class QIcon;
class QLabel;
class QPushButton;
class QTabWidget;

// The error logger's report: the failure text with OK, and the details on tabs below it,
// shown or hidden by the "Details >>" / "Compact <<" button.
class ErrorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ErrorDialog(const ErrorReport &report, QWidget *parent = nullptr);

    void setIcon(const QIcon &icon);
    // The page of the report's extra lines, after "Call Stack" and "Registers".
    void addExtraPage(const QString &title);

    void setDetailsShown(bool shown);
    bool detailsShown() const;

private:
    void addPage(const QString &title, const QString &text);

    QStringList m_extraLines;
    QLabel *m_iconLabel;
    QPushButton *m_detailsButton;
    QTabWidget *m_pages;
};
