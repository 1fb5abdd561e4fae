// The product as `cmake --install` lays it out (staged into the build tree by the fixture
// install_staged), and the manual's links.
#include "ExternalPrograms.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include <gtest/gtest.h>

namespace tarvo {
namespace {

const QString kManual = MANUAL_SOURCE_DIR;
const QString kInstalledManual = STAGED_DATA "/tarvo/manual";

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

struct Link {
    QString page;   // the page that holds the link
    QString target; // as written
};

// Every href and src of the manual's pages that leads into the manual itself.
std::vector<Link> LocalLinks() {
    static const QRegularExpression attribute(R"((?:href|src)\s*=\s*["']([^"']*)["'])",
                                              QRegularExpression::CaseInsensitiveOption);
    std::vector<Link> links;
    for (const QString& page : QDir(kManual).entryList({"*.html"}, QDir::Files)) {
        auto matches = attribute.globalMatch(ReadText(kManual + "/" + page));
        while (matches.hasNext()) {
            const QString target = matches.next().captured(1);
            if (QUrl(target).scheme().isEmpty())
                links.push_back({page, target});
        }
    }
    return links;
}

// The anchors a page offers: name and id attributes.
QSet<QString> Anchors(const QString& path) {
    static const QRegularExpression attribute(R"(\b(?:name|id)\s*=\s*["']([^"']*)["'])");
    QSet<QString> anchors;
    auto matches = attribute.globalMatch(ReadText(path));
    while (matches.hasNext())
        anchors.insert(matches.next().captured(1));
    return anchors;
}

TEST(InstallationTest, ProgramsAreInstalledAsExecutables) {
    for (const char* program : {"tarvo", "tarvo-batch", "mirelle"}) {
        const QFileInfo file(QString(STAGED_BIN) + "/" + program);
        EXPECT_TRUE(file.isFile() && file.isExecutable()) << program;
    }
}

TEST(InstallationTest, DataFilesLieInTheStandardPlaces) {
    for (const char* path : {
             "icons/hicolor/scalable/apps/tarvo.svg",
             "applications/com.drelkin.Tarvo.desktop",
             "applications/com.drelkin.Tarvo.Mirelle.desktop",
             "metainfo/com.drelkin.Tarvo.metainfo.xml",
             "tarvo/manual/helpindex.html",
             "man/man1/tarvo.1.gz",
             "man/man1/tarvo-batch.1.gz",
             "man/man1/mirelle.1.gz",
             "doc/tarvo/copyright",
             "doc/tarvo/changelog.gz",
         })
        EXPECT_TRUE(QFileInfo(QString(STAGED_DATA) + "/" + path).isFile()) << path;
}

TEST(InstallationTest, EveryManualFileIsInstalled) {
    QDirIterator files(kManual, {"*.html", "*.css"}, QDir::Files);
    while (files.hasNext()) {
        const QString name = QFileInfo(files.next()).fileName();
        EXPECT_TRUE(QFileInfo(kInstalledManual + "/" + name).isFile()) << name.toStdString();
    }
}

TEST(InstallationTest, TheInstalledCalculatorFindsTheInstalledManual) {
    EXPECT_EQ(UserManualPath(STAGED_BIN), kInstalledManual + "/helpindex.html");
}

// It looks for the viewer beside itself and on PATH, and for the manual beside itself, only:
// it holds no path of the build tree or of the sources to fall back on.
TEST(InstallationTest, TheInstalledCalculatorHoldsNoPathOfTheBuild) {
    QFile program(QString(STAGED_BIN) + "/tarvo");
    ASSERT_TRUE(program.open(QIODevice::ReadOnly));
    const QByteArray bytes = program.readAll();
    EXPECT_FALSE(bytes.contains(BUILD_VIEWER_FOLDER));
    EXPECT_FALSE(bytes.contains(MANUAL_SOURCE_DIR));
}

TEST(InstallationTest, EveryLinkOfTheManualLeadsToAnInstalledFile) {
    const std::vector<Link> links = LocalLinks();
    ASSERT_FALSE(links.empty());
    for (const auto& [page, target] : links) {
        const QString where = page + ": " + target;
        const QUrl url(target);
        const QString file = url.path().isEmpty() ? page : url.path();
        const QFileInfo source(kManual + "/" + file);
        EXPECT_TRUE(source.isFile()) << where.toStdString();
        // Within the manual's own folder, so that it is installed with it.
        EXPECT_EQ(source.absolutePath(), QDir(kManual).absolutePath()) << where.toStdString();
        EXPECT_TRUE(QFileInfo(kInstalledManual + "/" + file).isFile()) << where.toStdString();
        if (url.hasFragment()) {
            EXPECT_TRUE(Anchors(source.filePath()).contains(url.fragment())) << where.toStdString();
        }
    }
}

TEST(InstallationTest, EveryPageIsReachableFromTheIndex) {
    QSet<QString> reached{"helpindex.html"};
    std::vector<QString> pending{"helpindex.html"};
    const std::vector<Link> links = LocalLinks();
    while (!pending.empty()) {
        const QString page = pending.back();
        pending.pop_back();
        for (const auto& link : links) {
            const QString file = QUrl(link.target).path();
            if (link.page == page && file.endsWith(".html") && !reached.contains(file)) {
                reached.insert(file);
                pending.push_back(file);
            }
        }
    }
    for (const QString& page : QDir(kManual).entryList({"*.html"}, QDir::Files))
        EXPECT_TRUE(reached.contains(page)) << page.toStdString();
}

} // namespace
} // namespace tarvo
