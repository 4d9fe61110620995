#include "toolkit/ErrorDialog.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

ErrorDialog::ErrorDialog(const ErrorReport &report, QWidget *parent)
    : QDialog(parent), m_extraLines(report.extraLines), m_iconLabel(new QLabel),
      m_detailsButton(new QPushButton), m_pages(new QTabWidget)
{
    setWindowTitle(tr("Application Error"));

    // Plain text: a folder named like markup is a name, not a heading. Wrapped, and paths wrap
    // at their slashes, so that the dialog stays on the screen.
    auto *text = new QLabel(report.text);
    text->setObjectName(QStringLiteral("text"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        text->setMaximumWidth(screen->availableGeometry().width() / 2);
    m_iconLabel->setAlignment(Qt::AlignTop);

    auto *okButton = new QPushButton(tr("OK"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    m_detailsButton->setObjectName(QStringLiteral("detailsButton"));
    connect(m_detailsButton, &QPushButton::clicked, this,
            [this] { setDetailsShown(!detailsShown()); });

    m_pages->setObjectName(QStringLiteral("pages"));
    addPage(tr("Call Stack"), report.callStack);
    addPage(tr("Registers"), report.registers);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(m_detailsButton);
    buttons->addStretch();
    auto *top = new QHBoxLayout;
    top->addWidget(m_iconLabel);
    top->addWidget(text, 1);
    top->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_pages);
    // The dialog shrinks and grows with the details, as in Qt's extension example.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setDetailsShown(false);
}

void ErrorDialog::setIcon(const QIcon &icon)
{
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    m_iconLabel->setPixmap(icon.pixmap(size, size));
}

void ErrorDialog::addExtraPage(const QString &title)
{
    addPage(title, m_extraLines.join(QLatin1Char('\n')));
}

void ErrorDialog::setDetailsShown(bool shown)
{
    m_pages->setVisible(shown);
    m_pages->setCurrentIndex(0);
    m_detailsButton->setText(shown ? tr("Compact <<") : tr("Details >>"));
}

bool ErrorDialog::detailsShown() const
{
    return !m_pages->isHidden();
}

void ErrorDialog::addPage(const QString &title, const QString &text)
{
    auto *page = new QPlainTextEdit(text);
    page->setReadOnly(true);
    page->setLineWrapMode(QPlainTextEdit::NoWrap);
    page->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    page->setMinimumSize(560, 240);
    m_pages->addTab(page, title);
}
