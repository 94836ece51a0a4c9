#include "script.h"

#include "app/knowledge_base_commands.h"
#include "app/window_commands.h"
#include "config/startup_commands.h"
#include "edit/clipboard_commands.h"
#include "edit/input_commands.h"
#include "paint/paint_commands.h"
#include "platform/text_codec.h"
#include "platform/text_numbers.h"
#include "platform/text_trim.h"
#include "state_dump.h"
#include "textfx/figlet_commands.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

namespace glyphora {

namespace {

// Blanks around a directive or a value; a script written on Windows ends its lines in CR.
std::string_view trim(std::string_view text) {
    return trimmed(text, " \t\r");
}
int hexDigit(char ch) {
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

// Resolves the escapes of a text; nothing when one is malformed.
std::optional<std::string> unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i >= text.size())
            return std::nullopt;
        switch (text[i]) {
        case '"':
            out += '"';
            break;
        case '\\':
            out += '\\';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'x': {
            if (i + 2 >= text.size())
                return std::nullopt;
            const int hi = hexDigit(text[i + 1]);
            const int lo = hexDigit(text[i + 2]);
            if (hi < 0 || lo < 0)
                return std::nullopt;
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return out;
}

// Splits at line feeds: "ab\n" gives "ab" and an empty line.
TextLines splitLines(std::string_view text) {
    TextLines lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find('\n', start);
        if (at == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            return lines;
        }
        lines.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
}

// The end of a quoted value starting at text[0] (the index of its closing quote), skipping
// escaped characters; npos when it is not closed.
std::size_t closingQuote(std::string_view text) {
    std::size_t i = 1;
    while (i < text.size() && text[i] != '"')
        i += text[i] == '\\' ? 2 : 1;
    return i < text.size() ? i : std::string_view::npos;
}

// The first of several values (quoted, or a word) and the text after it.
std::optional<std::pair<std::string, std::string_view>> firstValue(std::string_view text) {
    text = trim(text);
    if (!text.empty() && text.front() == '"') {
        const std::size_t end = closingQuote(text);
        if (end == std::string_view::npos)
            return std::nullopt;
        std::optional<std::string> value = unescape(text.substr(1, end - 1));
        if (!value)
            return std::nullopt;
        return std::pair{std::move(*value), trim(text.substr(end + 1))};
    }
    const std::size_t blank = std::min(text.find_first_of(" \t"), text.size());
    return std::pair{std::string(text.substr(0, blank)), trim(text.substr(blank))};
}

// Names the first spot of a script line that cannot become the editor's bytes.
std::string describeBadText(const ExactCp1252& decoded) {
    const std::string column = "column " + std::to_string(*decoded.failedAt + 1);
    if (decoded.unmapped == 0)
        return "not valid UTF-8 at " + column;
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(decoded.unmapped));
    return "the character " + std::string(code) + " at " + column + " has no Windows-1252 byte";
}

// A path for the file system, whose names are UTF-8, from the editor's bytes.
std::string fileSystemPath(std::string_view bytes) {
    return cp1252ToUtf8(bytes);
}

std::pair<std::string_view, std::string_view> splitDirective(std::string_view line) {
    const std::size_t blank = line.find_first_of(" \t");
    if (blank == std::string_view::npos)
        return {line, {}};
    return {line.substr(0, blank), trim(line.substr(blank + 1))};
}

} // namespace

std::optional<std::string> parseScriptValue(std::string_view text) {
    text = trim(text);
    if (text.empty() || text.front() != '"')
        return std::string(text);
    const std::size_t end = closingQuote(text);
    if (end == std::string_view::npos || !trim(text.substr(end + 1)).empty())
        return std::nullopt;
    return unescape(text.substr(1, end - 1));
}

ScriptRunner::ScriptRunner(std::filesystem::path defaultHome, std::ostream& out)
    : ScriptRunner(ProgramPlaces{defaultHome, defaultHome, defaultHome}, out) {}

ScriptRunner::ScriptRunner(ProgramPlaces places, std::ostream& out)
    : places_(std::move(places)), out_(out) {
    ui_.setTranscriptSink([this](const std::string& line) { print(line); });
}

ScriptRunner::~ScriptRunner() = default;

Editor& ScriptRunner::editor() {
    if (!editor_) {
        editor_ = std::make_unique<Editor>(ui_, places_);
        startEditor(*editor_);
    }
    return *editor_;
}

void ScriptRunner::print(std::string_view line) {
    out_ << cp1252ToUtf8(line) << '\n';
}

int ScriptRunner::fail(const std::string& text) {
    print("error: line " + std::to_string(lineNumber_) + ": " + text);
    return kScriptError;
}

int ScriptRunner::run(std::istream& script) {
    std::string line;
    while (std::getline(script, line)) {
        const int code = runLine(line);
        if (code != kScriptOk)
            return code;
    }
    return kScriptOk;
}

int ScriptRunner::runLine(std::string_view rawLine) {
    ++lineNumber_;
    static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (lineNumber_ == 1 && rawLine.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        rawLine.remove_prefix(kByteOrderMark.size());
    // Scripts are UTF-8 and the editor works on Windows-1252 bytes; \xNN still gives any byte.
    const ExactCp1252 decoded = utf8ToCp1252Exact(rawLine);
    if (decoded.failedAt)
        return fail(describeBadText(decoded));
    const std::string_view line = trim(decoded.bytes);
    if (line.empty() || line.front() == '#')
        return kScriptOk;
    const auto [directive, rest] = splitDirective(line);

    if (directive == "home") {
        if (editor_)
            return fail("home must come before every other directive");
        const std::optional<std::string> dir = parseScriptValue(rest);
        if (!dir || dir->empty())
            return fail("home needs a directory");
        places_ = withHome(places_, fileSystemPath(*dir));
        return kScriptOk;
    }

    int code = kScriptOk;
    if (directive == "run") {
        code = runCommand(rest);
    } else if (directive == "answer") {
        const std::optional<std::string> value = parseScriptValue(rest);
        if (!value)
            return fail("malformed value: " + std::string(rest));
        editor();
        ui_.queueAnswer(*value);
    } else if (directive == "select") {
        code = runSelect(rest);
    } else if (directive == "set") {
        code = runSet(rest);
    } else if (directive == "clipboard") {
        const std::optional<std::string> value = parseScriptValue(rest);
        if (!value)
            return fail("malformed value: " + std::string(rest));
        // The system clipboard holds lines ended by CR LF.
        std::string text;
        const TextLines lines = splitLines(*value);
        for (std::size_t i = 0; i < lines.size(); ++i)
            text += (i ? "\r\n" : "") + lines[i];
        editor().ui().setClipboardText(cp1252ToUtf8(text));
    } else if (directive == "tick") {
        code = runTick(rest);
    } else if (directive == "dump") {
        code = runDump(rest);
    } else if (directive == "textview") {
        code = runTextView(rest);
    } else if (directive == "type") {
        code = runType(rest);
    } else if (directive == "key") {
        code = runKey(rest);
    } else if (directive == "click" || directive == "dblclick" || directive == "move") {
        code = runMouse(directive, rest);
    } else if (directive == "nav") {
        code = runNav(rest);
    } else if (directive == "figlet") {
        const std::optional<std::string> text = parseScriptValue(rest);
        if (!text)
            return fail("malformed value: " + std::string(rest));
        for (const char ch : *text)
            TypeFigletChar(editor(), static_cast<unsigned char>(ch));
    } else if (directive == "figletselect" || directive == "copygridselect") {
        std::istringstream in{std::string(rest)};
        CellRect rect;
        std::string extra;
        if (!(in >> rect.left >> rect.top >> rect.right >> rect.bottom) || (in >> extra))
            return fail(std::string(directive) + " needs four numbers: L T R B");
        if (directive == "figletselect")
            editor().figletPanel.setSelection(rect);
        else
            editor().copyGrid.setSelection(rect);
    } else if (directive == "knowledge" || directive == "knowledgeclick" ||
               directive == "knowledgedblclick") {
        const std::optional<int> number = parseInteger<int>(rest);
        if (!number)
            return fail(std::string(directive) + " needs a number");
        if (directive == "knowledge")
            SelectKnowledgeBaseFile(editor(), *number);
        else if (directive == "knowledgeclick")
            ShowKnowledgeBaseLine(editor(), *number);
        else
            CopyKnowledgeBaseLine(editor(), *number);
    } else if (directive == "pattern") {
        const std::optional<std::string> name = parseScriptValue(rest);
        if (!name || name->empty())
            return fail("pattern needs a file name of the pattern list");
        if (!SelectPatternFile(editor(), *name))
            return fail("no such pattern file in the list: " + *name);
    } else if (directive == "open" || directive == "saveas") {
        code = runFileDialog(directive, rest);
    } else {
        return fail("unknown directive: " + std::string(directive));
    }
    if (code != kScriptOk)
        return code;
    if (!ui_.unansweredDialog().empty()) {
        print("stopped: no answer for " + ui_.unansweredDialog());
        return kScriptUnanswered;
    }
    return kScriptOk;
}

int ScriptRunner::runCommand(std::string_view what) {
    const std::optional<std::string> name = parseScriptValue(what);
    if (!name || name->empty())
        return fail("run needs a command id or menu path");
    const CommandRow* row = commands_.findById(*name);
    if (!row)
        row = commands_.findByMenuPath(*name);
    if (!row)
        return fail("unknown command: " + *name);
    // Choosing a menu item opens its menu first, which ends a paste preview.
    stopPastePreview(editor());
    if (CommandTable::run(editor(), *row) == CommandTable::RunResult::Disabled)
        print("disabled: " + std::string(row->menuPath));
    return kScriptOk;
}

int ScriptRunner::runSet(std::string_view assignment) {
    const std::size_t eq = assignment.find('=');
    if (eq == std::string_view::npos)
        return fail("set needs NAME=VALUE");
    const std::string_view name = trim(assignment.substr(0, eq));
    const std::optional<std::string> value = parseScriptValue(assignment.substr(eq + 1));
    if (!value)
        return fail("malformed value: " + std::string(assignment.substr(eq + 1)));
    if (std::string error = editor().setSetting(name, *value); !error.empty())
        return fail(error);
    return kScriptOk;
}

int ScriptRunner::runSelect(std::string_view args) {
    std::istringstream in{std::string(args)};
    CellRect rect;
    std::string extra;
    if (!(in >> rect.left >> rect.top >> rect.right >> rect.bottom) || (in >> extra))
        return fail("select needs four numbers: L T R B");
    editor().setGridSelection(rect);
    return kScriptOk;
}

int ScriptRunner::runTick(std::string_view which) {
    if (which == "status") {
        onTimer(editor(), TimerId::Status);
        return kScriptOk;
    }
    if (which == "autosave") {
        onTimer(editor(), TimerId::Autosave);
        return kScriptOk;
    }
    return fail("tick needs status or autosave");
}

int ScriptRunner::runDump(std::string_view path) {
    const std::optional<std::string> target = parseScriptValue(path);
    if (!target || target->empty())
        return fail("dump needs a path");
    const std::string json = dumpState(editor()).dump(2) + "\n";
    if (*target == "-") {
        out_ << json;
        return kScriptOk;
    }
    std::ofstream file(fileSystemPath(*target), std::ios::binary);
    if (!(file << json) || !file.flush())
        return fail("cannot write " + *target);
    return kScriptOk;
}

int ScriptRunner::runTextView(std::string_view text) {
    const std::optional<std::string> value = parseScriptValue(text);
    if (!value)
        return fail("malformed value: " + std::string(text));
    TextView& view = editor().textView();
    if (!view.visible)
        return fail("the text view is not shown");
    view.lines = splitLines(*value);
    return kScriptOk;
}

int ScriptRunner::runFileDialog(std::string_view directive, std::string_view args) {
    // open PATH; saveas CODE PATH, or both in one value: saveas "CODE PATH".
    std::optional<std::string> answer;
    if (directive == "open") {
        answer = parseScriptValue(args);
    } else if (const auto first = firstValue(args)) {
        std::string code = first->first;
        std::optional<std::string> path = parseScriptValue(first->second);
        if (first->second.empty()) {
            const std::size_t blank = code.find(' ');
            path = blank == std::string::npos ? std::string() : code.substr(blank + 1);
            code = code.substr(0, std::min(blank, code.size()));
        }
        if (parseInteger<int>(code) && path && !path->empty())
            answer = code + " " + *path;
    }
    if (!answer || answer->empty())
        return fail(std::string(directive) + " needs " +
                    (directive == "open" ? "a path" : "a type code and a path"));
    // The same flows a user takes, their file dialog answered first; answers queued before
    // serve the questions that follow (such as an overwrite).
    ui_.answerNextFileDialog(*answer);
    const int result = runCommand(directive == "open" ? "OpenCommand" : "SaveAs");
    ui_.dropFileDialogAnswer();
    return result;
}

int ScriptRunner::runType(std::string_view text) {
    const std::optional<std::string> value = parseScriptValue(text);
    if (!value)
        return fail("malformed value: " + std::string(text));
    for (const char ch : *value) {
        canvasKeyDown(editor());
        canvasTypeCharacter(editor(), static_cast<unsigned char>(ch));
    }
    return kScriptOk;
}

int ScriptRunner::runKey(std::string_view name) {
    if (name.empty())
        return fail("key needs a key name");
    // A shortcut goes to its command before the canvas sees the key, as in the window.
    if (const CommandRow* row = commands_.findByShortcut(name)) {
        if (CommandTable::run(editor(), *row) == CommandTable::RunResult::Disabled)
            print("disabled: " + std::string(row->menuPath));
        return kScriptOk;
    }
    // Moves take Shift+ and Ctrl+ in either order.
    std::string_view bare = name;
    const auto takePrefix = [&bare](std::string_view prefix) {
        if (bare.substr(0, prefix.size()) != prefix)
            return false;
        bare.remove_prefix(prefix.size());
        return true;
    };
    bool shift = takePrefix("Shift+");
    const bool ctrl = takePrefix("Ctrl+");
    shift = takePrefix("Shift+") || shift;
    struct Arrow {
        std::string_view name;
        int dCol;
        int dRow;
    };
    static constexpr Arrow kArrows[] = {
        {"Left", -1, 0}, {"Right", 1, 0}, {"Up", 0, -1}, {"Down", 0, 1}};
    for (const Arrow& arrow : kArrows) {
        if (bare == arrow.name && !ctrl) {
            canvasArrowKey(editor(), arrow.dCol, arrow.dRow, shift);
            return kScriptOk;
        }
    }
    struct Move {
        std::string_view name;
        GridMove plain;
        std::optional<GridMove> withCtrl;
    };
    static const Move kMoves[] = {{"PgUp", GridMove::PageUp, std::nullopt},
                                  {"PgDn", GridMove::PageDown, std::nullopt},
                                  {"Home", GridMove::RowStart, GridMove::CanvasStart},
                                  {"End", GridMove::RowEnd, GridMove::CanvasEnd}};
    for (const Move& move : kMoves) {
        if (bare == move.name && (!ctrl || move.withCtrl)) {
            canvasMoveKey(editor(), ctrl ? *move.withCtrl : move.plain, shift);
            return kScriptOk;
        }
    }
    static constexpr std::pair<std::string_view, unsigned char> kControls[] = {
        {"Enter", 13}, {"Backspace", 8}, {"Escape", 27}, {"Tab", 9}};
    for (const auto& [keyName, code] : kControls) {
        if (name == keyName) {
            canvasKeyDown(editor());
            canvasTypeCharacter(editor(), code);
            return kScriptOk;
        }
    }
    return fail("unknown key: " + std::string(name));
}

int ScriptRunner::runMouse(std::string_view directive, std::string_view args) {
    std::istringstream in{std::string(args)};
    CellPos cell;
    if (!(in >> cell.col >> cell.row))
        return fail(std::string(directive) + " needs a column and a row");
    Modifiers mods;
    MouseButton button = MouseButton::Left;
    for (std::string word; in >> word;) {
        if (word == "ctrl")
            mods.ctrl = true;
        else if (word == "alt")
            mods.alt = true;
        else if (word == "shift")
            mods.shift = true;
        else if (word == "right" && directive == "click")
            button = MouseButton::Right;
        else
            return fail("unknown word for " + std::string(directive) + ": " + word);
    }
    Editor& e = editor();
    if (!e.canvas().contains(cell.col, cell.row))
        return fail("cell outside the canvas");
    canvasMouseMove(e, cell, false, mods);
    if (directive == "move")
        return kScriptOk;
    canvasMousePress(e, cell, button, mods);
    canvasMouseRelease(e);
    if (directive == "dblclick")
        canvasDoubleClick(e);
    return kScriptOk;
}

int ScriptRunner::runNav(std::string_view step) {
    static constexpr std::pair<std::string_view, NavStep> kSteps[] = {
        {"left", NavStep::MoveLeft},
        {"right", NavStep::MoveRight},
        {"up", NavStep::MoveUp},
        {"down", NavStep::MoveDown},
        {"left-edge-left", NavStep::LeftEdgeLeft},
        {"left-edge-right", NavStep::LeftEdgeRight},
        {"right-edge-left", NavStep::RightEdgeLeft},
        {"right-edge-right", NavStep::RightEdgeRight},
        {"top-edge-up", NavStep::TopEdgeUp},
        {"top-edge-down", NavStep::TopEdgeDown},
        {"bottom-edge-up", NavStep::BottomEdgeUp},
        {"bottom-edge-down", NavStep::BottomEdgeDown},
        {"rows", NavStep::CompleteRows},
        {"cols", NavStep::CompleteCols},
        {"o", NavStep::None},
    };
    for (const auto& [name, value] : kSteps) {
        if (step == name) {
            navigateSelection(editor(), value);
            return kScriptOk;
        }
    }
    return fail("unknown navigator step: " + std::string(step));
}

} // namespace glyphora
