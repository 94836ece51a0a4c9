// Scripts run through the glyphora-cli executable, checked by transcript and JSON dump.
#include "color/ansi_palette.h"
#include "platform/picture_io.h"
#include "platform/text_codec.h"
#include "test_support.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

namespace {

using glyphora::test::readBytes;
using Json = nlohmann::json;

struct Result {
    int exitCode = -1;
    std::string output;
    bool says(const std::string& text) const { return output.find(text) != std::string::npos; }
};

// Standard error goes with the output unless redirected elsewhere.
Result runCli(const std::string& args, const std::string& errors = "&1") {
    Result result;
    FILE* pipe = ::popen((std::string(GLYPHORA_CLI) + " " + args + " 2>" + errors).c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buffer{};
    std::size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.output.append(buffer.data(), got);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// The texts of a dumped canvas row, joined.
std::string rowOf(const Json& state, int row) {
    std::string text;
    for (const Json& cell : state["cells"][row])
        text += cell.get<std::string>();
    return text;
}

// Every field of the expected object stands in the dump with that value; nested objects
// are compared field by field too.
void expectFields(const Json& state, const Json& expected, const std::string& path = "") {
    for (const auto& [key, value] : expected.items()) {
        if (value.is_object())
            expectFields(state.at(key), value, path + key + ".");
        else
            EXPECT_EQ(state.at(key), value) << path + key;
    }
}

struct CliScript : ::testing::Test {
    glyphora::test::TempDir dir;

    // Runs the script with a home of its own and dumps the final state to state.json.
    // "{dir}" stands for the test's directory; "; " separates directives like a line end.
    Result runScript(std::string script) {
        script = "home {dir}/home\n" + script + "\ndump {dir}/state.json\n";
        const auto replaceAll = [&](const std::string& from, const std::string& to) {
            for (auto at = script.find(from); at != std::string::npos; at = script.find(from))
                script.replace(at, from.size(), to);
        };
        replaceAll("{dir}", dir.path().string());
        replaceAll("; ", "\n");
        glyphora::test::writeBytes(dir / "script.txt", script);
        return runCli("script " + (dir / "script.txt").string());
    }
    Json dump(const std::string& name = "state.json") { return Json::parse(readBytes(dir / name)); }
};

TEST_F(CliScript, FreshEditorDumpsTheWelcomeState) {
    const Result r = runScript("");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const Json state = dump();
    // A first start finds no settings file.
    expectFields(state, Json::parse(R"({
        "cols": 80, "rows": 50, "mode": 1, "font": {"name": "Courier New", "size": 6},
        "cellWidth": 7, "cellHeight": 11, "gridLineWidth": 1,
        "status": ["Pos.: X=1 Y=1", "", "Font color=#000000,   Backgroundcolor=#FFFFFF",
                   "ERROR: No INI found or defect (\"Conigure\"/Default/Save)."],
        "defaultFg": "000000", "defaultBg": "FFFFFF", "caption": "NoName.txt",
        "currentFileName": "-", "undo": {"count": 0}, "textView": {"visible": false},
        "settings": {"UndoSteps": 10, "SolidChar": "#", "ShowGrid": true}})"));
    EXPECT_EQ(state["cells"][49][79], " ");
    EXPECT_TRUE(state["fg"][0][0].is_null());
    // A dialog without an answer stops the script with its own exit code.
    EXPECT_EQ(runScript("run ChooseFont").exitCode, 2);
}

TEST_F(CliScript, SettingsTextViewAndBytesShowInTheDump) {
    Result r = runScript(R"(set ColorMode=3; set FontSize=10; set MainGridColor=000080
select 2 3 5 4; run "&View > &Text/Gridview")");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    Json state = dump();
    expectFields(state, Json::parse(R"({"font": {"size": 10}, "cellWidth": 10,
        "cellHeight": 17, "mode": 3, "defaultBg": "000080", "selection": [2, 3, 5, 4],
        "cursor": [2, 3], "textView": {"visible": true}})"));
    EXPECT_EQ(state["textView"]["lines"][49], std::string(80, ' '));

    // Cell bytes reach the dump one to one as characters U+0000..U+00FF.
    r = runScript(R"(run ToggleTextView; textview "\xC4\x80\t"; run ToggleTextView)");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(rowOf(dump(), 0).substr(0, 5), "\xC3\x84\xC2\x80\t"); // U+0080, not the euro
}

TEST_F(CliScript, TypingKeysNavigatorAndCtrlClickBlocks) {
    const Result r = runScript(R"(click 2 1; type "Hi!"; key Enter; key Down; type x
set RedefineKeys=Y; click 0 0; type 12345
clipboard "abc\ndef"; click 20 1; key Ctrl+V
click 10 10 ctrl; nav right; nav bottom-edge-down)");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const Json state = dump();
    EXPECT_EQ(rowOf(state, 1).substr(2, 3), "Hi!");
    EXPECT_EQ(state["cells"][2][5], "x");              // the cursor moved down from (5, 1)
    EXPECT_EQ(rowOf(state, 0).substr(0, 5), "/\\3_|"); // redefined keys, 3 unchanged
    EXPECT_EQ(rowOf(state, 2).substr(20, 3), "def");
    EXPECT_EQ(state["selection"], Json::array({11, 10, 13, 12}));
}

TEST_F(CliScript, OpenAndSaveRealFilesAndKeepTheSettingsAcrossRuns) {
    // The shared corpus lies beside every checkout.
    const std::string art = (std::filesystem::path(GLYPHORA_DATA_DIR).parent_path().parent_path() /
                             "shared/corpus/txt/durdraw_cm-doge.asc")
                                .lexically_normal()
                                .string();
    if (!std::filesystem::exists(art))
        GTEST_SKIP() << "corpus not present";
    Result r = runScript("open " + art + R"(; saveas "10 {dir}/doge"; saveas "11 {dir}/doge"
set BackupFiles=Y; set ShowInfoMessages=N; run ExitProgram)");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_TRUE(r.says("status3: Saving ... READY !")) << r.output;

    // The next run reads the settings and its reopen list, and opens the saved grid file.
    const std::string out = (dir / "doge").string();
    r = runScript("open {dir}/doge.glg\n");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const Json state = dump();
    expectFields(state, {{"settings", {{"BackupFiles", true}}},
                         {"caption", "doge.glg"},
                         {"currentFormat", 10},
                         {"reopen", {out + ".glg", out + ".glf", art}}});
    // The grid file brought back what the text file held: its first line, cell by cell.
    const std::string text = readBytes(art);
    const std::string firstLine = text.substr(0, text.find_first_of("\r\n"));
    EXPECT_EQ(rowOf(state, 0).substr(0, firstLine.size()), glyphora::latin1ToUtf8(firstLine));
}

TEST_F(CliScript, PaintingLinesWithTheShippedLineArtAndPatterns) {
    // The shipped data files (patterns, flip tables) beside the program.
    std::filesystem::copy(GLYPHORA_DATA_DIR, dir / "home",
                          std::filesystem::copy_options::recursive);
    const Result r = runScript(R"(answer "20 10"; run NewCanvas
select 1 1 8 1; run PaintHorzLine
select 1 3 8 6; run LineArtRectangle
select 0 8 0 8; key F12; pattern honeycomb.pat; run PatternFill)");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_TRUE(r.says("size: New Canvas: 80 50 -> 20 10"));
    const Json state = dump();
    EXPECT_EQ(state["caption"], "NoName");
    EXPECT_EQ(rowOf(state, 1).substr(1, 8), "########");
    EXPECT_EQ(rowOf(state, 3).substr(1, 8), "+------+");
    // The honeycomb covers the blank area around the shapes, anchored at the top left.
    EXPECT_EQ(rowOf(state, 0).substr(0, 4), "\\__/");
    EXPECT_EQ(rowOf(state, 9).substr(0, 4), "/  \\");
}

TEST_F(CliScript, ColourModesDropColoursAndFullAttributeFilesBringThemBack) {
    const Result r = runScript(R"(run SetModeFullColored
answer 0000FF; run SetActiveBackColorDialog; select 2 2 5 3; run ColorSelectionBg
answer 00FF00; run SetActiveFontColorDialog; select 0 0 3 0; key F9
dump {dir}/before.json
saveas "11 {dir}/colours.glf"; answer yes; run SetModePlain; open {dir}/colours.glf)");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const Json before = dump("before.json");
    EXPECT_EQ(before["status"][2], "Font color=#00FF00,   Backgroundcolor=#0000FF");
    const Json after = dump();
    EXPECT_EQ(after["mode"], 3);
    EXPECT_EQ(after["bg"][2][2], "0000FF");
    EXPECT_EQ(after["cells"], before["cells"]);
    EXPECT_EQ(after["fg"][0][2], "00FF00");
}

struct CliConvert : CliScript {
    Result convert(const std::string& args) {
        return runCli("--home " + (dir / "home").string() + " convert " + args);
    }
    std::string path(const std::string& name) { return (dir / name).string(); }
    // IN to OUT, both in the test's directory, the options after them.
    Result to(const std::string& in, const std::string& out, const std::string& options = "") {
        return convert(path(in) + " " + path(out) + " " + options);
    }
    void write(const std::string& name, const std::string& bytes) {
        glyphora::test::writeBytes(dir / name, bytes);
    }
    std::string read(const std::string& name) { return readBytes(dir / name); }
    // The staging files a conversion writes beside OUT must never stay behind.
    bool leftoverStaging() {
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            if (entry.path().filename().string().find(".converting-") != std::string::npos)
                return true;
        }
        return false;
    }
};

TEST_F(CliConvert, AnsiArtBecomesTextGridAndFullAttributeFilesThatConvertBack) {
    // Colours, a bright colour, a full block (a space) and CR LF line ends.
    write("art.ans", "\x1b[0;31;44mAB\x1b[1;33mC\xDB\r\nxy\r\n");
    Result r = to("art.ans", "art.txt");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(read("art.txt"), "ABC\r\nxy\r\n");
    EXPECT_TRUE(r.says("status: WARNING: Colors haven`t been saved in this format !!!"));
    // The grid file brings the same text back.
    ASSERT_EQ(to("art.ans", "art.glg").exitCode, 0);
    ASSERT_EQ(to("art.glg", "back.txt").exitCode, 0);
    EXPECT_EQ(read("back.txt"), read("art.txt"));
    // Through a full-attribute file the colours come back too.
    ASSERT_EQ(to("art.ans", "direct.ans").exitCode, 0);
    ASSERT_EQ(to("art.ans", "art.glf").exitCode, 0);
    r = to("art.glf", "again.ans");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(read("again.ans"), read("direct.ans"));
    EXPECT_NE(read("direct.ans").find("\x1b[0;31;44mAB\x1b[1;33;44mC"), std::string::npos);
    // A web page of the art, its DOS glyphs (a shade) as character references, titled
    // with its own name.
    write("shade.ans", "C\xB0\r\n");
    ASSERT_EQ(to("shade.ans", "shade.htm").exitCode, 0);
    EXPECT_NE(read("shade.htm").find("C&#9617;\r\n"), std::string::npos);
    EXPECT_NE(read("shade.htm").find("<title>SHADE.HTM</title>"), std::string::npos);
    // Applet data comes with its run-length form beside it, under the same name.
    ASSERT_EQ(to("art.ans", "applet.dat", "--format 30").exitCode, 0);
    EXPECT_EQ(read("applet.dat_RLE").substr(0, 1), "\xA7");
    // The type code wins over the extension, and the file keeps exactly the name given; a
    // file named as the window would have named it is not touched.
    write("grid.txt.glg", "keep");
    ASSERT_EQ(to("art.ans", "grid.txt", "--format 10").exitCode, 0);
    EXPECT_EQ(read("grid.txt"), read("art.glg"));
    EXPECT_EQ(read("grid.txt.glg"), "keep");
    EXPECT_FALSE(leftoverStaging());
}

TEST_F(CliConvert, FailuresExitOneAndLeaveAnExistingOutAsItWas) {
    write("art.ans", "hello\r\n");
    write("out.txt", "old bytes");
    Result r = to("missing.ans", "out.txt");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.says("message:  Could not complete request.")) << r.output;
    EXPECT_TRUE(r.says("cannot read " + path("missing.ans"))) << r.output;
    r = to("missing.txt", "out.txt");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.says("message: Couldn`t read file.")) << r.output;
    // Codes no type has are refused before anything is read or written.
    EXPECT_TRUE(to("art.ans", "out.txt", "--format 25").says("no file type has the code 25"));
    EXPECT_EQ(read("out.txt"), "old bytes");
    // A folder that cannot take the file.
    r = to("art.ans", "no/such/folder/out.txt");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.says("cannot write " + path("no/such/folder/out.txt"))) << r.output;
    EXPECT_EQ(to("art.ans", "out.txt", "--format x").exitCode, 1);
    EXPECT_EQ(convert(path("art.ans")).exitCode, 1);
    // A success replaces the old file.
    ASSERT_EQ(to("art.ans", "out.txt").exitCode, 0);
    EXPECT_EQ(read("out.txt"), "hello\r\n");
    EXPECT_FALSE(leftoverStaging());
}

