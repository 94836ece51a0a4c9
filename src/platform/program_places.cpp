#include "platform/program_places.h"

#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFolderName = "glyphora";

bool isDirectory(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool mayWriteInto(const fs::path& dir) {
    return ::access(dir.c_str(), W_OK) == 0;
}

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

UserFolders userFoldersFromEnvironment() {
    UserFolders user{environmentValue("XDG_DATA_HOME"), environmentValue("HOME")};
    if (user.home.empty()) {
        // A session without $HOME still has a home in the password database.
        if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_dir)
            user.home = entry->pw_dir;
    }
    return user;
}

fs::path userDataFolder(const UserFolders& user) {
    const fs::path xdg(user.xdgDataHome);
    // A relative XDG_DATA_HOME is ignored, as the desktops' own programs ignore it.
    if (!user.xdgDataHome.empty() && xdg.is_absolute())
        return xdg / kFolderName;
    return fs::path(user.home) / ".local" / "share" / kFolderName;
}

ProgramPlaces locateProgramPlaces(const fs::path& executableDir, const fs::path& installedData,
                                  const UserFolders& user) {
    const fs::path installed = (executableDir / installedData).lexically_normal();
    if (!installedData.empty() && isDirectory(installed))
        return {userDataFolder(user), installed, executableDir};
    // The data lie beside the executable, as in the build tree.
    if (mayWriteInto(executableDir))
        return {executableDir, executableDir, executableDir};
    return {userDataFolder(user), executableDir, executableDir};
}

ProgramPlaces withHome(ProgramPlaces places, fs::path home) {
    if (places.shippedData == places.executableDir)
        places.shippedData = home;
    places.home = std::move(home);
    return places;
}

bool prepareProgramHome(const ProgramPlaces& places) {
    std::error_code ec;
    if (places.home == places.shippedData)
        return true;
    fs::create_directories(places.home, ec);
    if (!isDirectory(places.home))
        return false;
    // Only installed data are copied; an executable's own folder holds more than data.
    const fs::path marker = places.home / kSeededMarker;
    if (places.shippedData == places.executableDir || fs::exists(marker, ec))
        return true;
    fs::copy(places.shippedData, places.home,
             fs::copy_options::recursive | fs::copy_options::skip_existing, ec);
    if (ec)
        return false;
    std::ofstream out(marker);
    out << places.shippedData.string() << '\n';
    return static_cast<bool>(out);
}

} // namespace glyphora
