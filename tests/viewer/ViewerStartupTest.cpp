// The viewer as it starts from the settings the calculator leaves: caption, page, menus.
#include "AccessibleTree.h"
#include "LedraView.h"
#include "ViewerMainFrame.h"
#include "ViewerSettings.h"
#include "ViewerTestFiles.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

#include <sys/stat.h>

namespace mirelle {
namespace {

class ViewerStartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        qputenv("XDG_CONFIG_HOME", Config().toUtf8());
        m_settings.emplace(); // reads $XDG_CONFIG_HOME as the viewer does
        WriteTextFile(Index(), "<html><body><h1>Index page</h1>"
                               "<p><a href=\"second.html\">Second page</a></p></body></html>");
        WriteTextFile(Second(), "<html><body><h1>Second page</h1></body></html>");
    }
    void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

    QString Config() const { return m_folder.path() + "/config"; }
    QString Index() const { return m_folder.path() + "/pages/index.html"; }
    QString Second() const { return m_folder.path() + "/pages/second.html"; }

    void Prepare(const QString& document, const QByteArray& docSelect = "0") {
        WriteViewerSettings(Config(), "Document=" + document.toUtf8() + "\nDocSelect=" + docSelect);
    }

    QTemporaryDir m_folder;
    std::optional<ViewerSettings> m_settings;
};

TEST_F(ViewerStartupTest, ShowsTheDocumentPageUnderTheHelpCaption) {
    Prepare(Index());
    CMainFrame frame(*m_settings);
    EXPECT_EQ(frame.windowTitle(), "TarvoCalc Help - Mirelle");
    EXPECT_EQ(frame.View().source(), QUrl::fromLocalFile(Index()));
    EXPECT_TRUE(frame.View().toPlainText().contains("Index page"));
}

TEST_F(ViewerStartupTest, OtherDocumentKindsAreUntitled) {
    const struct {
        const char* name;
        const char* lines;
    } rows[] = {
        {"one", "DocSelect=1"},
        {"seven", "DocSelect=7"},
        {"negative", "DocSelect=-1"},
        {"not a number", "DocSelect=help"},
        {"missing", "Document=/nowhere"},
        {"empty", "DocSelect="},
        {"beyond 32 bits", "DocSelect=4294967296"},
    };
    for (const auto& row : rows) {
        WriteViewerSettings(Config(), row.lines);
        CMainFrame frame(*m_settings);
        EXPECT_EQ(frame.windowTitle(), "Untitled - Mirelle") << row.name;
    }
}

