#include "app/knowledge_base.h"
#include "app/knowledge_base_commands.h"
#include "editor_fixture.h"
#include "paint/paint_commands.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

namespace fs = std::filesystem;

using Lines = std::vector<std::string>;

const Lines kErrorLines = {"ERROR:", "Couldn`t", "open", "file !!!"};

struct KnowledgeBaseTest : test::EditorTest {
    fs::path data() const { return dir / "Data"; }
    void file(const std::string& name, const std::string& bytes) {
        fs::create_directories(data());
        test::writeBytes(data() / name, bytes);
    }
    const KnowledgeBase& base() const { return editor.knowledgeBase; }
};

TEST_F(KnowledgeBaseTest, ListsTheDatFilesOfTheDataFolderAndReadsTheOneSelected) {
    file("faces.dat", ":-)\r\n(^_^)\r\n");
    file("ANIMALS.DAT", "><>\n=^.^=");
    file("notes.txt", "not listed");
    fs::create_directories(data() / "folder.dat"); // a folder is no file of lines
    SelectKnowledgeBaseFile(editor, 1);
    EXPECT_EQ(base().files(), (Lines{"ANIMALS.DAT", "faces.dat"}));
    EXPECT_EQ(base().lines(), (Lines{":-)", "(^_^)"}));
    SelectKnowledgeBaseFile(editor, 0);
    EXPECT_EQ(base().lines(), (Lines{"><>", "=^.^="}));
}

TEST_F(KnowledgeBaseTest, WhatCannotBeListedShowsTheFourErrorLines) {
    // No Data folder at all.
    SelectKnowledgeBaseFile(editor, 0);
    EXPECT_EQ(base().lines(), kErrorLines);
    EXPECT_TRUE(base().files().empty());

    file("a.dat", "fine");
    // A position beyond the files, or before them.
    SelectKnowledgeBaseFile(editor, 1);
    EXPECT_EQ(base().lines(), kErrorLines);
    SelectKnowledgeBaseFile(editor, -1);
    EXPECT_EQ(base().lines(), kErrorLines);
    // A binary file and one far too large for a list of lines.
    file("b.dat", std::string("bin\0ary", 7));
    file("c.dat", std::string(KnowledgeBase::kMaxFileBytes + 1, 'x'));
    for (const int position : {1, 2}) {
        SelectKnowledgeBaseFile(editor, position);
        EXPECT_EQ(base().lines(), kErrorLines) << position;
    }
    SelectKnowledgeBaseFile(editor, 0);
    EXPECT_EQ(base().lines(), Lines{"fine"});
}

TEST_F(KnowledgeBaseTest, ThePanelTakesThePatternPanelsPlaceAndTheOtherWayRound) {
    file("a.dat", "first");
    file("b.dat", "second");
    FillWithPattern(editor);
    ToggleKnowledgeBase(editor);
    EXPECT_TRUE(knowledgeBaseChecked(editor));
    EXPECT_FALSE(patternPanelVisible(editor));
    EXPECT_EQ(base().lines(), Lines{"first"}); // the first file, on the first showing
    // Hidden and shown again, it stays on the file the selector is on.
    SelectKnowledgeBaseFile(editor, 1);
    ToggleKnowledgeBase(editor);
    ToggleKnowledgeBase(editor);
    EXPECT_EQ(base().lines(), Lines{"second"});
    FillBackgroundWithPattern(editor);
    EXPECT_FALSE(knowledgeBaseChecked(editor));
}

TEST_F(KnowledgeBaseTest, AClickShowsTheLineAndADoubleClickCopiesIt) {
    file("a.dat", "><(((\xB0>\nsecond");
    SelectKnowledgeBaseFile(editor, 0);
    ShowKnowledgeBaseLine(editor, 1);
    EXPECT_EQ(editor.status().field(3), "second");
    ASSERT_EQ(editor.figletPanel.typing(), "Hi");
    CopyKnowledgeBaseLine(editor, 0); // by way of the FigLet typing box, left empty
    EXPECT_EQ(ui.clipboardText(), "><(((\u00B0>");
    EXPECT_EQ(editor.status().field(3), "=> COPIED TO CLIPBOARD.");
    EXPECT_EQ(editor.figletPanel.typing(), "");
    editor.setGlyphSet(CharSet::Cp437);
    CopyKnowledgeBaseLine(editor, 0);
    EXPECT_EQ(ui.clipboardText(), "><(((\u2591>");
    // A click beside the lines does nothing.
    CopyKnowledgeBaseLine(editor, 2);
    EXPECT_EQ(ui.clipboardText(), "><(((\u2591>");
}

TEST(KnowledgeBaseData, TheShippedFilesHoldLinesWorthPickingFrom) {
    const fs::path folder = fs::path(GLYPHORA_SOURCE_DIR) / "data" / "Data";
    KnowledgeBase base;
    base.select(folder, 0);
    ASSERT_GE(base.files().size(), 5u);
    for (int i = 0; i < static_cast<int>(base.files().size()); ++i) {
        SCOPED_TRACE(base.files()[static_cast<std::size_t>(i)]);
        base.select(folder, i);
        EXPECT_NE(base.lines(), kErrorLines);
        EXPECT_GE(base.lines().size(), 20u);
        for (const std::string& line : base.lines()) {
            // One line each, fit for a canvas row, nothing lost on the way to the bytes.
            EXPECT_FALSE(line.empty());
            EXPECT_LE(line.size(), 80u) << line;
            EXPECT_EQ(line.find('?'), std::string::npos) << line;
            EXPECT_EQ(line.find('\t'), std::string::npos) << line;
        }
    }
}

} // namespace
} // namespace glyphora
