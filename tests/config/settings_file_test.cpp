#include "config/settings_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

// The fixed part as a fresh program writes it, for the working directory /work/dir.
std::vector<std::string> defaultLines() {
    return {
        "[DIRECTORY:]",
        "/work/dir",
        "",
        "[EXTERNAL SETTINGS:]",
        "External program           :",
        "Lina art data              :Lna.dat",
        "Invert data                :none (intern)",
        "BMP2ASCII data             :none (intern)",
        "Flip horz. data            :none (intern)",
        "Flip vert. data            :none (intern)",
        "Autosave interval          :10",
        "Fontsize                   :6",
        "Copy grid width            :337",
        "Knowledge base width       :240",
        "Undo steps                 :10",
        "Color mode                 :1",
        "Main font name             :Courier New",
        "Main font color            :000000",
        "Main grid color            :FFFFFF",
        "",
        "[PROGRAM OPTIONS:]",
        "Show color dialog          :N",
        "Enable undo                :Y",
        "Show in task               :Y",
        "Show info messages         :Y",
        "Redefine keys              :N",
        "Save optimized             :Y",
        "Backup files               :N",
        "Autosave                   :N",
        "Show paintbar              :N",
        "Show statusbar             :Y",
        "Stay on top                :N (ignored)",
        "Show grid                  :Y",
        "Paste preview              :Y",
        "",
        "[PAINTING FUNCTIONS:]",
        "1.)     :#",
        "2.)     :_",
        "3.)     :|",
        "4.)     :-",
        "5.)     :+",
        "6.)     :\\",
        "7.)     :/",
        "8.)     :_",
        "9.)     :|",
        "",
        "[SPECIAL FUNCTIONS:]",
        "Paste special char.        : ",
        "Fill with pattern char.    : ",
        "Picture 2 form char.       : ",
        "",
        "[HISTORY:]",
    };
}

// The default lines with some values replaced, each kept behind its line's label.
std::vector<std::string> edited(const std::vector<std::pair<int, std::string>>& values) {
    std::vector<std::string> lines = defaultLines();
    for (const auto& [index, value] : values) {
        std::string& line = lines[static_cast<std::size_t>(index)];
        line = line.substr(0, line.find(':') + 1) + value;
    }
    return lines;
}

const PathTest kAll = [](const std::string&) { return true; };

SettingsReadResult parse(const std::vector<std::string>& lines, const Settings& base = {}) {
    return parseSettingsText(joinLines(lines), base, kAll, kAll);
}

TEST(SettingsFile, WritesTheFixedLayoutWithCrLfAndReadsItBack) {
    Settings s;
    s.WorkingDirectory = "/work/dir";
    EXPECT_EQ(settingsFileText(s), joinLines(defaultLines()));

    s.ExternalProgram = "C:\\x:y"; // a value may itself hold colons
    s.ColorMode = ColorMode::Ansi;
    s.MainFontColor = 0xA0A8A0;
    s.MainGridColor = rgb(0, 0, 0x80);
    s.PastePreview = false;
    for (int i = 0; i < 12; ++i) // newest first; only the first ten are written, oldest first
        s.History.push_back("/h/" + std::to_string(i));
    std::vector<std::string> lines =
        edited({{4, "C:\\x:y"}, {15, "4"}, {17, "A0A8A0"}, {18, "000080"}, {33, "N"}});
    for (int i = 9; i >= 0; --i)
        lines.push_back("/h/" + std::to_string(i));
    const std::string written = joinLines(lines);
    EXPECT_EQ(settingsFileText(s), written);
    lines.push_back("/h/x"); // an eleventh entry is not read
    const SettingsReadResult read = parse(lines);
    ASSERT_FALSE(read.damaged);
    EXPECT_EQ(settingsFileText(read.settings), written);

    // The history takes files that exist, each once whatever its case.
    lines = defaultLines();
    lines.insert(lines.end(), {"/x/old.txt", "/x/gone.txt", "/X/OLD.TXT", "/x/new.glg", ""});
    const auto exists = [](const std::string& p) { return !p.empty() && p != "/x/gone.txt"; };
    EXPECT_EQ(parseSettingsText(joinLines(lines), Settings{}, kAll, exists).settings.History,
              (std::vector<std::string>{"/x/new.glg", "/X/OLD.TXT"}));
}

TEST(SettingsFile, AFailedWriteKeepsTheOldFile) {
    test::TempDir dir;
    const std::filesystem::path file = dir / "edit.ini";
    test::writeBytes(file, "old");
    Settings s;
    s.WorkingDirectory = "/work/dir";
    const std::string text = settingsFileText(s);
    for (const std::uint64_t failAt : {std::uint64_t{0}, std::uint64_t{text.size() - 1}}) {
        test::WriteFault fault(failAt);
        EXPECT_FALSE(writeSettingsFile(file, s));
        EXPECT_EQ(test::readBytes(file), "old");
        EXPECT_EQ(test::fileNamesIn(dir.path()), std::vector<std::string>{"edit.ini"});
    }
    EXPECT_TRUE(writeSettingsFile(file, s));
    EXPECT_EQ(test::readBytes(file), text);
}