TEST_F(ViewerStartupTest, NoSettingsFileShowsAnEmptyUntitledView) {
    CMainFrame frame(*m_settings);
    EXPECT_EQ(frame.windowTitle(), "Untitled - Mirelle");
    EXPECT_TRUE(frame.View().toPlainText().isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ViewerStartupTest, EmptyDocumentShowsAnEmptyViewWithoutMessage) {
    for (const char* document : {"", "   "}) {
        Prepare(document);
        CMainFrame frame(*m_settings);
        EXPECT_TRUE(frame.View().toPlainText().isEmpty()) << '"' << document << '"';
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

// A named pipe is refused before anything waits on it.
TEST_F(ViewerStartupTest, MissingPageIsReportedInsideTheView) {
    const QString pipe = m_folder.path() + "/pages/pipe.html";
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& page : {m_folder.path() + "/pages/gone.html", pipe}) {
        Prepare(page);
        CMainFrame frame(*m_settings);
        EXPECT_TRUE(frame.View().toPlainText().contains("cannot be shown"));
        EXPECT_TRUE(frame.View().toPlainText().contains(page));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

// A page beyond 16 MB is refused unread (this one is sparse: a gigabyte of nothing).
TEST_F(ViewerStartupTest, TooLargePageIsReportedInsideTheView) {
    const QString large = m_folder.path() + "/pages/large.html";
    WriteTextFile(large, "<html><body>");
    ASSERT_TRUE(QFile::resize(large, qint64{1} << 30));
    Prepare(large);
    CMainFrame frame(*m_settings);
    EXPECT_TRUE(frame.View().toPlainText().contains("Page too large"));
    EXPECT_TRUE(frame.View().toPlainText().contains("up to 16 MB"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A named pipe in the place of the settings file is not read, which would wait for ever.
TEST_F(ViewerStartupTest, ASettingsFileThatIsNoRegularFileReadsAsDefaults) {
    const QString file = m_settings->FilePath();
    QDir().mkpath(QFileInfo(file).path());
    ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    CMainFrame frame(*m_settings);
    EXPECT_EQ(frame.windowTitle(), "Untitled - Mirelle");
    EXPECT_TRUE(frame.View().toPlainText().isEmpty());
}

TEST_F(ViewerStartupTest, NewReadsTheSettingsAgain) {
    Prepare(Index());
    CMainFrame frame(*m_settings);
    Prepare(Second(), "1");
    frame.Command(57600)->trigger();
    EXPECT_EQ(frame.windowTitle(), "Untitled - Mirelle");
    EXPECT_EQ(frame.View().source(), QUrl::fromLocalFile(Second()));
    EXPECT_TRUE(frame.View().toPlainText().contains("Second page"));
}

TEST_F(ViewerStartupTest, NewShowsTheSamePageAsItIsNow) {
    Prepare(Index());
    CMainFrame frame(*m_settings);
    WriteTextFile(Index(), "<html><body><h1>Index page, revised</h1></body></html>");
    frame.Command(57600)->trigger();
    EXPECT_TRUE(frame.View().toPlainText().contains("revised"));
}

TEST_F(ViewerStartupTest, OpenNamesTheCaptionAndShowsTheDocumentPage) {
    Prepare(Index());
    CMainFrame frame(*m_settings);
    frame.View().setSource(QUrl::fromLocalFile(Second()));
    const QString notes = m_folder.path() + "/notes.txt";
    WriteTextFile(notes, "not shown");
    frame.OpenDocument(notes);
    EXPECT_EQ(frame.windowTitle(), "notes.txt - Mirelle");
    EXPECT_EQ(frame.View().source(), QUrl::fromLocalFile(Index()));
    EXPECT_FALSE(frame.View().toPlainText().contains("not shown"));
}

TEST_F(ViewerStartupTest, AFileThatCannotBeOpenedLeavesTheDocumentAsItWas) {
    Prepare(Index());
    CMainFrame frame(*m_settings);
    const QString pipe = m_folder.path() + "/pipe.txt";
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : {m_folder.path() + "/missing.txt", m_folder.path(), pipe}) {
        QString text;
        QTimer::singleShot(0, [&text] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            text = box->windowTitle() + " | " + box->text();
            box->close();
        });
        EXPECT_FALSE(frame.OpenDocument(path));
        EXPECT_TRUE(text.startsWith("Mirelle | The file " + path + " could not be opened.\n"))
            << text.toStdString();
        EXPECT_EQ(frame.windowTitle(), "TarvoCalc Help - Mirelle");
    }
}

TEST_F(ViewerStartupTest, SaveWritesAnEmptyFile) {
    Prepare(Index());
    CMainFrame frame(*m_settings);
    const QString saved = m_folder.path() + "/saved.ledra";
    WriteTextFile(saved, "old content");
    frame.SaveDocument(saved);
    EXPECT_EQ(frame.windowTitle(), "saved.ledra - Mirelle");
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.size(), 0);
}

TEST_F(ViewerStartupTest, MenusHoldTheirItemsAndKeys) {
    const struct {
        int id;
        const char* caption;
        const char* keys; // all of the item's keys, separated by "; "
        bool enabled;
    } rows[] = {
        {57600, "&New", "Ctrl+N", true},
        {57601, "&Open...", "Ctrl+O", true},
        {57603, "&Save", "Ctrl+S", true},
        {57604, "Save &As...", "", true},
        {57616, "Recent File", "", false},
        {57665, "E&xit", "", true},
        {57643, "&Undo", "Ctrl+Z; Alt+Backspace", false},
        {57635, "Cu&t", "Ctrl+X; Shift+Del", false},
        {57634, "&Copy", "Ctrl+C; Ctrl+Ins", false},
        {57637, "&Paste", "Ctrl+V; Shift+Ins", false},
        {59393, "&Status Bar", "", true},
        {57664, "&About Mirelle", "", true},
    };
    CMainFrame frame(*m_settings);
    for (const auto& row : rows) {
        const QAction* item = frame.Command(row.id);
        ASSERT_NE(item, nullptr) << row.id;
        EXPECT_EQ(item->text(), row.caption) << row.id;
        EXPECT_EQ(QKeySequence::listToString(item->shortcuts()), row.keys) << row.id;
        EXPECT_EQ(item->isEnabled(), row.enabled) << row.id;
    }
}

// The disabled Edit items leave the page's own copying alone.
TEST_F(ViewerStartupTest, CtrlCCopiesTheSelectedText) {
    Prepare(Index());
    CMainFrame frame(*m_settings);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QApplication::clipboard()->clear();
    frame.View().setFocus();
    frame.View().selectAll();
    QTest::keyClick(&frame.View(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->text().contains("Index page"));
}

TEST_F(ViewerStartupTest, StatusBarItemShowsAndHidesIt) {
    CMainFrame frame(*m_settings);
    frame.show();
    QAction* item = frame.Command(59393);
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(frame.statusBar()->isVisible());
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(frame.statusBar()->isVisible());
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(frame.statusBar()->isVisible());
}

// A screen reader finds a name for every control, the page and the lock indicators included.
TEST_F(ViewerStartupTest, EveryControlHasAnAccessibleName) {
    Prepare(Index());
    CMainFrame frame(*m_settings);
    frame.show();
    EXPECT_GT(tarvo::test::ControlCount(frame), 0);
    for (const std::string& control : tarvo::test::UnnamedControls(frame))
        ADD_FAILURE() << "no name: " << control;
}

// The address of a link shows while the pointer is on it and goes when the pointer leaves the
// page, even straight out of the window from the link.
TEST_F(ViewerStartupTest, TheLinkAddressGoesWhenThePointerLeavesThePage) {
    Prepare(Index());
    CMainFrame frame(*m_settings);
    frame.show();
    emit frame.View().highlighted(QUrl::fromLocalFile(Second()));
    EXPECT_EQ(frame.statusBar()->currentMessage(), Second());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(frame.View().viewport(), &leave);
    EXPECT_EQ(frame.statusBar()->currentMessage(), "");
}

TEST_F(ViewerStartupTest, ExitClosesTheWindow) {
    CMainFrame frame(*m_settings);
    frame.show();
    frame.Command(57665)->trigger();
    EXPECT_FALSE(frame.isVisible());
}

TEST_F(ViewerStartupTest, AboutShowsTheViewersAboutBox) {
    CMainFrame frame(*m_settings);
    QString title;
    QTimer::singleShot(0, [&title] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        box->close();
    });
    frame.Command(57664)->trigger();
    EXPECT_EQ(title, "About Mirelle");
}

TEST_F(ViewerStartupTest, LinksAreFollowedAndBackAndForwardRetraceThem) {
    Prepare(Index());
    CMainFrame frame(*m_settings);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    CLedraView& view = frame.View();
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Tab); // the reader moves to the link and opens it
    QTest::keyClick(&view, Qt::Key_Return);
    ASSERT_EQ(view.source(), QUrl::fromLocalFile(Second()));
    QTest::keyClick(&frame, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(view.source(), QUrl::fromLocalFile(Index()));
    QTest::keyClick(&frame, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(view.source(), QUrl::fromLocalFile(Second()));
}

} // namespace
} // namespace mirelle