TEST_F(CliConvert, PicturesBecomeArtAtTheirOwnSizeOrTheSizeAskedFor) {
    // Black, dark grey, light grey and white over a white row.
    glyphora::Bitmap picture(4, 2);
    picture.setPixel(0, 0, glyphora::kBlack);
    picture.setPixel(1, 0, glyphora::rgb(60, 60, 60));
    picture.setPixel(2, 0, glyphora::rgb(200, 200, 200));
    write("pic.png", glyphora::encodePng(picture));
    // Relative by default: the built-in ramp from "#" to " " between the darkest and
    // brightest grey, one cell per pixel.
    Result r = to("pic.png", "rel.txt");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(read("rel.txt"), "#6j\r\n\r\n");
    // Low contrast: absolute grades by fixed steps, relative stretches the two greys apart.
    glyphora::Bitmap dim(2, 1, glyphora::rgb(120, 120, 120));
    dim.setPixel(0, 0, glyphora::rgb(100, 100, 100));
    write("dim.bmp", glyphora::encodeBmp(dim));
    ASSERT_EQ(to("dim.bmp", "abs.txt", "--absolute").exitCode, 0);
    EXPECT_EQ(read("abs.txt"), "EL\r\n");
    ASSERT_EQ(to("dim.bmp", "rel2.txt", "--relative").exitCode, 0);
    EXPECT_EQ(read("rel2.txt"), "#\r\n");
    // Another size: nearest pixels with --resize, else resampled.
    ASSERT_EQ(to("pic.png", "small.txt", "--size 2x1 --resize").exitCode, 0);
    EXPECT_EQ(read("small.txt"), "#\r\n");
    r = to("pic.png", "wide.glg", "--size 8x3");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(read("wide.glg").substr(0, 1), "#");

    // Coloured from the same picture: HTML keeps the exact colours, ANSI art takes the
    // nearest of its palette instead of writing the art grey.
    glyphora::Bitmap red(2, 1, glyphora::rgb(250, 80, 80));
    red.setPixel(1, 0, glyphora::kWhite);
    write("red.png", glyphora::encodePng(red));
    r = to("red.png", "red.htm", "--color fg");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(read("red.htm").find("<font color=\"#FA5050\">#"), std::string::npos)
        << read("red.htm");
    r = to("red.png", "red.ans", "--color fg");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(read("red.ans").find("\x1b[1;31;40m#"), std::string::npos) << read("red.ans");
    EXPECT_EQ(to("red.png", "x.htm", "--color red").exitCode, 1);

    // Bad sizes and pictures that cannot be read: exit 1, nothing written.
    EXPECT_EQ(to("pic.png", "x.txt", "--size 0x5").exitCode, 1);
    EXPECT_EQ(to("pic.png", "x.txt", "--size 12").exitCode, 1);
    std::string forged = glyphora::encodeBmp(picture);
    forged.replace(18, 8, std::string("\xFF\xFF\0\0\xFF\xFF\0\0", 8));
    write("forged.bmp", forged);
    r = to("forged.bmp", "x.txt");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.says("message: Couldn`t open image.")) << r.output;
    EXPECT_TRUE(r.says("cannot read " + path("forged.bmp"))) << r.output;
    EXPECT_FALSE(std::filesystem::exists(dir / "x.txt"));
    EXPECT_FALSE(leftoverStaging());
}

