#include "app/info_commands.h"

#include "app/editor.h"
#include "app/readme_page.h"
#include "formats/file_output.h"
#include "formats/html_export_commands.h"
#include "formats/open_save_commands.h"
#include "platform/text_file.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kNoHelpFile = "ERROR: Couldn`t found help file";
constexpr const char* kBrowserFailure = "ERROR: Couldn`t start browser";
constexpr const char* kNoReadme = "ERROR: Couldn`t found README.md";
constexpr const char* kReadmeTitle = "Glyphora";
constexpr const char* kAboutTitle = "About Glyphora";
constexpr const char* kSystemInfoTitle = "System Info";
constexpr const char* kSeparator = "-----------------------------------------------";
constexpr const char* kUnknown = "unknown";
constexpr std::uint64_t kMegabyte = 1024 * 1024;

constexpr std::array<const char*, 11> kAboutLines = {
    "Glyphora 4.5",
    "",
    "A desktop editor for character art: ASCII pictures and",
    "16-colour ANSI art.",
    "",
    "Type and edit blocks, paint with characters, fill and recolour",
    "cells, turn pictures into art and art into pictures, and save",
    "the result as text, ANSI, HTML, RTF or the program's own formats.",
    "",
    "glyphora-cli runs the same editor from scripts.",
    "",
};

std::string orUnknown(const std::string& value) {
    return value.empty() ? kUnknown : value;
}

std::optional<std::uint64_t> difference(std::optional<std::uint64_t> whole,
                                        std::optional<std::uint64_t> part) {
    if (!whole || !part)
        return std::nullopt;
    // The kernel may promise more than it has (overcommit): nothing is left then.
    return *whole > *part ? *whole - *part : 0;
}

} // namespace

std::string megabytes(std::optional<std::uint64_t> bytes) {
    if (!bytes)
        return kUnknown;
    std::string text = std::to_string(*bytes / kMegabyte);
    text += " MB";
    return text;
}

std::vector<std::string> systemInfoLines(const SystemFacts& facts) {
    const auto labelled = [](const char* label, const std::string& value) {
        std::string line = label;
        line += value;
        return line;
    };
    return {
        "    SYSTEM INFO:",
        kSeparator,
        labelled(" WINDOWS - VERSION : ", orUnknown(facts.kernel)),
        labelled(" WINDOWS - TYPE    : ", orUnknown(facts.distribution)),
        kSeparator,
        labelled(" PROCESSOR         : ", orUnknown(facts.processor)),
        labelled(" PROCESSOR TYPE    : ", orUnknown(facts.machine)),
        kSeparator,
        labelled(" COMPUTER NAME     : ", orUnknown(facts.hostName)),
        labelled(" USER NAME         : ", orUnknown(facts.userName)),
        kSeparator,
        labelled(" TOTAL MEMORY      : ", megabytes(facts.memoryTotal)),
        labelled(" FREE MEMORY       : ", megabytes(facts.memoryAvailable)),
        labelled(" USED MEMORY       : ",
                 megabytes(difference(facts.memoryTotal, facts.memoryAvailable))),
        kSeparator,
        labelled(" VIRTUAL MEMORY    : ", megabytes(facts.commitLimit)),
        labelled(" FREE VIRTUAL MEM. : ",
                 megabytes(difference(facts.commitLimit, facts.committed))),
        kSeparator,
        labelled(" PAGEFILE SIZE     : ", megabytes(facts.swapTotal)),
        labelled(" FREE PAGEFILESIZE : ", megabytes(facts.swapFree)),
        kSeparator,
        labelled(" HARD DISK SIZE    : ", megabytes(facts.diskTotal)),
        labelled(" HARD DISK FREE    : ", megabytes(facts.diskFree)),
        kSeparator,
    };
}

void ShowAbout(Editor& editor) {
    InfoWindow about{
        InfoWindow::Kind::About, kAboutTitle, {kAboutLines.begin(), kAboutLines.end()}};
    // Where edit.ini and the user's data are, which an installed program keeps apart.
    about.lines.push_back("Program directory: " + utf8ToCp1252(editor.programDir().string()));
    editor.ui().showInfoWindow(about);
}

void ShowSystemInfo(Editor& editor) {
    BusyCursor busy(editor.ui());
    const SystemFacts facts = readSystemFacts(editor.programDir());
    editor.ui().showInfoWindow(
        {InfoWindow::Kind::SystemInfo, kSystemInfoTitle, systemInfoLines(facts)});
}

void ShowHelp(Editor& editor) {
    const fs::path index = editor.dataPath(kHelpIndex);
    std::error_code ec;
    if (!fs::is_regular_file(index, ec)) {
        editor.reportFailure(kNoHelpFile);
        return;
    }
    if (!editor.ui().shellOpen(index.string()))
        editor.reportFailure(kBrowserFailure);
}

void ShowOnlinePage(Editor& editor) {
    std::string markdown;
    if (!readFileBytes(editor.dataPath(kReadmeFile), markdown)) {
        editor.reportFailure(kNoReadme);
        return;
    }
    const fs::path page = editor.programDir() / kBrowserPage;
    const std::string html = markdownPage(markdown, kReadmeTitle);
    if (!writeReportingFailure(editor, [&] { return writeFileSafely(page, html); }))
        return;
    if (!editor.ui().shellOpen(page.string()))
        editor.reportFailure(kBrowserFailure);
}

} // namespace glyphora
