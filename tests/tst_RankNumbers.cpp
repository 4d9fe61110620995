#include "tests/MainFixture.h"

#include "ui/RankNumbers.h"

#include <QClipboard>
#include <QDir>
#include <QProcess>
#include <QProgressBar>

#include <functional>

namespace {

// FLOWERS across the dash of 1-800-356-9377, CALL NOW for 2255669, VETS after a kept exchange;
// nothing for 764-702-9619.
const QByteArray Dictionary = "2255,CALL,N\n"
                              "669,NOW,N\n"
                              "3569377,FLOWERS,N\n"
                              "8387,VETS,N\n";
const QByteArray Ranking = "numra-rank 1\n"
                           "W\tCALL\t14\t-\n"
                           "W\tNOW\t13\t-\n"
                           "W\tFLOWERS\t15\t-\n"
                           "W\tVETS\t15\t-\n";

template <typename T> T *control(QWidget *window, const char *name)
{
    T *widget = window->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

} // namespace

using Step = std::function<void(TRankForm *)>;

class tst_RankNumbers : public QObject
{
    Q_OBJECT

private:
    MainFixture *f = nullptr;
    TRankForm *form() const { return f->main().rankForm(); }
    Grid *grid() const { return control<Grid>(form(), "RankGrid"); }
    QPushButton *button(const char *name) const { return control<QPushButton>(form(), name); }
    QString status() const { return control<QLabel>(form(), "StatusText")->text(); }
    QStringList column(int c) const { return MainFixture::column(grid(), c); }

    // Opens the list from File > Rank Numbers as the user does; whileShown runs while the
    // window is shown, which then closes.
    void open(const QString &list, const std::function<void()> &whileShown)
    {
        f->dialogAnswer = list;
        f->onModal = [&](QDialog *dialog) {
            dialog->show();
            whileShown();
            dialog->reject();
            return dialog->result();
        };
        f->main().findChild<QAction *>(QStringLiteral("RankNumbers1"))->trigger();
    }
    // The same for a list of these lines; inside runs once the ranking has ended.
    void rank(const QByteArray &list, const Step &inside)
    {
        open(f->writeDictionary(list, QStringLiteral("list.csv")), [&] {
            waitForRanking();
            inside(form());
        });
    }
    void cancelOnceShowing();
    void waitForRanking()
    {
        QSignalSpy ended(form(), &TRankForm::rankingEnded);
        QVERIFY(form()->ranking() ? ended.wait(20000) : true);
    }

private slots:
    void init()
    {
        f = new MainFixture;
        f->writeSettings(f->writeDictionary(Dictionary));
        f->writeDictionary(Ranking, QStringLiteral("d.rank"));
        f->start();
    }
    void cleanup()
    {
        delete f;
        f = nullptr;
    }

    void ranksBestFirst_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QStringList>("vanity");
        QTest::addColumn<QString>("refused");

        const QStringList ranked{"1-800-356-9377", "2255669", "764-702-9619"};
        const QStringList forms{"1-800-FLOWERS", "CALL-NOW"};
        QTest::newRow("one number a line")
            << QByteArray("764-702-9619\n2255669\n1-800-356-9377\n") << ranked << forms << "";
        QTest::newRow("CRLF and a blank line")
            << QByteArray("764-702-9619\r\n\r\n2255669\r\n1-800-356-9377\r\n") << ranked << forms
            << "";
        QTest::newRow("CSV export with quoted fields")
            << QByteArray("Name,Number\n\"Nobody, Inc.\",764-702-9619\nCall,2255669\n"
                          "\"Flowers, \"\"NY\"\"\",\"1-800-356-9377\"\n")
            << ranked << forms << "";
        QTest::newRow("a line with a control character is refused")
            << QByteArray("764-702-9619\n22\x01"
                          "55669\n2255669\n1-800-356-9377\n")
            << ranked << forms << "(1 lines refused)";
    }
    void ranksBestFirst()
    {
        QFETCH(QByteArray, list);
        QFETCH(QStringList, numbers);
        QFETCH(QStringList, vanity);
        QFETCH(QString, refused);
        rank(list, [&](TRankForm *) {
            QCOMPARE(column(0), numbers);
            QCOMPARE(column(1), vanity);
            QVERIFY2(status().endsWith(refused), qPrintable(status()));
            QCOMPARE(control<QProgressBar>(form(), "Progress")->value(), 100);
        });
    }

