#pragma once

#include <QApplication>

// The program's application object. What an event handler throws ends that handler only: the
// error logger reports it and the program goes on with the next event.
class NumraApplication : public QApplication
{
    Q_OBJECT

public:
    NumraApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