TEST_F(CliConvert, ArtBecomesAPictureAsTheWindowDrawsIt) {
    // Red letters on blue: the picture has the canvas's 80 columns of cells, the cells'
    // background in the palette's blue and letters in red.
    write("art.ans", "\x1b[0;31;44mAB\r\n");
    Result r = to("art.ans", "art.png");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    glyphora::Bitmap picture;
    ASSERT_EQ(glyphora::readPictureFile(dir / "art.png", picture), glyphora::PictureError::None);
    ASSERT_GT(picture.width(), 80);
    EXPECT_EQ(picture.width() % 80, 0);
    bool blue = false, red = false; // letters are smoothed at their edges: red into blue
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width() / 80 * 2; ++x) {
            const glyphora::Color c = picture.pixel(x, y);
            blue |= c == glyphora::kAnsiPalette[4].color;
            red |= glyphora::redOf(c) > 80 && glyphora::redOf(c) > glyphora::blueOf(c);
        }
    EXPECT_TRUE(blue && red);
    // The same as BMP; the grey picture of the characters through the viewer's defaults.
    ASSERT_EQ(to("art.ans", "art.bmp").exitCode, 0);
    EXPECT_EQ(read("art.bmp").substr(0, 2), "BM");
    r = to("art.ans", "grey.png", "--format 16");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    ASSERT_EQ(glyphora::readPictureFile(dir / "grey.png", picture), glyphora::PictureError::None);
    EXPECT_EQ(picture.width(), 80);
    EXPECT_EQ(picture.pixel(0, 0), glyphora::rgb(65, 65, 65)); // "A", rows doubled
    EXPECT_EQ(picture.pixel(0, 1), glyphora::rgb(65, 65, 65));
    EXPECT_FALSE(leftoverStaging());
}

