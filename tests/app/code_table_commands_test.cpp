#include "app/code_table_commands.h"
#include "editor_fixture.h"

#include <gtest/gtest.h>
#include <set>

namespace glyphora {
namespace {

using CodeTable = test::EditorTest;

std::string utf8(char32_t ch) {
    std::string text;
    appendUtf8(text, ch);
    return text;
}

TEST(CodeTableLayout, HoldsEveryCodeFromOneTo255ColumnByColumn) {
    std::set<int> codes;
    for (int col = 0; col < kCodeTableCols; ++col)
        for (int row = 0; row < kCodeTableRows; ++row)
            codes.insert(codeTableCode(col, row));
    EXPECT_EQ(codes.size(), 255u);
    EXPECT_EQ(*codes.begin(), 1);          // no cell for code 0
    EXPECT_EQ(codeTableCode(16, 14), 255); // the last cell of column 16
    EXPECT_EQ(codeTableCode(1, 0), 16);
}

TEST(CodeTableLayout, BoxesShowTheCharacterAsTheCanvasShowsItAndItsCodes) {
    const CodeTableFields degree = codeTableFields(176, CharSet::Windows1252);
    EXPECT_EQ(degree.character, utf8(0xB0));
    EXPECT_EQ(degree.decimal, "176");
    EXPECT_EQ(degree.hex, "B0");
    EXPECT_EQ(codeTableFields(10, CharSet::Windows1252).hex, "0A");
    EXPECT_EQ(codeTableGlyph(176, CharSet::Cp437), utf8(0x2591));
    EXPECT_EQ(codeTableGlyph(128, CharSet::Windows1252), utf8(0x20AC));
    // Codes without a glyph: caret notation, or nothing where Windows-1252 has no character.
    EXPECT_EQ(codeTableGlyph(1, CharSet::Cp437), "^A");
    EXPECT_EQ(codeTableGlyph(31, CharSet::Windows1252), "^_");
    EXPECT_EQ(codeTableFields(127, CharSet::Windows1252).character, "^?");
    EXPECT_EQ(codeTableGlyph(0x81, CharSet::Windows1252), "");
}

TEST_F(CodeTable, InsertCopiesTheCharacterAndTypesItAsAKeyWould) {
    ShowCodeTable(editor);
    EXPECT_TRUE(saw("window: ANSI code"));
    editor.setGridSelection({78, 3, 78, 3});
    InsertCode(editor, 0xB0);
    InsertCode(editor, 'x');
    EXPECT_EQ(editor.canvas().text(78, 3), "\xB0");
    EXPECT_EQ(editor.canvas().text(79, 3), "x");
    EXPECT_EQ(editor.sel().CursorCol, 0); // the typewriter wraps to the next row
    EXPECT_EQ(editor.sel().CursorRow, 4);
    EXPECT_EQ(ui.clipboardText(), "x");

    const std::string before(editor.canvas().text(0, 4));
    editor.setGlyphSet(CharSet::Cp437);
    CopyCodeToClipboard(editor, 0xB0);
    EXPECT_EQ(ui.clipboardText(), utf8(0x2591));
    EXPECT_EQ(editor.canvas().text(0, 4), before); // "&Clipb." types nothing
}

} // namespace
} // namespace glyphora