TEST(SettingsFile, ValuesFollowTheFirstColonFlagsAreExactlyYAndNumbersAreClamped) {
    std::vector<std::string> lines = edited({{10, "0"},
                                             {11, "10000"},
                                             {12, "-5"},
                                             {13, "100000"},
                                             {14, " 100000 "},
                                             {15, "3"}, // a coloured mode: colours are read
                                             {21, "y"}, // lower case: off
                                             {31, "Y (ignored)"},
                                             {36, "ab"},
                                             {37, ""}});
    lines[17] = "Main font color:ff00Zz"; // labels are not checked
    lines[6] = "Invert data                :" + std::string(300, 'x');
    const SettingsReadResult read = parse(lines);
    ASSERT_FALSE(read.damaged);
    const Settings& s = read.settings;
    // Numbers are held to the configure dialog's ranges.
    EXPECT_EQ(std::vector<int>({s.AutosaveInterval, s.FontSize, s.CopyGridWidth,
                                s.KnowledgeBaseWidth, s.UndoSteps}),
              std::vector<int>({2, 30, 20, 350, 50}));
    EXPECT_EQ(s.MainFontColor, rgb(0xFF, 0x00, 0x00));
    EXPECT_FALSE(s.ShowColorDialog);
    EXPECT_FALSE(s.StayOnTop); // read and ignored
    EXPECT_EQ(s.SolidChar, "ab");
    EXPECT_EQ(s.LineHorzChar, "");
    EXPECT_EQ(s.InvertDataFile, std::string(255, 'x'));

    // In Plain mode the saved colours stay unread; an unknown mode keeps the present one.
    lines[15] = "Color mode                 :1";
    Settings base;
    base.MainFontColor = rgb(9, 9, 9);
    EXPECT_EQ(parse(lines, base).settings.MainFontColor, rgb(9, 9, 9));
    lines[15] = "Color mode                 :7";
    base.ColorMode = ColorMode::Ansi;
    EXPECT_EQ(parse(lines, base).settings.ColorMode, ColorMode::Ansi);

    std::string loneEnds = joinLines(defaultLines());
    std::erase(loneEnds, '\r'); // a lone LF ends a line as well
    EXPECT_FALSE(parseSettingsText(loneEnds, Settings{}, kAll, kAll).damaged);
}

TEST(SettingsFile, DamageStopsReadingAndKeepsWhatCameBefore) {
    SettingsReadResult read = parse(edited({{11, "12"}, {14, "ten"}, {16, "Other"}}));
    EXPECT_TRUE(read.damaged);
    EXPECT_EQ(read.failedLine, 15);
    EXPECT_EQ(read.settings.FontSize, 12);                         // read before the damage
    EXPECT_EQ(read.settings.MainFontName, "Courier New");          // after the damage: not read
    EXPECT_EQ(parse(edited({{12, "2147483648"}})).failedLine, 13); // no integer either

    // A file ending before line 15 fails at its first empty number line.
    std::vector<std::string> lines = defaultLines();
    lines.resize(12);
    EXPECT_EQ(parse(lines).failedLine, 13);

    // A working directory that is gone.
    lines = defaultLines();
    const auto noFolder = [](const std::string&) { return false; };
    EXPECT_EQ(parseSettingsText(joinLines(lines), Settings{}, noFolder, kAll).failedLine, 2);

    // A file that ends after the numbers reads the rest as empty lines.
    lines.resize(20);
    read = parse(lines);
    EXPECT_FALSE(read.damaged);
    EXPECT_FALSE(read.settings.EnableUndo);
    EXPECT_EQ(read.settings.SolidChar, "");
}

TEST(SettingsFile, MissingFileIsDamagedAndDefaultsResetTheBasics) {
    test::TempDir dir;
    EXPECT_TRUE(readSettingsFile(dir / "edit.ini", Settings{}).damaged);

    // The basics go back to a fresh program's, data files to those present; the rest stays.
    test::writeBytes(dir / "invert.dat", "x");
    Settings s;
    s.ShowPaintbar = true;
    s.LineArtDataFile = "mine.dat";
    s.UndoSteps = 30;
    s.ColorMode = ColorMode::Ansi;
    s.FontSize = 20;
    s.MainFontName = "Other";
    s.ExternalProgram = "/bin/vi";
    s.WorkingDirectory = "/work/dir";
    applyDamagedFileDefaults(s, dir.path());
    EXPECT_EQ(settingsFileText(s), joinLines(edited({{4, "/bin/vi"}, {6, "invert.dat"}})));
}

} // namespace
} // namespace glyphora
