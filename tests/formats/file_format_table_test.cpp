#include "formats/file_format_table.h"
#include "formats/file_names.h"
#include "formats/reopen_list.h"
#include "formats/save_browser.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(FileFormatTable, TheRowsInTheirGroups) {
    const std::vector<std::string> expected = {
        "Text|Windows text,No,No,No,No,No,-,-,txt,1",
        "Text|Standard ASCII text,No,No,No,No,No,exchange,Char. code 0 - 126,asc,2",
        "Text|Rich text,~ANSI,No,No,No,Yes,Wordpad...,-,rtf,7",
        "Text|CSS plaintext table,No,No,No,No,Yes,Excel...,Separator >;<,csv,8",
        "HTML|HTML plaintext,No,No,Yes,No,No,www,-,htm,3",
        "HTML|HTML colored,Yes,No,Yes,No,No,www,full compatible; large files,htm,4",
        "HTML|HTML colored (CSS),Yes,No,Yes,No,Yes,www,only 4+ browser; small files,htm,13",
        "HTML|HTML table,Yes,Yes,Yes,Yes,Yes,(www),full compatible; large(!) files,htm,5",
        "HTML|HTML table (CSS),No,Yes,Yes,Yes,Yes,www,only 4+ browser; small files,htm,14",
        "HTML|HTML table (IE),Yes,Yes,Yes,Yes,Yes,www,(only!?) Internet Explorer 4+ browser,htm,15",
        "Glyphora|Glyphora format,Yes,Yes,Yes,Yes,No,GL 4+,standard format (all attributes),glf,11",
        "Glyphora|Glyphora plaintext,No,No,No,No,No,GL 4+,plaintext (fast),glg,10",
        "Glyphora|Pattern,-,-,-,-,-,GL 4+,(should be saved in >pattern< dir.),pat,6",
        "Bitmap|ASCII 2 pic.,-,-,-,-,-,-,char. 2 gray scale conversion,bmp,16",
        "Bitmap|Font color 2 pic.,-,-,-,-,-,-,font color 2 pixel color conversion,bmp,17",
        "Bitmap|Cell color 2 pic.,-,-,-,-,-,-,cell color 2 pixel color conversion,bmp,18",
        "Bitmap|Capture Canvas 1,-,-,-,-,-,-,captue visible canvas,bmp,19",
        "Bitmap|Capture Canvas 2,-,-,-,-,-,-,capture hole canvas,bmp,20",
        "Other|ANSI,ANSI,ANSI,No,No,No,DOS,not optimized,ans,9",
        "Other|Applet data,Yes,Yes,No,No,Yes,www,data parameter (text-art applet),dat,30",
        "Other|User defined,No,No,No,No,No,-,text file with other extension,*,12"};
    std::vector<std::string> rows;
    for (const FileFormatRow& row : FileFormatTable())
        rows.push_back(std::string(row.group) + "|" + std::string(row.text));
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(std::vector<std::string_view>(fileFormatGroups().begin(), fileFormatGroups().end()),
              (std::vector<std::string_view>{"Text", "HTML", "Glyphora", "Bitmap", "Other"}));

    const FileFormat rich = parseFileFormat(FileFormatTable()[2].text);
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
    EXPECT_EQ(formatPosition(6).group, 2);
    EXPECT_EQ(formatPosition(6).row, 2);
    // A code without a row selects Other / User defined.
    for (const int code : {0, 12, 25, 99}) {
        EXPECT_EQ(formatPosition(code).group, 4);
        EXPECT_EQ(formatPosition(code).row, 2);
    }
    EXPECT_EQ(formatsOfGroup(1).size(), 6u);
    EXPECT_TRUE(formatsOfGroup(5).empty());

    // Codes 1 to 14; from 12 on the writers name their own files.
    std::string extensions;
    for (int code = 1; code <= 14; ++code)
        extensions += std::string(saveExtension(code)) + " ";
    EXPECT_EQ(extensions, ".txt .asc .htm .htm .htm .pat .rtf .csv .ans .glg .glf    ");
}

TEST(FileNames, SplitAndCompareIgnoringCase) {
    EXPECT_EQ(fileNameOf("C:\\x\\y.glg"), "y.glg");
    EXPECT_EQ(directoryOf("/a/b.c/pic.txt"), "/a/b.c");
    EXPECT_EQ(directoryOf("/pic.txt"), "/");
    EXPECT_EQ(directoryOf("pic.txt"), "");
    EXPECT_EQ(upperExtension("/a.glg.d/Page.html"), ".HTML");
    EXPECT_EQ(upperExtension("/a.glg.d/readme"), "");
    EXPECT_TRUE(containsIgnoringCase("/a.Glg.d/x.txt", ".GLG"));
    EXPECT_FALSE(equalsIgnoringCase("/a/b.txt", "/a/b.txt2"));
}

TEST(ReopenList, OnlyReadableTypesJoinAfterASaveAndMissingFilesLeave) {
    for (const auto& [path, code] : {std::pair{"/x/a.txt", 1},
                                     {"/x/a.ASC", 2},
                                     {"/x/a.pat", 6},
                                     {"/x/a.glg", 10},
                                     {"/x/a.glf", 11},
                                     {"/x/a.htm", 4}})
        EXPECT_TRUE(savedFileJoinsReopenList(path, code)) << path << code;
    for (const auto& [path, code] : {std::pair{"/x/a.htm", 5},
                                     {"/x/a.html", 3},
                                     {"/x/a.rtf", 7},
                                     {"/x/a.csv", 8},
                                     {"/x/a.xyz", 12}})
        EXPECT_FALSE(savedFileJoinsReopenList(path, code)) << path << code;

    test::TempDir dir;
    test::writeBytes(dir / "f.txt", "x");
    std::filesystem::create_directory(dir / "d.txt");
    EXPECT_TRUE(fileExists((dir / "f.txt").string()));
    EXPECT_FALSE(fileExists((dir / "d.txt").string())); // a folder is no file
    EXPECT_FALSE(fileExists((dir / "gone.txt").string()));
    EXPECT_FALSE(fileExists(""));

    std::vector<std::string> list = {"/d/a.txt", "/d/5.txt", "/d/b.txt"};
    removeMissingFiles(list, [](const std::string& p) { return p != "/d/5.txt"; });
    EXPECT_EQ(list, (std::vector<std::string>{"/d/a.txt", "/d/b.txt"}));
}

TEST(SaveBrowser, StartsOnTheSaveFormatsRowAndForcesItsExtension) {
    SaveBrowserModel txt(1, "pic", "/home/u");
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
    std::string shown;
    for (const auto& field : m.rowFields())
        shown += std::string(field.label) + field.value + "|";
    EXPECT_EQ(shown, "Font color: No|Cell color:Yes|Font attributes:Yes|Cell border:Yes|"
                     "Write only: Yes|Usage:www|Note:only 4+ browser; small files|");
    EXPECT_EQ(m.fileName(), "x.htm");
}

} // namespace
} // namespace glyphora
