#include "formats/file_format_table.h"
#include "formats/file_names.h"
#include "formats/reopen_list.h"
#include "formats/save_browser.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <set>

namespace glyphora {
namespace {

TEST(FileFormatTable, HoldsEveryTypeOnceUnderItsGroupWithTenFields) {
    const auto rows = FileFormatTable();
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_EQ(std::vector<std::string_view>(fileFormatGroups().begin(), fileFormatGroups().end()),
              (std::vector<std::string_view>{"Text", "HTML", "Glyphora", "Bitmap", "Other"}));
    EXPECT_EQ(rows.front().text, "Windows text,No,No,No,No,No,-,-,txt,1");
    EXPECT_EQ(rows.back().text,
              "User defined,No,No,No,No,No,-,text file with other extension,*,12");

    std::set<int> codes;
    std::size_t lastGroup = 0;
    for (const FileFormatRow& row : rows) {
        EXPECT_EQ(std::count(row.text.begin(), row.text.end(), ','), 9) << row.text;
        const FileFormat format = parseFileFormat(row.text);
        EXPECT_TRUE(codes.insert(format.code).second) << row.text;
        EXPECT_FALSE(format.code >= 21 && format.code <= 29);
        // Rows stand in group order.
        const auto group =
            std::find(fileFormatGroups().begin(), fileFormatGroups().end(), row.group);
        ASSERT_NE(group, fileFormatGroups().end());
        const auto index = static_cast<std::size_t>(group - fileFormatGroups().begin());
        EXPECT_GE(index, lastGroup);
        lastGroup = index;
    }
    EXPECT_EQ(codes, (std::set<int>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                    12, 13, 14, 15, 16, 17, 18, 19, 20, 30}));

    const FileFormat rich = parseFileFormat("Rich text,~ANSI,No,No,No,Yes,Wordpad...,-,rtf,7");
    EXPECT_EQ(rich.name, "Rich text");
    EXPECT_EQ(rich.fontColor, "~ANSI");
    EXPECT_EQ(rich.writeOnly, "Yes");
    EXPECT_EQ(rich.usage, "Wordpad...");
    EXPECT_EQ(rich.extension, "rtf");
    EXPECT_EQ(rich.code, 7);
    EXPECT_EQ(findFileFormat(8)->note, "Separator >;<");
    EXPECT_EQ(findFileFormat(25), nullptr);
}

TEST(FileFormatTable, PositionsAndSaveExtensions) {
    EXPECT_EQ(formatPosition(1).group, 0);
    EXPECT_EQ(formatPosition(1).row, 0);
    EXPECT_EQ(formatPosition(7).row, 2);
    EXPECT_EQ(formatPosition(6).group, 2);
    EXPECT_EQ(formatPosition(6).row, 2);
    // A code without a row selects Other / User defined.
    for (const int code : {0, 12, 25, 99}) {
        EXPECT_EQ(formatPosition(code).group, 4);
        EXPECT_EQ(formatPosition(code).row, 2);
    }
    EXPECT_EQ(formatsOfGroup(1).size(), 6u);
    EXPECT_TRUE(formatsOfGroup(5).empty());

    EXPECT_EQ(saveExtension(3), ".htm");
    EXPECT_EQ(saveExtension(4), ".htm");
    EXPECT_EQ(saveExtension(5), ".htm");
    EXPECT_EQ(saveExtension(1), ".txt");
    EXPECT_EQ(saveExtension(2), ".asc");
    EXPECT_EQ(saveExtension(6), ".pat");
    EXPECT_EQ(saveExtension(7), ".rtf");
    EXPECT_EQ(saveExtension(8), ".csv");
    EXPECT_EQ(saveExtension(9), ".ans");
    EXPECT_EQ(saveExtension(10), ".glg");
    EXPECT_EQ(saveExtension(11), ".glf");
    EXPECT_EQ(saveExtension(12), "");
    EXPECT_EQ(saveExtension(14), ""); // writes its own name
}

TEST(FileNames, SplitAndCompareIgnoringCase) {
    EXPECT_EQ(fileNameOf("/a/b.c/pic.txt"), "pic.txt");
    EXPECT_EQ(fileNameOf("pic"), "pic");
    EXPECT_EQ(fileNameOf("C:\\x\\y.glg"), "y.glg");
    EXPECT_EQ(directoryOf("/a/b.c/pic.txt"), "/a/b.c");
    EXPECT_EQ(directoryOf("/pic.txt"), "/");
    EXPECT_EQ(directoryOf("pic.txt"), "");
    EXPECT_EQ(upperExtension("/a.glg.d/Page.html"), ".HTML");
    EXPECT_EQ(upperExtension("/a.glg.d/readme"), "");
    EXPECT_TRUE(containsIgnoringCase("/a.Glg.d/x.txt", ".GLG"));
    EXPECT_TRUE(equalsIgnoringCase("/A/b.TXT", "/a/B.txt"));
    EXPECT_FALSE(equalsIgnoringCase("/a/b.txt", "/a/b.txt2"));
}

TEST(ReopenList, NewestFirstAtMostTenDuplicatesIgnoringCase) {
    std::vector<std::string> list;
    addtoreopen(list, "/d/a.txt");
    addtoreopen(list, "/d/b.txt");
    addtoreopen(list, "/D/A.TXT");
    EXPECT_EQ(list, (std::vector<std::string>{"/D/A.TXT", "/d/b.txt"}));

    list.clear();
    for (int i = 1; i <= 11; ++i)
        addtoreopen(list, "/d/" + std::to_string(i) + ".txt");
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list.front(), "/d/11.txt");
    EXPECT_EQ(list.back(), "/d/2.txt"); // the oldest was dropped

