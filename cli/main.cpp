// glyphora-cli: runs editor scripts and converts documents without a window.
#include "app/command_table.h"
#include "convert.h"
#include "figlet.h"
#include "platform/large_block.h"
#include "platform/program_places.h"
#include "platform/text_codec.h"
#include "platform/text_numbers.h"
#include "script.h"

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage = R"(Usage:
  glyphora-cli [--home DIR] script FILE   run the directives of FILE (- reads stdin)
  glyphora-cli [--home DIR] convert IN OUT [--format CODE] [--encoding NAME]
               [--size WxH] [--relative|--absolute] [--resize] [--color fg|bg]
                                          open IN and save it as OUT, with no dialog
  glyphora-cli [--home DIR] figlet [--font FILE] TEXT...
                                          print TEXT in a FIGlet font
  glyphora-cli --list-commands            one line per command: id, menu path, shortcuts
  glyphora-cli --help                     this text

A script holds one directive per line:
  # comment
  home DIR                      program directory (before anything else)
  run ID | run "&Menu > &Item"  run a command by id or by its menu path
  answer VALUE                  queue the answer for the next dialog
  select L T R B                set the grid selection corners (zero-based)
  set NAME=VALUE                a setting, e.g. SolidChar="#" or ShowInfoMessages=N
  clipboard TEXT                put TEXT on the system clipboard
  textview TEXT                 replace the text view's lines while it is shown
  type TEXT                     key presses of the characters of TEXT on the canvas
  key NAME                      a key: a shortcut (Ctrl+X, F3, Del ...), Enter, Backspace,
                                Escape, Tab; a move with an optional Shift+: Left, Right,
                                Up, Down, PgUp, PgDn, Home, End, Ctrl+Home, Ctrl+End
  click C R [ctrl] [alt] [shift] [right]   move the mouse to a cell and press a button
  dblclick C R                  double click on a cell
  move C R [shift]              move the mouse over a cell
  open PATH                     open a document, as "&Open" with the dialog answered
  saveas CODE PATH              save as the type of FormatCode CODE, as "Save &as ..."
                                (open and saveas answer their own dialog first)
  pattern NAME                  choose a file in the open pattern panel's list
  figlet TEXT                   keys typed into the FigLet panel's box
  figletselect L T R B          select cells of the FigLet panel's grid
  copygridselect L T R B        select cells of the copy grid
  knowledge N                   move the knowledge base's file selector to position N
  knowledgeclick N              click line N of the knowledge base's list (from 0)
  knowledgedblclick N           double click line N: the line onto the clipboard
  nav STEP                      a selection navigator button: left right up down,
                                left-edge-left left-edge-right right-edge-left
                                right-edge-right top-edge-up top-edge-down bottom-edge-up
                                bottom-edge-down rows cols o
  tick status | tick autosave   fire a timer
  dump PATH                     write the editor state as JSON (- for stdout)
A value may stand in double quotes with the escapes \" \\ \n \r \t \xNN.
Scripts are UTF-8 whose characters Windows-1252 holds; \xNN gives any byte. The output is
UTF-8.

Every dialog and message is printed as one line. Exit codes: 0 the script ran to its end,
1 a directive could not be carried out, 2 a dialog found no answer.

convert opens IN as "&Open" does and saves it as "Save &as ..." does, as the type CODE or
else the type of OUT's extension: .txt 1, .asc 2, .htm/.html 4, .pat 6, .rtf 7, .csv 8,
.ans 9, .glg 10, .glf 11, .dat 30, .bmp/.png 20, anything else 12 (text). A type whose
writer does not exist yet is refused. The editor starts as it always does (edit.ini of the
program directory is read, never written) and keeps no undo. Input boxes take their
preset, the colour-mode question is answered yes, and an existing OUT is replaced by the
complete new file, never left half written. Messages that inform, and what the type could
not keep, are printed on stderr. IN and OUT are taken from the current directory.
Text files in UTF-8 or UTF-16 are read as such, and the text types (1, 6, 8, 12) write
them back as they came. --encoding utf-8|windows-1252|cp437 writes those types in that
encoding instead (UTF-8 without a mark); the cells are read in the document's byte set
(CP437 for ANSI art), and characters the target lacks become "?", counted on stderr.
A picture IN (BMP, PNG, JPEG, GIF, TGA, PSD, PNM ...) becomes character art as "&Open"
makes it: --relative (the default) stretches the character ramp between the picture's
darkest and brightest grey, --absolute grades by fixed brightness steps. --size WxH sets
the art's columns and rows (default: one cell per pixel); the picture is resampled with
Lanczos3 to that size, or with --resize takes the nearest pixels. --color fg|bg then
colours the characters or their cells from the same picture (HTML keeps the exact
colours; ANSI art takes the nearest of its 16, in the ANSI colour mode).
Exit codes: 0 OUT written, 1 IN not read or OUT not written (an existing OUT stays as it
was), 2 a question that only a user can answer.