TEST_F(CliConvert, TextKeepsItsEncodingOrTakesTheOneAskedFor) {
    // ANSI art holds DOS bytes: as UTF-8 they become blocks and shades, as Windows-1252 "?".
    write("art.ans", "\xB0\xB1 \x9C\r\n");
    Result r = to("art.ans", "art.txt", "--encoding utf-8");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(read("art.txt"), "\xE2\x96\x91\xE2\x96\x92 \xC2\xA3\r\n");
    r = to("art.ans", "art.lst", "--encoding windows-1252");
    EXPECT_EQ(read("art.lst"), "?? \xA3\r\n");
    EXPECT_TRUE(r.says("(2 characters written as ?)")) << r.output;
    // UTF-8 in, UTF-8 out, line ends kept; back to the DOS bytes on request.
    ASSERT_EQ(to("art.txt", "copy.txt").exitCode, 0);
    EXPECT_EQ(read("copy.txt"), read("art.txt"));
    ASSERT_EQ(to("art.txt", "dos.txt", "--encoding cp437").exitCode, 0);
    EXPECT_EQ(read("dos.txt"), "\xB0\xB1 \x9C\r\n");
    EXPECT_EQ(to("art.txt", "x.txt", "--encoding latin9").exitCode, 1);
    EXPECT_EQ(to("art.txt", "x.glg", "--encoding utf-8").exitCode, 1);
}

