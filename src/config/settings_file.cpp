#include "config/settings_file.h"

#include "canvas/grid_file.h"
#include "formats/file_output.h"
#include "formats/reopen_list.h"
#include "formats/text_file_reader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <system_error>
#include <variant>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr std::size_t kMaxDataFileName = 255;
// The fixed lines and ten history paths take a few kilobytes; more is no settings file.
constexpr std::uintmax_t kMaxSettingsFileBytes = 1024 * 1024;
constexpr const char* kIgnoredSuffix = " (ignored)";
constexpr const char* kDefaultFontName = "Courier New";
constexpr int kDefaultFontSize = 6;
constexpr int kDefaultUndoSteps = 10;
constexpr const char* kDefaultLineArtFile = "Lna.dat";

// What one line of the fixed part holds.
struct Header {
    std::string_view text; // a section header, or "" for an empty line
};
struct WorkingDirectoryLine {};
struct TextLine {
    std::string Settings::*member;
    std::size_t maxLength;
};
struct IntLine {
    int Settings::*member;
    IntRange range;
};
struct ColorModeLine {};
struct ColorLine {
    Color Settings::*member;
};
struct FlagLine {
    bool Settings::*member;
    bool ignoredWhenRead;
};
struct CharLine {
    std::string Settings::*member;
};
using LineKind = std::variant<Header, WorkingDirectoryLine, TextLine, IntLine, ColorModeLine,
                              ColorLine, FlagLine, CharLine>;

struct Line {
    std::string_view label;
    LineKind kind;
};

constexpr std::size_t kNoLimit = std::string::npos;

const std::array<Line, kSettingsFixedLines> kLayout = {{
    {"", Header{"[DIRECTORY:]"}},
    {"", WorkingDirectoryLine{}},
    {"", Header{""}},
    {"", Header{"[EXTERNAL SETTINGS:]"}},
    {"External program           :", TextLine{&Settings::ExternalProgram, kNoLimit}},
    {"Lina art data              :", TextLine{&Settings::LineArtDataFile, kMaxDataFileName}},
    {"Invert data                :", TextLine{&Settings::InvertDataFile, kMaxDataFileName}},
    {"BMP2ASCII data             :", TextLine{&Settings::Bmp2AsciiDataFile, kMaxDataFileName}},
    {"Flip horz. data            :", TextLine{&Settings::FlipHorzDataFile, kMaxDataFileName}},
    {"Flip vert. data            :", TextLine{&Settings::FlipVertDataFile, kMaxDataFileName}},
    {"Autosave interval          :", IntLine{&Settings::AutosaveInterval, kAutosaveIntervalRange}},
    {"Fontsize                   :", IntLine{&Settings::FontSize, kFontSizeRange}},
    {"Copy grid width            :", IntLine{&Settings::CopyGridWidth, kCopyGridWidthRange}},
    {"Knowledge base width       :",
     IntLine{&Settings::KnowledgeBaseWidth, kKnowledgeBaseWidthRange}},
    {"Undo steps                 :", IntLine{&Settings::UndoSteps, kUndoStepsRange}},
    {"Color mode                 :", ColorModeLine{}},
    {"Main font name             :", TextLine{&Settings::MainFontName, kNoLimit}},
    {"Main font color            :", ColorLine{&Settings::MainFontColor}},
    {"Main grid color            :", ColorLine{&Settings::MainGridColor}},
    {"", Header{""}},
    {"", Header{"[PROGRAM OPTIONS:]"}},
    {"Show color dialog          :", FlagLine{&Settings::ShowColorDialog, false}},
    {"Enable undo                :", FlagLine{&Settings::EnableUndo, false}},
    {"Show in task               :", FlagLine{&Settings::ShowInTask, false}},
    {"Show info messages         :", FlagLine{&Settings::ShowInfoMessages, false}},
    {"Redefine keys              :", FlagLine{&Settings::RedefineKeys, false}},
    {"Save optimized             :", FlagLine{&Settings::SaveOptimized, false}},
    {"Backup files               :", FlagLine{&Settings::BackupFiles, false}},
    {"Autosave                   :", FlagLine{&Settings::Autosave, false}},
    {"Show paintbar              :", FlagLine{&Settings::ShowPaintbar, false}},
    {"Show statusbar             :", FlagLine{&Settings::ShowStatusbar, false}},
    {"Stay on top                :", FlagLine{&Settings::StayOnTop, true}},
    {"Show grid                  :", FlagLine{&Settings::ShowGrid, false}},
    {"Paste preview              :", FlagLine{&Settings::PastePreview, false}},
    {"", Header{""}},
    {"", Header{"[PAINTING FUNCTIONS:]"}},
    {"1.)     :", CharLine{&Settings::SolidChar}},
    {"2.)     :", CharLine{&Settings::LineHorzChar}},
    {"3.)     :", CharLine{&Settings::LineVertChar}},
    {"4.)     :", CharLine{&Settings::RectHorzChar}},
    {"5.)     :", CharLine{&Settings::RectCornerChar}},
    {"6.)     :", CharLine{&Settings::DiagFallChar}},
    {"7.)     :", CharLine{&Settings::DiagRiseChar}},
    {"8.)     :", CharLine{&Settings::DiagHorzChar}},
    {"9.)     :", CharLine{&Settings::DiagVertChar}},
    {"", Header{""}},
    {"", Header{"[SPECIAL FUNCTIONS:]"}},
    {"Paste special char.        :", CharLine{&Settings::PasteSpecialChar}},
    {"Fill with pattern char.    :", CharLine{&Settings::PatternBackgroundChar}},
    {"Picture 2 form char.       :", CharLine{&Settings::Picture2FormChar}},
    {"", Header{""}},
    {"", Header{"[HISTORY:]"}},
}};

