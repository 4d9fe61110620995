#pragma once

#include <QFont>
#include <QIcon>
#include <QStyle>

class QAbstractButton;
class QLabel;
class QPushButton;
class QWidget;

// The few look-and-feel helpers every window uses.
namespace Look {

// The font at a size in pixels, as the window layouts give their sizes.
QFont withPixelSize(QFont font, int pixels, bool bold = false);

// A picture of ours, or the style's standard one where ours is missing.
QIcon pictureOr(const QString &resource, QStyle::StandardPixmap fallback, const QWidget *widget);

// Shows text in a label of fixed width, cut at its end with an ellipsis where it does not fit;
// the whole text stays in the tooltip and is what a screen reader reads.
void setElidedText(QLabel *label, const QString &text);

// A window restored onto a monitor that is gone comes back onto the primary screen; one larger
// than the screen it lies on is shrunk to that screen.
void keepOnScreen(QWidget *window);

// The user entering a control, by Tab, Shift+Tab, a click or a shortcut. A popup, a dialog or
// the menu bar handing the focus back, and the program moving it, are not.
bool entersByUser(Qt::FocusReason reason);

// Tab enters a radio group at its checked button, from where the arrows check as they move.
// Qt alone lets Tab in at whichever button last had the focus, at first the first one. Call it
// again whenever another button is checked.
void tabOnlyToChecked(const QList<QAbstractButton *> &group);

// The width a push button's text and picture take inside its frame, where the style draws
// them. Its size hint says less: it is never below the style's least button width.
int pushButtonContentWidth(const QAbstractButton *button);

// A button of fixed width whose text (a translation longer than the English) does not fit
// beside its picture inside its frame shows the text alone, rather than cut.
void dropPictureIfCrowded(QAbstractButton *button);

// Enter that reaches window clicks button, as a dialog's default button would, while it is
// enabled; a focused push button takes it as a click of its own. A main window has no default
// button of its own.
void setDefaultButton(QWidget *window, QPushButton *button);

} // namespace Look
