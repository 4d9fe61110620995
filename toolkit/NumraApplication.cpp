#include "toolkit/NumraApplication.h"

#include "toolkit/ErrorLogger.h"

NumraApplication::NumraApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool NumraApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // Qt's own frames on the way here were built without exception cleanups, so each
        // failure leaks what they held (the event's copy, a QPointer): a few hundred bytes.
        ErrorLogger::instance().reportCurrentException();
        return false;
    }
}
