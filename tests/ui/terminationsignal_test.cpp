// SIGTERM and SIGINT close the window as the user's close does: later, in the event loop, with
// the window's close handling (where the settings are saved), not inside the signal handler.
#include "ui/terminationsignal.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWidget>
#include <csignal>
#include <gtest/gtest.h>

namespace {

class CountedCloses : public QWidget {
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closes;
        event->accept();
    }
};

bool closedWithin(QWidget& window, int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    while (window.isVisible() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !window.isVisible();
}

} // namespace

TEST(TerminationSignal, TermAndIntCloseTheWindowThroughTheEventLoop) {
    CountedCloses window;
    zadrovec::ui::closeOnTerminationSignal(window);
    int expectedCloses = 0;
    for (const int signal : {SIGTERM, SIGINT}) {
        window.show();
        ASSERT_EQ(std::raise(signal), 0);
        EXPECT_TRUE(window.isVisible()) << "closed inside the signal handler";
        EXPECT_TRUE(closedWithin(window, 5000)) << "signal " << signal;
        EXPECT_EQ(window.closes, ++expectedCloses) << "signal " << signal;
    }
    // The window goes away with this test: the signals end the process again.
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
}
