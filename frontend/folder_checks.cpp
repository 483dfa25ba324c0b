#include "frontend/folder_checks.h"

#include "frontend/message.h"
#include "platform/files.h"
#include "platform/text.h"

#include <unistd.h>
#include <vector>

namespace frontend {

namespace {
FolderPredicate gCdRomTest = nullptr;
}

bool IsCdRomFolder(const std::string& folder) {
    if (gCdRomTest) return gCdRomTest(folder);
    return platform::IsReadOnlyFileSystem(folder);
}

void SetCdRomTest(FolderPredicate predicate) { gCdRomTest = predicate; }

std::string OutputDirectoryProblem(const std::string& folder) {
    if (folder.empty() || !platform::IsDirectory(folder))
        return platform::Format("The Output Directory %s does not exist", folder.c_str());
    if (IsCdRomFolder(folder)) return "The Output Directory cannot be a CD-ROM";
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return platform::Format("The Output Directory %s cannot be written", folder.c_str());
    return std::string();
}

std::string CurrentDirectory() {
    std::vector<char> buffer(4096);
    return ::getcwd(buffer.data(), buffer.size()) ? std::string(buffer.data()) : std::string("/");
}

}  // namespace frontend
