// The calculator window on the offscreen platform (or the one QT_QPA_PLATFORM names), with a
// calculation of N bytes restored at start through Remember Last Calculation: a key in normal
// entry and with the caret in the large display, "=" with its "Current Calc" and undo entry,
// Undo and Redo. Each key is timed from the button's click until the window has painted it.
#include "GeneratedEquation.h"
#include "IniSettingsStore.h"
#include "MainFrame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace tarvo {
namespace {

enum : int { K5 = 1006, ADD = 1013, EQUALS = 1019, UNDO = 1054, REDO = 1055 };

class Window {
public:
    explicit Window(std::size_t restored) {
        m_host.SetMessagePresenter([](QWidget*, const QString&, const QString&, MessageButtons) {
            return MessageAnswer::Ok;
        });
        if (restored > 0) {
            m_settings.WriteSettingInt("Settings", "Save Last", 1);
            m_settings.WriteSettingString("Settings", "Last Calc", GeneratedEquation(restored));
        }
        m_doc.OnNewDocument();
        m_frame = std::make_unique<CMainFrame>(m_doc, m_host, m_settings);
        m_frame->show();
        m_frame->activateWindow();
        if (!QTest::qWaitForWindowActive(m_frame.get()))
            qWarning("the window did not become active");
        QApplication::processEvents();
    }

    // The key, and the paint of what it changed.
    void Press(int id) {
        m_frame->Form().Button(id)->click();
        QApplication::processEvents();
    }

    // The caret in the large display, halfway through its text.
    void ClickIntoLargeDisplay() {
        QPlainTextEdit* large = m_frame->Form().LargeDisplay();
        large->setFocus();
        QApplication::processEvents();
        QTextCursor cursor = large->textCursor();
        cursor.setPosition(large->document()->characterCount() / 2);
        large->setTextCursor(cursor);
        QApplication::processEvents();
    }

private:
    QTemporaryDir m_folder;
    IniSettingsStore m_settings{m_folder.path()};
    FormHost m_host;
    CCalculatorDoc m_doc{m_host};
    std::unique_ptr<CMainFrame> m_frame;
};

void BM_WindowKey(benchmark::State& state) {
    Window window(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        window.Press(K5);
        window.Press(ADD);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

void BM_WindowKeyAtCaret(benchmark::State& state) {
    Window window(static_cast<std::size_t>(state.range(0)));
    window.ClickIntoLargeDisplay();
    for (auto _ : state)
        window.Press(K5);
}

void BM_WindowEquals(benchmark::State& state) {
    Window window(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        window.Press(EQUALS);
}

// One Undo and one Redo among twenty stored calculations.
void BM_WindowUndoRedo(benchmark::State& state) {
    Window window(static_cast<std::size_t>(state.range(0)));
    for (int i = 0; i < 20; ++i)
        window.Press(EQUALS);
    for (auto _ : state) {
        window.Press(UNDO);
        window.Press(REDO);
    }
}

constexpr std::int64_t kMiB = 1 << 20;

BENCHMARK(BM_WindowKey)->Arg(0)->Arg(kMiB)->Arg(4 * kMiB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowKeyAtCaret)->Arg(0)->Arg(kMiB)->Arg(4 * kMiB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowEquals)->Arg(0)->Arg(kMiB)->Arg(4 * kMiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowUndoRedo)->Arg(0)->Arg(kMiB)->Arg(4 * kMiB)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvo

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
