// glyphora-cli scripts, run on a fresh editor in a sandbox folder.
#include "script.h"

#include "fuzz_targets.h"

#include <algorithm>
#include <sstream>
#include <unistd.h>

namespace glyphora::fuzz {

namespace {

namespace fs = std::filesystem;

// The script works some levels down, so that the parent steps a name without a slash can
// take (".." as a working directory or a home) stay inside the sandbox.
constexpr int kSandboxDepth = 4;

struct Sandbox {
    fs::path root;
    fs::path work;
    Sandbox() {
        root = fs::temp_directory_path() / ("glyphora-fuzz-script-" + std::to_string(::getpid()));
        work = root;
        for (int level = 0; level < kSandboxDepth; ++level)
            work /= "d";
        fs::create_directories(work);
    }
    ~Sandbox() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    // Every file a previous script left, at any level.
    void empty() const {
        std::error_code ec;
        for (fs::path level = root;; level /= "d") {
            for (const auto& entry : fs::directory_iterator(level, ec))
                if (entry.path().filename() != "d")
                    fs::remove_all(entry.path(), ec);
            if (level == work)
                break;
        }
    }
};

// A name holding a slash, or an escape that makes one, could reach beyond the sandbox.
bool staysInSandbox(std::string_view script) {
    if (script.find('/') != std::string_view::npos)
        return false;
    std::string lower(script);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("\\x2f") == std::string::npos;
}

} // namespace

int fuzzScript(std::string_view bytes) {
    if (!staysInSandbox(bytes))
        return -1;
    static Sandbox sandbox;
    sandbox.empty();
    std::error_code ec;
    fs::current_path(sandbox.work, ec);
    if (ec)
        return 0;
    std::ostringstream transcript;
    ScriptRunner runner(sandbox.work, transcript);
    std::istringstream script{std::string(bytes)};
    runner.run(script);
    return 0;
}

} // namespace glyphora::fuzz
