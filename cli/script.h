#pragma once

#include "app/command_table.h"
#include "app/editor.h"
#include "platform/headless_ui.h"

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace glyphora {

// Exit codes of a script run.
inline constexpr int kScriptOk = 0;
inline constexpr int kScriptError = 1;      // a directive that cannot be carried out
inline constexpr int kScriptUnanswered = 2; // a dialog found no queued answer

// A directive's value: in double quotes with the escapes \" \\ \n \r \t \xNN, or the rest
// of the line without surrounding blanks. Nothing when a quoted value is not closed or an
// escape is malformed.
std::optional<std::string> parseScriptValue(std::string_view text);

// Runs glyphora-cli scripts: one directive per line on a fresh Editor with a HeadlessUi,
// the transcript of every Ui interaction written to the output stream.
class ScriptRunner {
public:
    ScriptRunner(std::filesystem::path defaultHome, std::ostream& out);
    // An installed program: the home directive still keeps the shipped data.
    ScriptRunner(ProgramPlaces places, std::ostream& out);
    ~ScriptRunner();

    int run(std::istream& script);
    // One directive; returns an exit code, kScriptOk to go on.
    int runLine(std::string_view line);

    // The editor, started on first use with the program directory chosen by then.
    Editor& editor();
    HeadlessUi& ui() { return ui_; }
    const CommandTable& commands() const { return commands_; }

private:
    // Writes a line of the editor's bytes to the output as UTF-8.
    void print(std::string_view line);
    int fail(const std::string& text);
    int runCommand(std::string_view what);
    int runSet(std::string_view assignment);
    int runSelect(std::string_view args);
    int runTick(std::string_view which);
    int runDump(std::string_view path);
    int runTextView(std::string_view text);
    int runType(std::string_view text);
    int runKey(std::string_view name);
    int runMouse(std::string_view directive, std::string_view args);
    int runNav(std::string_view step);
    int runFileDialog(std::string_view directive, std::string_view args);

    ProgramPlaces places_;
    std::ostream& out_;
    HeadlessUi ui_;
    CommandTable commands_;
    std::unique_ptr<Editor> editor_;
    int lineNumber_ = 0;
};

} // namespace glyphora
