#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace Platform {

// The help contexts of the windows and menus.
enum HelpContext {
    MainWindowHelp = 10,
    FileMenuHelp = 210,
    HelpMenuHelp = 220,
    LookupHelp = 230,
    PhrasesMenuHelp = 240,
    SuggestHelp = 250,
    RankHelp = 260
};

// Shows "Numra.hlp" (an HTML document beside the program) in a help window of our own:
// context 0 shows its contents, any other the topic of that context.
void showHelp(const QString &helpFile, int context = 0);
using HelpHandler = std::function<void(const QString &helpFile, int context)>;
void setHelpHandler(HelpHandler handler);
// Closes the help window if it is open; it would otherwise keep the program running.
void closeHelp();

// Makes F1 on the widget (and its children) show the topic of the context.
void setHelpContext(QWidget *widget, int context);
int helpContext(const QWidget *widget);
// The help file F1 opens; the application sets it once at start.
void setApplicationHelpFile(const QString &helpFile);
QString applicationHelpFile();

} // namespace Platform
