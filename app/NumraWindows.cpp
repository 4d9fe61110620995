#include "app/NumraWindows.h"

#include "platform/HelpViewer.h"
#include "toolkit/TextCodec.h"

#include <QApplication>

void SetUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Numra"));
    QApplication::setOrganizationName(QStringLiteral("Numra"));
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.numra.numra"));
    Platform::setApplicationHelpFile(TextCodec::dataFilePath(QStringLiteral("Numra.hlp")));
}

NumraWindows::NumraWindows(const QString &dictionary)
    : MainForm(std::make_unique<TMainForm>(state, window, dictionary))
{}

NumraWindows::~NumraWindows() = default;