TEST_F(CliConvert, StartsFromTheSettingsFileAndNeverWritesIt) {
    // A window session leaves Ansi mode in edit.ini, with the info messages on.
    ASSERT_EQ(runScript("set ColorMode=4; answer yes; run ExitProgram").exitCode, 0);
    const std::string settings = read("home/edit.ini");
    ASSERT_NE(settings.find("Color mode                 :4"), std::string::npos) << settings;
    // Opening text leaves Ansi mode: the mode question is answered yes, and the ASCII
    // writer's statistics are printed and pass.
    write("text.txt", "caf\xE9\r\n");
    const Result r = to("text.txt", "text.asc");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_TRUE(r.says("message: Extended char. (>126): 1\n  Control char. (<32): 0")) << r.output;
    EXPECT_EQ(read("text.asc"), "caf?\r\n");
    EXPECT_EQ(read("home/edit.ini"), settings);
    EXPECT_TRUE(std::filesystem::is_empty(dir / "home/Undo"));
    // A damaged file is left for the window to repair.
    write("home/edit.ini", "damaged");
    ASSERT_EQ(to("text.txt", "again.txt").exitCode, 0);
    EXPECT_EQ(read("home/edit.ini"), "damaged");
}

TEST(Cli, ListsCommandsAndHelp) {
    const Result list = runCli("--list-commands");
    ASSERT_EQ(list.exitCode, 0);
    EXPECT_TRUE(list.says("CopyRotated\tEdit&2 > C&opy 90\xC2\xB0 rotated\t\n")); // UTF-8
    EXPECT_TRUE(list.says("IncreaseFontSize\t&View > Fontsize &+\tCtrl+= Ctrl++\n"));
    const Result help = runCli("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.says("glyphora-cli [--home DIR] script FILE"));
    EXPECT_TRUE(help.says("glyphora-cli [--home DIR] convert IN OUT [--format CODE]"));
    EXPECT_EQ(runCli("--bogus").exitCode, 1);
    EXPECT_EQ(runCli("script /no/such/file").exitCode, 1);
}

} // namespace

