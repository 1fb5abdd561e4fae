// tarvo-startup: the calculator started exactly as tarvo starts it, timed from the moment the
// shell launched it (TARVO_LAUNCHED_AT, bash's $EPOCHREALTIME) to the first paint of its
// form. It then presses "=" TARVO_EQUALS times (default 0), closes the window as its close box
// does and prints "START_MS START_CPU_MS RESIDENT_MB_AT_FIRST_PAINT RESIDENT_MB_AFTER_EQUALS
// CLOSE_MS", the processor time being the program's own until the first paint, the closing
// time running until the program has stored its settings and ends.
// bench/startup.sh runs it.
#include "CalculatorProgram.h"
#include "MainFrame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

double MillisecondsSinceLaunch() {
    const double launched = std::strtod(std::getenv("TARVO_LAUNCHED_AT"), nullptr);
    return QDateTime::currentMSecsSinceEpoch() - launched * 1000.0;
}

double ResidentMegabytes() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const auto match = QRegularExpression(R"(VmRSS:\s+(\d+) kB)").match(status.readAll());
    return match.captured(1).toDouble() / 1024.0;
}

// At the form's first paint: reports, presses "=", and closes the window.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QElapsedTimer& closing) : m_closing(closing) {}
    void Watch(tarvo::CMainFrame& frame) {
        m_frame = &frame;
        frame.Form().installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            std::printf("%.1f %.1f %.1f ", MillisecondsSinceLaunch(),
                        1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC,
                        ResidentMegabytes());
            QTimer::singleShot(0, this, [this] { PressEqualsAndClose(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void PressEqualsAndClose() {
        const char* equals = std::getenv("TARVO_EQUALS");
        for (int i = equals ? std::atoi(equals) : 0; i > 0; --i)
            m_frame->Form().Button(1019)->click();
        std::printf("%.1f ", ResidentMegabytes());
        m_closing.start();
        m_frame->close();
    }

    QElapsedTimer& m_closing;
    tarvo::CMainFrame* m_frame = nullptr;
    bool m_reported = false;
};

} // namespace

int main(int, char** argv) {
    if (!std::getenv("TARVO_LAUNCHED_AT")) {
        std::fprintf(stderr, "tarvo-startup: run it through bench/startup.sh\n");
        return 2;
    }
    QElapsedTimer closing;
    FirstPaint firstPaint(closing);
    const int status = tarvo::RunCalculator(
        argv[0], std::nullopt, [&](tarvo::CMainFrame& frame) { firstPaint.Watch(frame); });
    std::printf("%.1f\n", static_cast<double>(closing.nsecsElapsed()) / 1e6);
    return status;
}
