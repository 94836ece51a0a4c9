#include "formats/file_output.h"

#include <algorithm>
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
std::optional<std::uint64_t> gWriteFault;

fs::path temporaryName(const fs::path& beside) {
    static std::mt19937 engine{std::random_device{}()};
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".~%06x", digits(engine));
    fs::path name = beside;
    name += suffix;
    return name;
}

// Opens a new file beside the target that no one else uses ("x" fails on an existing name).
std::FILE* createTemporary(const fs::path& target, fs::path& temporary) {
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporary = temporaryName(target);
        if (std::FILE* file = std::fopen(temporary.c_str(), "wbx"))
            return file;
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

// The injected fault: a stream over the real file that passes on a budget of bytes.
struct FaultyStream {
    std::FILE* real;
    std::uint64_t budget;
};

ssize_t writeWithinBudget(void* cookie, const char* data, std::size_t size) {
    auto* stream = static_cast<FaultyStream*>(cookie);
    const std::size_t allowed =
        static_cast<std::size_t>(std::min<std::uint64_t>(size, stream->budget));
    if (allowed == 0 && size > 0) {
        errno = ENOSPC;
        return -1;
    }
    const std::size_t written = std::fwrite(data, 1, allowed, stream->real);
    stream->budget -= written;
    return static_cast<ssize_t>(written);
}

int releaseFaultyStream(void* cookie) {
    delete static_cast<FaultyStream*>(cookie); // the real file is closed by its owner
    return 0;
}

std::FILE* withWriteFault(std::FILE* real, std::uint64_t budget) {
    auto* cookie = new FaultyStream{real, budget};
    const cookie_io_functions_t functions{nullptr, writeWithinBudget, nullptr, releaseFaultyStream};
    std::FILE* stream = ::fopencookie(cookie, "wb", functions);
    if (!stream)
        delete cookie;
    return stream;
}

} // namespace

bool writeFileSafely(const fs::path& target, const std::function<bool(std::FILE*)>& write) {
    fs::path temporary;
    std::FILE* file = createTemporary(target, temporary);
    if (!file)
        return false;
    bool ok = true;
    if (gWriteFault) {
        std::FILE* faulty = withWriteFault(file, *gWriteFault);
        ok = faulty && write(faulty);
        ok = faulty && std::fclose(faulty) == 0 && ok;
    } else {
        ok = write(file);
    }
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
    // Copied under a passing name first, so no half copy ever carries the backup's name.
    const fs::path temporary = temporaryName(backup);
    if (!fs::copy_file(target, temporary, fs::copy_options::none, ec) || ec) {
        if (ec != std::errc::file_exists) // a name taken by someone else stays theirs
            fs::remove(temporary, ec);
        return false;
    }
    fs::rename(temporary, backup, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

void setWriteFaultForTests(std::optional<std::uint64_t> failAfterBytes) {
    gWriteFault = failAfterBytes;
}

} // namespace glyphora
