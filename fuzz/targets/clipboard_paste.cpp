// Text on the system clipboard pasted in each paste mode, at a cursor and in a glyph set the
// first byte chooses.
#include "app/editor.h"
#include "edit/clipboard_commands.h"
#include "fuzz_targets.h"
#include "platform/headless_ui.h"

int glyphora::fuzz::fuzzClipboardPaste(std::string_view bytes) {
    if (bytes.empty())
        return 0;
    const unsigned char choice = static_cast<unsigned char>(bytes[0]);
    // One editor for every input: its clipboards are large to set up.
    static HeadlessUi ui;
    static Editor editor(ui, std::filesystem::temp_directory_path());
    editor.settings().EnableUndo = false;
    editor.setGlyphSet(choice & 1 ? CharSet::Cp437 : CharSet::Windows1252);
    editor.canvas().setSize(10, 5);
    editor.canvas().clearTexts();
    editor.sel().CursorCol = (choice >> 1) % 10;
    editor.sel().CursorRow = (choice >> 4) % 5;
    ui.setClipboardText(std::string(bytes.substr(1)));
    PasteBlock(editor);
    PasteOver(editor);
    PasteUnder(editor);
    return 0;
}