// The line's value for writing.
struct ValueWriter {
    const Settings& s;

    std::string operator()(const Header& h) const { return std::string(h.text); }
    std::string operator()(const WorkingDirectoryLine&) const { return s.WorkingDirectory; }
    std::string operator()(const TextLine& t) const { return s.*t.member; }
    std::string operator()(const IntLine& i) const { return std::to_string(s.*i.member); }
    std::string operator()(const ColorModeLine&) const {
        return std::to_string(static_cast<int>(s.ColorMode));
    }
    std::string operator()(const ColorLine& c) const { return colorToHex(s.*c.member); }
    std::string operator()(const FlagLine& f) const {
        return std::string(s.*f.member ? "Y" : "N") + (f.ignoredWhenRead ? kIgnoredSuffix : "");
    }
    std::string operator()(const CharLine& c) const { return s.*c.member; }
};

// The text after the first ":", the whole line without one.
std::string_view valueOf(std::string_view line) {
    const std::size_t colon = line.find(':');
    return colon == std::string_view::npos ? line : line.substr(colon + 1);
}

std::optional<int> parseInteger(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// Applies one line; false when the line makes the file damaged.
struct ValueReader {
    Settings& s;
    std::string_view line;
    const PathTest& folderExists;

    bool operator()(const Header&) const { return true; }
    bool operator()(const WorkingDirectoryLine&) const {
        if (!folderExists(std::string(line)))
            return false;
        s.WorkingDirectory = std::string(line);
        return true;
    }
    bool operator()(const TextLine& t) const {
        s.*t.member = std::string(valueOf(line).substr(0, t.maxLength));
        return true;
    }
    bool operator()(const IntLine& i) const {
        const std::optional<int> value = parseInteger(valueOf(line));
        if (!value)
            return false;
        s.*i.member = std::clamp(*value, i.range.min, i.range.max);
        return true;
    }
    bool operator()(const ColorModeLine&) const {
        const std::string_view value = valueOf(line);
        if (value.size() == 1 && value[0] >= '1' && value[0] <= '4')
            s.ColorMode = static_cast<ColorMode>(value[0] - '0');
        return true;
    }
    bool operator()(const ColorLine& c) const {
        // The saved colours belong to the coloured modes only.
        if (s.ColorMode != ColorMode::Plain)
            s.*c.member = hexToColor(valueOf(line));
        return true;
    }
    bool operator()(const FlagLine& f) const {
        if (!f.ignoredWhenRead)
            s.*f.member = valueOf(line) == "Y";
        return true;
    }
    bool operator()(const CharLine& c) const {
        s.*c.member = std::string(valueOf(line));
        return true;
    }
};

bool folderExistsOnDisk(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

} // namespace

std::string settingsFileText(const Settings& settings) {
    std::string out;
    for (const Line& line : kLayout) {
        out += line.label;
        out += std::visit(ValueWriter{settings}, line.kind);
        out += kLineEnd;
    }
    const std::size_t count = std::min(settings.History.size(), kMaxReopenEntries);
    for (std::size_t i = count; i-- > 0;) {
        out += settings.History[i];
        out += kLineEnd;
    }
    return out;
}

SettingsReadResult parseSettingsText(std::string_view text, const Settings& base,
                                     const PathTest& folderExists, const PathTest& fileExists) {
    const PathTest& isFolder = folderExists ? folderExists : PathTest(folderExistsOnDisk);
    const PathTest& isFile = fileExists ? fileExists : PathTest(glyphora::fileExists);
    const TextLines lines = splitTextLines(text);
    SettingsReadResult result{base, false, 0};
    for (std::size_t i = 0; i < kLayout.size(); ++i) {
        // Reading past the end of the file gives empty lines.
        const std::string_view line = i < lines.size() ? std::string_view(lines[i]) : "";
        if (!std::visit(ValueReader{result.settings, line, isFolder}, kLayout[i].kind)) {
            result.damaged = true;
            result.failedLine = static_cast<int>(i) + 1;
            return result;
        }
    }
    // Oldest first in the file: each one read goes to the top.
    std::vector<std::string> history;
    for (std::size_t i = kLayout.size(); i < lines.size(); ++i) {
        if (history.size() >= kMaxReopenEntries)
            break;
        if (isFile(lines[i]))
            addToReopenList(history, lines[i]);
    }
    result.settings.History = std::move(history);
    return result;
}

SettingsReadResult readSettingsFile(const fs::path& file, const Settings& base) {
    std::string bytes;
    if (readFileBytes(file, bytes, kMaxSettingsFileBytes) != FileRead::Read)
        return {base, true, 0};
    return parseSettingsText(bytes, base);
}

void applyDamagedFileDefaults(Settings& settings, const fs::path& programDir) {
    const Settings standard = defaultSettings(programDir);
    settings.ShowPaintbar = false;
    settings.LineArtDataFile = kDefaultLineArtFile;
    settings.UndoSteps = kDefaultUndoSteps;
    settings.InvertDataFile = standard.InvertDataFile;
    settings.Bmp2AsciiDataFile = standard.Bmp2AsciiDataFile;
    settings.FlipHorzDataFile = standard.FlipHorzDataFile;
    settings.FlipVertDataFile = standard.FlipVertDataFile;
    settings.ColorMode = ColorMode::Plain;
    settings.FontSize = kDefaultFontSize;
    settings.MainFontName = kDefaultFontName;
}

bool writeSettingsFile(const fs::path& file, const Settings& settings) {
    return writeFileSafely(file, settingsFileText(settings));
}

} // namespace glyphora
