#pragma once

// What every test of the main window needs: a settings file and a dictionary of its own, and
// scripted answers for every dialog, so that nothing blocks and nothing of the user's is touched.

#include "app/Main.h"
#include "app/NumraWindows.h"
#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"
#include "platform/Settings.h"
#include "toolkit/Grid.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTimerEvent>
#include <QtTest>

#include <functional>
#include <memory>

// The main window's controls, found by their names as a user's tools would find them.
struct MainControls
{
    explicit MainControls(const QWidget &window)
    {
        const auto find = [&window]<typename T>(T *&control, const char *name) {
            control = window.findChild<T *>(QLatin1String(name));
            if (!control)
                qFatal("no control %s", name);
        };
        find(Edit, "Edit");
        find(LeftBtn, "LeftBtn");
        find(RightBtn, "RightBtn");
        find(AnyPointBtn, "AnyPointBtn");
        find(ConvertBtn, "ConvertBtn");
        find(ClearBtn, "ClearBtn");
        find(CopyBtn, "CopyBtn");
        find(LookupBtn, "LookupBtn");
        find(PossibleGrid, "PossibleGrid");
        find(SelectedGrid, "SelectedGrid");
        find(AffixGrid, "AffixGrid");
        find(SelectedWordLabel, "SelectedWordLabel");
        find(PossiblePanel, "PossiblePanel");
        find(SelectedPanel, "SelectedPanel");
        find(Open1, "Open1");
        find(Exit1, "Exit1");
        find(Contents1, "Contents1");
        find(About1, "About1");
        find(Notify1, "Notify1");
        find(Timer1, "Timer1");
    }

    QLineEdit *Edit;
    QRadioButton *LeftBtn, *RightBtn, *AnyPointBtn;
    QPushButton *ConvertBtn, *ClearBtn, *CopyBtn, *LookupBtn;
    Grid *PossibleGrid, *SelectedGrid, *AffixGrid;
    QLabel *SelectedWordLabel;
    QWidget *PossiblePanel, *SelectedPanel;
    QAction *Open1, *Exit1, *Contents1, *About1, *Notify1;
    QTimer *Timer1;
};

class MainFixture
{
public:
    QTemporaryDir dir;
    QStringList warnings;
    QStringList dialogs; // the title of each open-file dialog shown
    std::optional<QString> dialogAnswer;
    std::function<int(QDialog *)> onModal = [](QDialog *) { return int(QDialog::Rejected); };
    std::unique_ptr<NumraWindows> windows;
    std::optional<MainControls> controls;

    MainFixture()
    {
        Platform::SettingsStore::setFileForTesting(dir.filePath(QStringLiteral("Numra.conf")));
        Platform::setWarningHandler([this](const QString &text) { warnings.append(text); });
        Platform::setOpenFileHandler([this](const Platform::OpenFileRequest &request) {
            dialogs.append(request.title);
            return dialogAnswer;
        });
        Platform::setModalHandler([this](QDialog *dialog) { return onModal(dialog); });
        Platform::setHelpHandler([](const QString &, int) {});
    }

    ~MainFixture()
    {
        controls.reset();
        windows.reset();
        Platform::SettingsStore::setFileForTesting(QString());
        Platform::setWarningHandler({});
        Platform::setOpenFileHandler({});
        Platform::setModalHandler({});
        Platform::setHelpHandler({});
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    QString writeDictionary(const QByteArray &bytes, const QString &name = QStringLiteral("d.txt"))
    {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    // Settings as a previous run left them, with every main-window value present.
    void writeSettings(const QString &dictionary, QList<std::pair<QString, QVariant>> extra = {})
    {
        QSettings s(path(QStringLiteral("Numra.conf")), QSettings::IniFormat);
        s.setValue(QStringLiteral("Dictionary"), dictionary);
        const QList<std::pair<QString, QVariant>> values = {{"Form Top", 60},
                                                            {"Form Left", 300},
                                                            {"Form Width", 500},
                                                            {"Form Height", 520},
                                                            {"Selected Panel Height", 106},
                                                            {"Word Width", 151},
                                                            {"Number Width", 168}};
        for (const auto &[name, value] : values)
            s.setValue(name, value);
        for (const auto &[name, value] : extra)
            s.setValue(name, value);
    }

    QVariant setting(const QString &name) const
    {
        return QSettings(dir.filePath(QStringLiteral("Numra.conf")), QSettings::IniFormat)
            .value(name);
    }

    TMainForm &start(bool show = true)
    {
        windows = std::make_unique<NumraWindows>();
        controls.emplace(main());
        if (show) {
            main().show();
            if (!QTest::qWaitForWindowExposed(&main()))
                qWarning("main window not exposed");
        }
        return main();
    }

    TMainForm &main() const { return *windows->MainForm; }
    MainControls &ui() { return *controls; }

    // One tick of the window's timer, delivered as the timer itself would deliver it.
    void tick()
    {
        QTimerEvent event(ui().Timer1->timerId());
        QCoreApplication::sendEvent(ui().Timer1, &event);
    }

    // Types as the user does, so that the field's modified flag is set.
    void type(const QString &text)
    {
        ui().Edit->setFocus();
        QTest::keyClicks(ui().Edit, text);
    }

    void convert(const QString &number)
    {
        ui().Edit->clear();
        type(number);
        QTest::mouseClick(ui().ConvertBtn, Qt::LeftButton);
    }

    static QPoint rowPoint(Grid *grid, int record, int column = 0)
    {
        grid->scrollTo(grid->model()->index(record, column));
        return grid->visualRect(grid->model()->index(record, column)).center();
    }

    static void clickRow(Grid *grid, int record, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint at = rowPoint(grid, record);
        QTest::mousePress(grid->viewport(), button, {}, at);
        QTest::mouseRelease(grid->viewport(), button, {}, at);
    }

    // The column's texts down to the first blank cell.
    static QStringList column(Grid *grid, int column)
    {
        QStringList cells;
        for (int row = 0; row < grid->rowCount() && !grid->cell(column, row).isEmpty(); ++row)
            cells.append(grid->cell(column, row));
        return cells;
    }

    static QString heading(Grid *grid, int column)
    {
        return grid->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }

    static bool italic(Grid *grid, int column, int record)
    {
        return grid->model()->index(record, column).data(Qt::FontRole).value<QFont>().italic();
    }

    // Chooses the candidate with this word and digits.
    bool choose(const QString &word, const QString &digits)
    {
        Grid *grid = ui().PossibleGrid;
        for (int row = 0; row < grid->rowCount(); ++row) {
            if (grid->cell(0, row) == word && grid->cell(1, row) == digits) {
                clickRow(grid, row);
                return true;
            }
        }
        return false;
    }
};
