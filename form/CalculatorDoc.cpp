#include "CalculatorDoc.h"

#include "RegularFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

namespace tarvo {

bool CCalculatorDoc::OnOpenDocument(const std::string& path, std::string& reason) {
    const OpenedFile opened = OpenRegularFile(path, O_RDONLY);
    if (opened.descriptor < 0) {
        reason = opened.reason;
        return false;
    }
    close(opened.descriptor);
    m_strTitle = std::filesystem::path(path).filename().string();
    return true;
}

} // namespace tarvo
