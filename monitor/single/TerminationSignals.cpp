#include "TerminationSignals.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A signal handler may do next to nothing: it writes one byte to this pipe, and the event
// loop reads it on the other end.
int signalPipe[2] = { -1, -1 };
QPointer<QSocketNotifier> notifier;

void OnTerminationSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

bool QuitOnTerminationSignals()
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application)
        return false;
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    if (!notifier) {
        notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, application);
        QObject::connect(notifier, &QSocketNotifier::activated, application, [] {
            char bytes[64];
            while (::read(signalPipe[0], bytes, sizeof bytes) > 0) { }
            QCoreApplication::quit();
        });
    }

    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : { SIGTERM, SIGINT, SIGHUP }) {
        if (::sigaction(signalNumber, &action, nullptr) != 0)
            return false;
    }
    return true;
}
