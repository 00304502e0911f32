// Termination signals become an orderly quit on the user-interface thread: a signal handler may
// only write to a pipe, whose other end a socket notifier watches.
#include "ui/main/quitsignals.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace orvane {

namespace {

int gSignalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(gSignalPipe[0], &byte, 1);
}

void quitInOrder()
{
    // Modal dialogs first, innermost first: each closes as if cancelled, which releases the
    // windows below it; then every window, then the event loop.
    for (int guard = 0; guard < 32; ++guard) {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->close()) {
            break;
        }
    }
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace

void QuitOnTerminationSignals()
{
    if (gSignalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSignalPipe) != 0) {
        return;
    }
    auto *notifier = new QSocketNotifier(gSignalPipe[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(gSignalPipe[1], &byte, 1);
        quitInOrder();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace orvane
