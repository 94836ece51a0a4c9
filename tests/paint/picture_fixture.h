#pragma once

#include "canvas/canvas_commands.h"
#include "editor_fixture.h"
#include "paint/canvas_picture.h"

#include <initializer_list>

namespace glyphora::test {

// The editor fixture with its canvas drawn and read as text rows.
struct PictureTest : EditorTest {
    void canvas(const Rows& rows) {
        draw(editor.canvas(), rows);
        editor.canvas().updateSizeFields();
    }
    void select(int left, int top, int right, int bottom) {
        editor.setGridSelection({left, top, right, bottom});
    }
    Rows shown() const { return picture(editor.canvas()); }
    // Selects the rectangle, runs the command and gives the canvas.
    Rows run(void (*command)(Editor&), CellRect selection) {
        editor.setGridSelection(selection);
        command(editor);
        return shown();
    }
    // The canvas after one undo step.
    Rows undone() {
        Undo(editor);
        return shown();
    }
    std::string message() const { return editor.status().field(3); }
    void answers(std::initializer_list<std::string> texts) {
        for (const std::string& text : texts)
            ui.queueAnswer(text);
    }
};

} // namespace glyphora::test
