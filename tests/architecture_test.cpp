// The two dependency rules that keep the core toolkit-free and layered.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path kSource = fs::path(GLYPHORA_SOURCE_DIR) / "src";

std::vector<std::string> includesOf(const fs::path& file) {
    static const std::regex include(R"(^\s*#\s*include\s*[<"]([^>"]+)[>"])");
    std::vector<std::string> found;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (std::regex_search(line, m, include))
            found.push_back(m[1]);
    }
    return found;
}

std::vector<fs::path> sourceFiles() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(kSource)) {
        const auto ext = entry.path().extension();
        if (ext == ".h" || ext == ".cpp")
            files.push_back(entry.path());
    }
    return files;
}

// The folders of the core; system headers such as <sys/mman.h> are none of them.
std::vector<std::string> coreFolders() {
    std::vector<std::string> folders;
    for (const auto& entry : fs::directory_iterator(kSource)) {
        if (entry.is_directory())
            folders.push_back(entry.path().filename().string());
    }
    return folders;
}

TEST(Architecture, NothingInTheCoreIncludesQt) {
    const auto files = sourceFiles();
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        for (const std::string& inc : includesOf(file)) {
            EXPECT_FALSE(inc.rfind("Q", 0) == 0 || inc.rfind("qt", 0) == 0)
                << file << " includes " << inc;
        }
    }
}

TEST(Architecture, LowerLevelsDoNotReachIntoTheApplication) {
    const std::vector<std::string> folders = coreFolders();
    for (const fs::path& file : sourceFiles()) {
        const std::string folder = file.parent_path().filename().string();
        const std::string name = file.filename().string();
        // The command files of each subsystem sit above the Editor by design.
        if (folder == "app" || name.find("_commands.") != std::string::npos)
            continue;
        for (const std::string& inc : includesOf(file)) {
            EXPECT_NE(inc.rfind("app/", 0), 0u) << file << " includes " << inc;
            // The platform layer sits on the system alone (POSIX headers live under sys/).
            if (folder == "platform") {
                for (const std::string& above : folders) {
                    EXPECT_TRUE(above == "platform" || inc.rfind(above + "/", 0) != 0)
                        << file << " (platform) includes " << inc;
                }
            }
        }
    }
}

} // namespace
