#include "ui/terminationsignal.h"

#include "ui/messageboxes.h"

#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace zadrovec::ui {

namespace {

// A signal handler may do next to nothing: it writes a byte that the event loop then reads.
int signalSockets[2] = {-1, -1};

void noteSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalSockets[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

void closeOnTerminationSignal(QWidget& window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0) return;
    auto* notifier = new QSocketNotifier(signalSockets[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(signalSockets[0], &byte, 1);
        // The session is ending: a box would wait for an answer nobody gives. What the close
        // has to tell (a save that failed) goes to standard error instead.
        MessageBoxes::setPresenter([](MessageKind, const QString&, const QString& text) {
            std::fprintf(stderr, "zadrovec: %s\n", text.toLocal8Bit().constData());
            std::fflush(stderr);
        });
        window.close();
    });
    struct sigaction action = {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace zadrovec::ui
