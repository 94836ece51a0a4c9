#include "formats/file_output.h"

#include <cerrno>
#include <random>
#include <string>
#include <system_error>
#include <unistd.h>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

constexpr int kTemporaryNameAttempts = 16;
constexpr const char* kBackupSuffix = ".bak";

bool syncBeforeRename = true;

// Opens a new file beside the target that no one else uses ("x" fails on an existing name).
std::FILE* createTemporary(const fs::path& target, fs::path& temporary) {
    static std::mt19937 engine{std::random_device{}()};
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".~%06x", digits(engine));
        temporary = target;
        temporary += suffix;
        if (std::FILE* file = std::fopen(temporary.c_str(), "wbx"))
            return file;
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

} // namespace

bool writeFileSafely(const fs::path& target, const std::function<bool(std::FILE*)>& write) {
    fs::path temporary;
    std::FILE* file = createTemporary(target, temporary);
    if (!file)
        return false;
    bool ok = write(file);
    ok = std::fflush(file) == 0 && ok;
    if (syncBeforeRename)
        ok = ::fsync(::fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    std::error_code ec;
    if (ok) {
        const fs::file_status old = fs::status(target, ec);
        if (!ec && fs::exists(old))
            fs::permissions(temporary, old.permissions(), ec);
        ec.clear();
        fs::rename(temporary, target, ec);
        ok = !ec;
    }
    if (!ok)
        fs::remove(temporary, ec);
    return ok;
}

bool writeFileSafely(const fs::path& target, std::string_view bytes) {
    return writeFileSafely(target, [bytes](std::FILE* file) {
        return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    });
}

void setSyncBeforeRename(bool sync) {
    syncBeforeRename = sync;
}

bool backupFile(const fs::path& target) {
    fs::path backup = target;
    backup += kBackupSuffix;
    std::error_code ec;
    if (fs::exists(fs::symlink_status(backup, ec)))
        return false;
    fs::rename(target, backup, ec);
    return !ec;
}

} // namespace glyphora