    removeMissingFiles(list, [](const std::string& p) { return p != "/d/5.txt"; });
    EXPECT_EQ(list.size(), 9u);
    EXPECT_EQ(std::count(list.begin(), list.end(), "/d/5.txt"), 0);
}

TEST(ReopenList, OnlyReadableTypesJoinAfterASave) {
    EXPECT_TRUE(savedFileJoinsReopenList("/x/a.txt", 1));
    EXPECT_TRUE(savedFileJoinsReopenList("/x/a.ASC", 2));
    EXPECT_TRUE(savedFileJoinsReopenList("/x/a.pat", 6));
    EXPECT_TRUE(savedFileJoinsReopenList("/x/a.glg", 10));
    EXPECT_TRUE(savedFileJoinsReopenList("/x/a.glf", 11));
    EXPECT_TRUE(savedFileJoinsReopenList("/x/a.htm", 3));
    EXPECT_TRUE(savedFileJoinsReopenList("/x/a.htm", 4));
    EXPECT_FALSE(savedFileJoinsReopenList("/x/a.htm", 5));
    EXPECT_FALSE(savedFileJoinsReopenList("/x/a.html", 3));
    EXPECT_FALSE(savedFileJoinsReopenList("/x/a.rtf", 7));
    EXPECT_FALSE(savedFileJoinsReopenList("/x/a.csv", 8));
    EXPECT_FALSE(savedFileJoinsReopenList("/x/a.xyz", 12));

    test::TempDir dir;
    test::writeBytes(dir / "f.txt", "x");
    std::filesystem::create_directory(dir / "d.txt");
    EXPECT_TRUE(fileExists((dir / "f.txt").string()));
    EXPECT_FALSE(fileExists((dir / "d.txt").string())); // a folder is no file
    EXPECT_FALSE(fileExists((dir / "gone.txt").string()));
    EXPECT_FALSE(fileExists(""));
}