namespace {

// glyphora-cli figlet: the panel's renderer on the command line.
struct CliFiglet : ::testing::Test {
    glyphora::test::TempDir dir;
    // Runs from the test's directory with the shipped data as the program directory; stderr
    // goes to err.txt.
    Result figlet(const std::string& args) {
        return runCli("--home " + std::string(GLYPHORA_DATA_DIR) + " figlet " + args,
                      (dir / "err.txt").string());
    }
    std::string err() { return readBytes(dir / "err.txt"); }
};

TEST_F(CliFiglet, OwnFontIsTheDefaultAndTextsAreJoinedByBlanks) {
    const Result hi = figlet("Hi");
    EXPECT_EQ(hi.exitCode, 0);
    EXPECT_EQ(hi.output, "##  ##  ##\n"
                         "##  ##\n"
                         "######  ##\n"
                         "##  ##  ##\n"
                         "##  ##  ##\n"
                         "\n"
                         "\n");
    EXPECT_EQ(err(), "");
    // Characters outside 32..126 are skipped; several words are one text.
    EXPECT_EQ(figlet("'H\xC3\xA9i'").output, hi.output);
    const Result words = figlet("H i");
    // "H" is eight columns with its gap, a blank three more.
    EXPECT_EQ(words.output.substr(0, words.output.find('\n')), "##  ##     ##");
}

TEST_F(CliFiglet, FontsComeFromTheCurrentFolderOrTheFontsFolder) {
    EXPECT_EQ(figlet("--font pixel.flf Hi").output, figlet("Hi").output);

    glyphora::test::writeBytes(dir / "short.flf", "flf2a$ 2\nc\n$@\n$@@\n!@\n!@@\n");
    const Result fallback = figlet("--font " + (dir / "short.flf").string() + " '!'");
    EXPECT_EQ(fallback.exitCode, 0);
    EXPECT_EQ(err(), "No Information about font height found. Setting delault (20)!\n"
                     "No Information about font widht found. Setting delault (20)!\n");
    EXPECT_EQ(fallback.output, std::string(18, '\n') + "!\n!\n");

    const Result missing = figlet("--font nowhere.flf Hi");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.output, "");
    EXPECT_NE(err().find("nowhere.flf"), std::string::npos);
    EXPECT_EQ(figlet("").exitCode, 1);
    EXPECT_EQ(figlet("--font").exitCode, 1);
    EXPECT_TRUE(runCli("--help").says("figlet [--font FILE] TEXT..."));
}

} // namespace

TEST_F(CliScript, FigletPanelTypesCopiesAndPastesIntoTheCanvas) {
    std::filesystem::create_directories(dir / "home" / "Fonts");
    std::filesystem::copy_file(std::filesystem::path(GLYPHORA_DATA_DIR) / "Fonts" / "pixel.flf",
                               dir / "home" / "Fonts" / "pixel.flf");
    const Result r = runScript("run ToggleFigletPanel; answer {dir}/home/Fonts/pixel.flf; "
                               "run LoadFigletFont; figlet Hi; figletselect 0 0 1 2; "
                               "run CopyFigletGrid; select 0 0 0 0; run PasteBlock");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const Json state = dump();
    EXPECT_EQ(state["figlet"]["visible"], true);
    EXPECT_EQ(state["figlet"]["grid"][2], "######  ##");
    EXPECT_EQ(state["clipboard"], "##\r\n##\r\n##");
    EXPECT_EQ(rowOf(state, 2).substr(0, 2), "##");
}

TEST_F(CliScript, CopyGridAndKnowledgeBaseWorkFromTheMenusAndDirectives) {
    std::filesystem::create_directories(dir / "home");
    std::filesystem::copy(std::filesystem::path(GLYPHORA_DATA_DIR) / "Data", dir / "home" / "Data",
                          std::filesystem::copy_options::recursive);
    glyphora::test::writeBytes(dir / "piece.txt", "ab\r\ncd");
    const Result r = runScript(R"(run "&File > Open file in &copy grid"
answer {dir}/piece.txt; run LoadCopyGridFile
copygridselect 1 1 0 0; run CopyFromCopyGrid; select 5 5 5 5; run PasteBlock
run "&Special > &Knowledge Base"; knowledge 3; knowledgedblclick 1; knowledgeclick 0)");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const Json state = dump();
    EXPECT_EQ(rowOf(state, 6).substr(5, 2), "cd");
    expectFields(state["copyGrid"], Json::parse(R"({"visible": true, "selection": [0, 0, 1, 1],
        "grid": ["ab", "cd"]})"));
    // The fourth file of the shipped knowledge base, its first line in the status bar, its
    // second on the clipboard.
    EXPECT_EQ(state["knowledgeBase"]["files"][3], "faces.dat");
    EXPECT_EQ(state["knowledgeBase"]["lines"][1], "(^_^)");
    EXPECT_EQ(state["clipboard"], "(^_^)");
    EXPECT_TRUE(r.says("status3: :-)  ;-)  :-D"));
}
