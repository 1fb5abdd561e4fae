// The document named at start: only its name is taken, and a file that cannot be opened is
// refused with the reason.
#include "CalculatorDoc.h"
#include "HeadlessHost.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <sstream>

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
    ASSERT_TRUE(m_doc.OnOpenDocument(Path("/sums.txt")));
    EXPECT_EQ(m_doc.GetTitle(), "sums.txt");
    EXPECT_EQ(m_doc.BaseLevel().m_bNormalPrecision, 1);
}

TEST_F(CalculatorDocTest, WhatCannotBeOpenedIsRefusedWithTheReason) {
    const struct {
        std::string path;
        int error;
    } rows[] = {{Path("/missing.txt"), ENOENT}, {Path(""), EISDIR}, {"", ENOENT}};
    for (const auto& row : rows) {
        errno = 0;
        EXPECT_FALSE(m_doc.OnOpenDocument(row.path)) << row.path;
        EXPECT_EQ(errno, row.error) << row.path;
        EXPECT_EQ(m_doc.GetTitle(), "") << row.path;
    }
}

} // namespace
} // namespace tarvo
