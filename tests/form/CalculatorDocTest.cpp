// The document named at start: only its name is taken, and a file that cannot be opened is
// refused with the reason.
#include "CalculatorDoc.h"
#include "HeadlessHost.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include <sys/stat.h>

namespace tarvo {
namespace {

class CalculatorDocTest : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return m_folder.path().toStdString() + name; }

    QTemporaryDir m_folder;
    std::ostringstream m_output;
    HeadlessHost m_host{m_output};
    CCalculatorDoc m_doc{m_host};
};

TEST_F(CalculatorDocTest, ANewDocumentHasTheCompanyTitle) {
    m_doc.OnNewDocument();
    EXPECT_EQ(m_doc.GetTitle(), "Drelkin Software");
}

TEST_F(CalculatorDocTest, AnOpenedFileNamesTheDocumentWithoutBeingRead) {
    std::ofstream(Path("/sums.txt")) << "not a calculation";
    std::string reason;
    ASSERT_TRUE(m_doc.OnOpenDocument(Path("/sums.txt"), reason));
    EXPECT_EQ(m_doc.GetTitle(), "sums.txt");
    EXPECT_TRUE(m_doc.BaseLevel().m_shared.m_bNormalPrecision);
}

// A named pipe is refused before anything waits on it for a writer.
TEST_F(CalculatorDocTest, WhatCannotBeOpenedIsRefusedWithTheReason) {
    ASSERT_EQ(::mkfifo(Path("/pipe.txt").c_str(), 0600), 0);
    const struct {
        std::string path;
        std::string reason;
    } rows[] = {{Path("/missing.txt"), std::strerror(ENOENT)},
                {Path(""), std::strerror(EISDIR)},
                {"", std::strerror(ENOENT)},
                {Path("/pipe.txt"), "Not a regular file"},
                {"/dev/zero", "Not a regular file"}};
    for (const auto& row : rows) {
        std::string reason;
        EXPECT_FALSE(m_doc.OnOpenDocument(row.path, reason)) << row.path;
        EXPECT_EQ(reason, row.reason) << row.path;
        EXPECT_EQ(m_doc.GetTitle(), "") << row.path;
    }
}

} // namespace
} // namespace tarvo
