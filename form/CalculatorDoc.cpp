#include "CalculatorDoc.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace tarvo {

bool CCalculatorDoc::OnOpenDocument(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    const bool isFolder = fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
    close(fd);
    if (isFolder) {
        errno = EISDIR;
        return false;
    }
    m_strTitle = std::filesystem::path(path).filename().string();
    return true;
}

} // namespace tarvo