figlet renders TEXT (several are joined by blanks) as the FigLet panel does: glyphs side by
side at full width, a blank three columns wide, "$" and "@" the font's only control
characters whatever its header says; characters outside 32..126 are skipped. It prints the
rows of the panel's grid as "Copy Grid" copies them, trailing blanks removed, each ended by
LF, in UTF-8. FILE is taken from the current directory, else from the Fonts folder of the
program directory; without --font the program's own pixel.flf is used. Warnings about the
font header go to stderr and the rendering still prints. Exit codes: 0 printed, 1 no TEXT
or a font that cannot be read.
)";

std::filesystem::path executableDir() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : self.parent_path();
}

int listCommands() {
    const glyphora::CommandTable table;
    for (const glyphora::CommandRow& row : table.rows())
        std::cout << row.id << '\t' << glyphora::cp1252ToUtf8(row.menuPath) << '\t'
                  << row.shortcuts.text() << '\n';
    return 0;
}

// "WxH" with two whole numbers of at least 1.
std::optional<std::pair<int, int>> parseSize(const std::string& text) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos)
        return std::nullopt;
    const std::optional<int> w = glyphora::parseInteger<int>(text.substr(0, x));
    const std::optional<int> h = glyphora::parseInteger<int>(text.substr(x + 1));
    if (!w || !h || *w < 1 || *h < 1)
        return std::nullopt;
    return std::pair{*w, *h};
}

int convert(const std::filesystem::path& home, const std::vector<std::string>& args,
            std::size_t first) {
    std::vector<std::string> files;
    std::optional<int> code;
    std::optional<std::string> encoding;
    glyphora::PictureAnswers picture;
    for (std::size_t i = first; i < args.size(); ++i) {
        if (args[i] == "--encoding" && i + 1 < args.size()) {
            encoding = args[++i];
            continue;
        }
        if (args[i] == "--relative" || args[i] == "--absolute") {
            picture.absolute = args[i] == "--absolute";
            continue;
        }
        if (args[i] == "--color" && i + 1 < args.size()) {
            const std::string& target = args[++i];
            if (target != "fg" && target != "bg") {
                std::cerr << "glyphora-cli: --color needs fg or bg, not " << target << '\n';
                return glyphora::kConvertFailed;
            }
            picture.color = target == "fg" ? glyphora::ColorTarget::Foreground
                                           : glyphora::ColorTarget::Background;
            continue;
        }
        if (args[i] == "--resize") {
            picture.resize = true;
            continue;
        }
        if (args[i] == "--size" && i + 1 < args.size()) {
            picture.size = parseSize(args[++i]);
            if (!picture.size) {
                std::cerr << "glyphora-cli: --size needs WxH, not " << args[i] << '\n';
                return glyphora::kConvertFailed;
            }
            continue;
        }
        if (args[i] == "--format" && i + 1 < args.size()) {
            code = glyphora::parseInteger<int>(args[++i]);
            if (!code) {
                std::cerr << "glyphora-cli: --format needs a type code, not " << args[i] << '\n';
                return glyphora::kConvertFailed;
            }
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2) {
        std::cerr << "glyphora-cli: convert needs IN and OUT\n\n" << kUsage;
        return glyphora::kConvertFailed;
    }
    try {
        return glyphora::convertDocument(
            {home, files[0], files[1], code, encoding, picture,
             executableDir() / glyphora::LoadedCanvasRenderer::kLibraryName},
            std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "glyphora-cli: convert: " << error.what() << '\n';
        return glyphora::kConvertFailed;
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    glyphora::ProgramPlaces places = glyphora::locateProgramPlaces(
        executableDir(), GLYPHORA_INSTALLED_DATA, glyphora::userFoldersFromEnvironment());
    bool homeGiven = false;
    const auto home = [&] {
        // The user's program directory of an installed program is made ready on first use.
        if (!homeGiven)
            glyphora::prepareProgramHome(places);
        return places.home;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--list-commands")
            return listCommands();
        if (arg == "--home" && i + 1 < args.size()) {
            places = glyphora::withHome(places, args[++i]);
            homeGiven = true;
            continue;
        }
        if (arg == "convert") {
            // One conversion and the process ends: its working memory in huge pages.
            glyphora::useHugePageHeap(std::size_t{16} << 20);
            return convert(home(), args, i + 1);
        }
        if (arg == "figlet")
            return glyphora::runFiglet(
                home(),
                std::vector<std::string>(args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                         args.end()),
                std::cout, std::cerr);
        if (arg == "script" && i + 1 < args.size()) {
            const std::string& file = args[i + 1];
            home();
            glyphora::ScriptRunner runner(places, std::cout);
            if (file == "-")
                return runner.run(std::cin);
            std::ifstream in(file, std::ios::binary);
            if (!in) {
                std::cerr << "glyphora-cli: cannot read " << file << '\n';
                return glyphora::kScriptError;
            }
            return runner.run(in);
        }
        std::cerr << "glyphora-cli: unexpected argument " << arg << "\n\n" << kUsage;
        return glyphora::kScriptError;
    }
    std::cerr << kUsage;
    return glyphora::kScriptError;
}
