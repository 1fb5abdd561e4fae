// tarvo-startup: the calculator started exactly as tarvo starts it, timed from the moment the
// shell launched it (TARVO_LAUNCHED_AT, bash's $EPOCHREALTIME) to the first paint of its
// form; prints "MILLISECONDS MEGABYTES_RESIDENT" and quits. bench/startup.sh runs it.
#include "CalculatorProgram.h"
#include "MainFrame.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

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

// Reports at the form's first paint, then ends the program.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            std::printf("%.1f %.1f\n", MillisecondsSinceLaunch(), ResidentMegabytes());
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_reported = false;
};

} // namespace

int main(int, char** argv) {
    if (!std::getenv("TARVO_LAUNCHED_AT")) {
        std::fprintf(stderr, "tarvo-startup: run it through bench/startup.sh\n");
        return 2;
    }
    FirstPaint firstPaint;
    return tarvo::RunCalculator(argv[0], std::nullopt, [&](tarvo::CMainFrame& frame) {
        frame.Form().installEventFilter(&firstPaint);
    });
}