TEST(SaveBrowser, StartsOnTheSaveFormatsRowAndForcesItsExtension) {
    SaveBrowserModel txt(1, "pic", "/home/u");
    EXPECT_EQ(txt.group(), 0);
    EXPECT_EQ(txt.row(), 0);
    EXPECT_EQ(txt.fileName(), "pic.txt");
    EXPECT_EQ(txt.fileMask(), "*.txt");
    EXPECT_EQ(txt.rowNames(), (std::vector<std::string>{"Windows text", "Standard ASCII text",
                                                        "Rich text", "CSS plaintext table"}));

    SaveBrowserModel other(27, "pic.xyz", "/home/u");
    EXPECT_EQ(other.group(), 4);
    EXPECT_EQ(other.format().name, "User defined");
    EXPECT_EQ(other.fileName(), "pic.xyz"); // User defined forces nothing
    EXPECT_EQ(other.fileMask(), "*.*");
}

TEST(SaveBrowser, ChoosingGroupsAndRowsForcesExtensionsOnTheFileNameOnly) {
    SaveBrowserModel m(1, "my.pic.old", "/home/u/a.b");
    EXPECT_EQ(m.fileName(), "my.txt"); // everything after the first "." replaced
    m.chooseGroup(1);
    EXPECT_EQ(m.row(), 0);
    EXPECT_EQ(m.format().name, "HTML plaintext");
    EXPECT_EQ(m.fileName(), "my.htm");
    m.chooseRow(5);
    EXPECT_EQ(m.format().code, 15);
    m.chooseGroup(2);
    m.chooseRow(1);
    EXPECT_EQ(m.fileName(), "my.glg");
    EXPECT_EQ(m.fileMask(), "*.glg");
    m.chooseRow(7); // no such row: nothing changes
    EXPECT_EQ(m.row(), 1);

    m.clickFile("old.glg");
    EXPECT_EQ(m.fileName(), "/home/u/a.b/old.glg");
    m.chooseGroup(0); // a dotted folder stays whole
    EXPECT_EQ(m.fileName(), "/home/u/a.b/old.txt");
    m.changeFolder("/tmp");
    EXPECT_EQ(m.fileName(), "/tmp/old.txt");
    EXPECT_EQ(m.folder(), "/tmp");

    EXPECT_EQ(forceExtension("pic", "txt"), "pic.txt");
    EXPECT_EQ(forceExtension("/a.glg.d/pic", "txt"), "/a.glg.d/pic.txt");
    EXPECT_EQ(forceExtension("/a/pic.tar.gz", "csv"), "/a/pic.csv");
}

TEST(SaveBrowser, LeavingTheFieldForcesADifferentExtensionAndExpandsThePath) {
    SaveBrowserModel m(1, "pic", "/home/u");
    m.editField("pic.TXT");
    m.leaveField();
    EXPECT_EQ(m.fileName(), "/home/u/pic.TXT"); // same extension, any case: kept
    m.editField("pic.glg");
    m.leaveField();
    EXPECT_EQ(m.fileName(), "/home/u/pic.txt");
    m.editField("/elsewhere/x");
    m.leaveField();
    EXPECT_EQ(m.fileName(), "/elsewhere/x.txt");

    m.chooseGroup(4);
    m.chooseRow(2); // User defined
    m.editField("notes.cfg");
    const SaveBrowserModel::Choice choice = m.accept();
    EXPECT_EQ(choice.formatCode, 12);
    EXPECT_EQ(choice.path, "/home/u/notes.cfg");
}

TEST(SaveBrowser, ShowsTheRowsFieldsWithTheirLabels) {
    const SaveBrowserModel m(14, "x", "/");
    const auto fields = m.rowFields();
    ASSERT_EQ(fields.size(), 7u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Font color: ", "No"},
        {"Cell color:", "Yes"},
        {"Font attributes:", "Yes"},
        {"Cell border:", "Yes"},
        {"Write only: ", "Yes"},
        {"Usage:", "www"},
        {"Note:", "only 4+ browser; small files"}};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(fields[i].label, expected[i].first);
        EXPECT_EQ(fields[i].value, expected[i].second);
    }
    EXPECT_EQ(m.fileName(), "x.htm");
}

} // namespace
} // namespace glyphora
