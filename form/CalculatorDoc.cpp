#include "CalculatorDoc.h"

#include "RegularFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

namespace tarvo {

bool CCalculatorDoc::OnOpenDocument(const std::string& path, std::string& reason) {
    const int fd = OpenRegularFile(path, O_RDONLY, reason);
    if (fd < 0)
        return false;
    close(fd);
    m_strTitle = std::filesystem::path(path).filename().string();
    return true;
}

} // namespace tarvo
