#include "app/code_table_commands.h"

#include "app/editor.h"
#include "edit/input_commands.h"

#include <cstdio>

namespace glyphora {

namespace {

constexpr int kFirstPrintable = 0x20;
constexpr int kDelete = 0x7F;
constexpr char32_t kFirstC1 = 0x80;
constexpr char32_t kLastC1 = 0x9F;
constexpr char kCaretBase = '@'; // "^@" is code 0, "^A" code 1

std::string byteText(int code) {
    return std::string(1, static_cast<char>(code));
}

} // namespace

int codeTableCode(int col, int row) {
    return col * kCodeTableRows + row + 1;
}

std::string codeTableGlyph(int code, CharSet set) {
    if (code < kFirstPrintable)
        return {'^', static_cast<char>(kCaretBase + code)};
    if (code == kDelete)
        return "^?";
    const char32_t ch = byteToUnicode(static_cast<unsigned char>(code), set);
    if (ch >= kFirstC1 && ch <= kLastC1)
        return {};
    std::string text;
    appendUtf8(text, ch);
    return text;
}

CodeTableFields codeTableFields(int code, CharSet set) {
    CodeTableFields fields;
    fields.character = codeTableGlyph(code, set);
    fields.decimal = std::to_string(code);
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(code & 0xFF));
    fields.hex = hex;
    return fields;
}

void ShowCodeTable(Editor& editor) {
    editor.ui().showCodeTable();
}

void CopyCodeToClipboard(Editor& editor, int code) {
    editor.ui().setClipboardText(bytesToUtf8(byteText(code), editor.glyphSet()));
}

void InsertCode(Editor& editor, int code) {
    CopyCodeToClipboard(editor, code);
    canvasKeyDown(editor);
    canvasTypeCharacter(editor, static_cast<unsigned char>(code));
}

} // namespace glyphora
