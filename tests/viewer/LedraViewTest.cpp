#include "LedraView.h"

#include <QDir>

#include <gtest/gtest.h>

namespace mirelle {
namespace {

TEST(LedraViewTest, DocumentValuesNameFilesOrAddresses) {
    const struct {
        const char* name;
        QString document;
        QUrl expected;
    } rows[] = {
        {"empty", "", QUrl("about:blank")},
        {"blanks", "  ", QUrl("about:blank")},
        {"absolute path", "/usr/share/tarvo/manual/helpindex.html",
         QUrl("file:///usr/share/tarvo/manual/helpindex.html")},
        {"path with a blank", "/home/a b/helpindex.html",
         QUrl::fromLocalFile("/home/a b/helpindex.html")},
        {"relative path", "manual/helpindex.html",
         QUrl::fromLocalFile(QDir::current().absoluteFilePath("manual/helpindex.html"))},
        {"file URL", "file:///tmp/page.html", QUrl("file:///tmp/page.html")},
        {"web address", "https://example.org/help.html", QUrl("https://example.org/help.html")},
    };
    for (const auto& row : rows)
        EXPECT_EQ(AddressToUrl(row.document), row.expected) << row.name;
}

} // namespace
} // namespace mirelle
