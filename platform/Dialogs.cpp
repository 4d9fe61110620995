#include "platform/Dialogs.h"

#include "platform/Cursor.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace Platform {

namespace {

WarningHandler &warningHandler()
{
    static WarningHandler handler;
    return handler;
}

OpenFileHandler &openFileHandler()
{
    static OpenFileHandler handler;
    return handler;
}

ChoiceHandler &choiceHandler()
{
    static ChoiceHandler handler;
    return handler;
}

ModalHandler &modalHandler()
{
    static ModalHandler handler;
    return handler;
}

} // namespace

void showWarning(QWidget *parent, const QString &text)
{
    if (warningHandler()) {
        warningHandler()(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QObject::tr("Warning"), text, QMessageBox::Ok, parent);
    // The text names files and dictionary words: never markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void setWarningHandler(WarningHandler handler)
{
    warningHandler() = std::move(handler);
}

int askChoice(QWidget *parent, const QString &title, const QString &text,
              const QStringList &choices)
{
    if (choiceHandler())
        return choiceHandler()(text, choices);
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QList<QAbstractButton *> buttons;
    for (const QString &choice : choices)
        buttons << box.addButton(choice, QMessageBox::AcceptRole);
    if (!buttons.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton *>(buttons.front()));
    box.exec();
    return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

void setChoiceHandler(ChoiceHandler handler)
{
    choiceHandler() = std::move(handler);
}

std::optional<QString> getOpenFileName(QWidget *parent, const OpenFileRequest &request)
{
    if (openFileHandler())
        return openFileHandler()(request);
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The user may type the name of a file that does not exist; opening it then fails
    // with the program's own warning.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    if (!request.proposedFile.isEmpty())
        dialog.selectFile(request.proposedFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void setOpenFileHandler(OpenFileHandler handler)
{
    openFileHandler() = std::move(handler);
}

int execModal(QDialog *dialog)
{
    if (modalHandler())
        return modalHandler()(dialog);
    return dialog->exec();
}

void setModalHandler(ModalHandler handler)
{
    modalHandler() = std::move(handler);
}

} // namespace Platform
