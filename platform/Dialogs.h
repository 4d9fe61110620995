#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace Platform {

// Every modal message and dialog of the program passes through here, so that a test can
// answer it without a real window blocking.

// A warning box titled "Warning" with one OK button.
void showWarning(QWidget *parent, const QString &text);
using WarningHandler = std::function<void(const QString &text)>;
void setWarningHandler(WarningHandler handler); // an empty handler restores the real box

// A question answered by one of its choices, each a button, the first the default; the index
// of the one chosen, -1 when the box was closed without one.
int askChoice(QWidget *parent, const QString &title, const QString &text,
              const QStringList &choices);
using ChoiceHandler = std::function<int(const QString &text, const QStringList &choices)>;
void setChoiceHandler(ChoiceHandler handler);

struct OpenFileRequest
{
    QString title{};
    QString filter{};
    QString proposedFile{};
    bool save = false; // a file to write, which the dialog may ask before replacing
};
// The chosen path, or nullopt when the user cancelled.
std::optional<QString> getOpenFileName(QWidget *parent, const OpenFileRequest &request);
using OpenFileHandler = std::function<std::optional<QString>(const OpenFileRequest &)>;
void setOpenFileHandler(OpenFileHandler handler);

// Shows a window modally and returns its result (QDialog::Accepted or Rejected).
int execModal(QDialog *dialog);
using ModalHandler = std::function<int(QDialog *dialog)>;
void setModalHandler(ModalHandler handler);

} // namespace Platform