    // Only the numbers that can spell the word keep a phrase, and it is one that holds it.
    void filterKeepsNumbersThatHoldTheWord()
    {
        rank("2255669\n1-800-356-9377\n877-222-8387\n", [&](TRankForm *) {
            auto *edit = control<QLineEdit>(form(), "FilterEdit");
            edit->setText(QStringLiteral("Vets"));
            QTest::keyClick(edit, Qt::Key_Return);
            waitForRanking();
            QCOMPARE(column(0), QStringList{"877-222-8387"});
            QCOMPARE(column(1), QStringList{"877-222-VETS"});
        });
    }

    void cancelKeepsWhatWasRanked()
    {
        QByteArray list;
        for (int i = 0; i < 100000; ++i)
            list += "2255669\n";
        // Cancelled as soon as the first numbers show.
        open(f->writeDictionary(list, QStringLiteral("list.csv")), [&] { cancelOnceShowing(); });
    }

    // Only a regular file is a list: a FIFO with no writer would block the ranking for good.
    void unreadableListSaid_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a FIFO with no writer") << "fifo";
        QTest::newRow("a file that is gone") << "gone";
    }
    void unreadableListSaid()
    {
        QFETCH(QString, kind);
        const QString list = f->path(QStringLiteral("list"));
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(list));
        else if (kind == QLatin1String("fifo"))
            QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {list}), 0);
        open(list, [&] { waitForRanking(); });
        QCOMPARE(f->warnings, QStringList{"Can Not Open " + list});
    }

    void copyAndExport()
    {
        rank("764-702-9619\n1-800-356-9377\n=1+2*3\n", [&](TRankForm *) {
            QTest::mouseClick(button("CopyBtn"), Qt::LeftButton);
            QVERIFY(QGuiApplication::clipboard()->text().startsWith(
                QStringLiteral("1-800-356-9377\t1-800-FLOWERS\tFLOWERS\t")));

            const QString exported = f->path(QStringLiteral("ranked.csv"));
            Platform::setOpenFileHandler([&](const Platform::OpenFileRequest &request) {
                return request.save ? std::optional<QString>(exported) : std::nullopt;
            });
            QTest::mouseClick(button("ExportBtn"), Qt::LeftButton);
            QFile file(exported);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QList<QByteArray> lines = file.readAll().split('\n');
            QCOMPARE(lines.at(0), QByteArray("\xEF\xBB\xBFNumber,Vanity Number,Phrase,Cost"));
            QVERIFY(lines.at(1).startsWith("1-800-356-9377,1-800-FLOWERS,FLOWERS,"));
            QCOMPARE(lines.at(2), QByteArray("764-702-9619,,,"));
            // A line written to be a formula stays text in a spreadsheet.
            QCOMPARE(lines.at(3), QByteArray("'=1+2*3,,,"));
        });
    }
};

// Waits for the first numbers of a long list, then cancels.
void tst_RankNumbers::cancelOnceShowing()
{
    QTRY_VERIFY2_WITH_TIMEOUT(status().contains(QStringLiteral("ranked ...")), qPrintable(status()),
                              20000);
    QSignalSpy ended(form(), &TRankForm::rankingEnded);
    QTest::mouseClick(button("CancelBtn"), Qt::LeftButton);
    QVERIFY(ended.count() == 1 || ended.wait(20000));
    QVERIFY2(status().startsWith(QStringLiteral("Cancelled: ")), qPrintable(status()));
    QVERIFY(!button("CancelBtn")->isEnabled());
    QVERIFY(!column(0).isEmpty());
}

QTEST_MAIN(tst_RankNumbers)
#include "tst_RankNumbers.moc"
