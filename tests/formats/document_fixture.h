#pragma once

#include "editor_fixture.h"
#include "formats/open_save_commands.h"

#include <filesystem>
#include <initializer_list>
#include <string>

namespace glyphora::test {

// The editor fixture working in its own program directory, opening and saving documents as
// the File menu does.
struct DocumentTest : EditorTest {
    DocumentTest() { editor.settings().WorkingDirectory = dir.path().string(); }

    // Opens the file, queueing the answers for the dialogs the open brings up.
    void open(const std::filesystem::path& path, std::initializer_list<const char*> answers = {}) {
        for (const char* answer : answers)
            ui.queueAnswer(answer);
        editor.document().OpenFileName = path.string();
        openDocument(editor);
    }
    // "Save &as ..." with the browser's answer of a type code and a name, then the answers
    // for the dialogs after it.
    void saveAs(int code, const std::string& name, std::initializer_list<const char*> then = {}) {
        ui.queueAnswer(std::to_string(code) + " " + name);
        for (const char* answer : then)
            ui.queueAnswer(answer);
        SaveAs(editor);
    }
};

} // namespace glyphora::test
