#include "platform/app_home.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/folder_ops.h"
#include "platform/paths.h"

namespace qf {
namespace {

constexpr const char* kAppFolderName = "quillfind";

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string CurrentFolder() {
    std::vector<char> buffer(256);
    while (!getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) return {};
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

std::string UserHome() {
    std::string home = Env("HOME");
    if (!home.empty()) return home;
    // No HOME (started by a service, say): ask the user database.
    std::vector<char> buffer(4096);
    passwd pw{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &pw, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
        return found->pw_dir;
    return {};
}

// Absolute, with "." parts and doubled or trailing separators dropped.
std::string MakeAbsolute(const std::string& path) {
    if (path.empty()) return {};
    std::string full = path[0] == kPathSeparator ? path : JoinPath(CurrentFolder(), path);
    std::string out;
    size_t start = 0;
    while (start <= full.size()) {
        size_t end = full.find(kPathSeparator, start);
        if (end == std::string::npos) end = full.size();
        const std::string_view part(full.data() + start, end - start);
        if (!part.empty() && part != ".") {
            out += kPathSeparator;
            out += part;
        }
        start = end + 1;
    }
    return out.empty() ? std::string(1, kPathSeparator) : out;
}

}  // namespace

std::string ResolveAppHome(const std::string& override) {
    if (!override.empty()) return MakeAbsolute(override);
    const std::string explicitHome = Env("QUILLFIND_HOME");
    if (!explicitHome.empty()) return MakeAbsolute(explicitHome);
    // A relative XDG_DATA_HOME is invalid and ignored, as the XDG rules say.
    const std::string dataHome = Env("XDG_DATA_HOME");
    if (!dataHome.empty() && dataHome[0] == kPathSeparator) return MakeAbsolute(JoinPath(dataHome, kAppFolderName));
    const std::string userHome = UserHome();
    if (userHome.empty()) return {};
    return MakeAbsolute(JoinPath(JoinPath(userHome, ".local/share"), kAppFolderName));
}

bool PrepareAppHome(std::string& home, const std::string& override) {
    home = ResolveAppHome(override);
    return !home.empty() && CreateFolders(home);
}

}  // namespace qf
