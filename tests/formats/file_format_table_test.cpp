#include "formats/file_format_table.h"
#include "formats/file_names.h"
#include "formats/reopen_list.h"
#include "formats/save_browser.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(FileFormatTable, SaveExtensionsGroupBoundsFileNamesAndWhichSavedFilesJoinTheReopenList) {
    // Codes 1 to 14; from 12 on the writers name their own files.
    std::string extensions;
    for (int code = 1; code <= 16; ++code)
        extensions += std::string(saveExtension(code)) + " ";
    EXPECT_EQ(extensions,
              ".txt .asc .htm .htm .htm .pat .rtf .csv .ans .glg .glf  .htm .htm .htm  ");
    EXPECT_TRUE(formatsOfGroup(5).empty());
    EXPECT_TRUE(formatsOfGroup(-1).empty());

    EXPECT_EQ(fileNameOf("C:\\x\\y.glg"), "y.glg");
    EXPECT_EQ(directoryOf("/a/b.c/pic.txt"), "/a/b.c");
    EXPECT_EQ(directoryOf("/pic.txt"), "/");
    EXPECT_EQ(directoryOf("pic.txt"), "");
    EXPECT_EQ(upperExtension("/a.glg.d/Page.html"), ".HTML");
    EXPECT_EQ(upperExtension("/a.glg.d/readme"), "");

    for (const auto& [path, code, joins] : {std::tuple{"/x/a.ASC", 2, true},
                                            {"/x/a.glf", 11, true},
                                            {"/x/a.htm", 4, true},
                                            {"/x/a.htm", 5, false},
                                            {"/x/a.html", 3, false},
                                            {"/x/a.rtf", 7, false}})
        EXPECT_EQ(savedFileJoinsReopenList(path, code), joins) << path << code;

    test::TempDir dir;
    test::writeBytes(dir / "f.txt", "x");
    std::filesystem::create_directory(dir / "d.txt");
    EXPECT_TRUE(fileExists((dir / "f.txt").string()));
    EXPECT_FALSE(fileExists((dir / "d.txt").string())); // a folder is no file
    EXPECT_FALSE(fileExists(""));
}

TEST(SaveBrowser, StartsOnTheCodesRowAndGroupsRowsAndTheFieldForceExtensionsOnTheFileName) {
    SaveBrowserModel m(1, "my.pic.old", "/home/u/a.b");
    EXPECT_EQ(m.fileName(), "my.txt"); // everything after the first "." replaced
    EXPECT_EQ(m.fileMask(), "*.txt");
    EXPECT_EQ(m.rowNames(), (std::vector<std::string>{"Windows text", "Standard ASCII text",
                                                      "Rich text", "CSS plaintext table"}));
    m.chooseGroup(1);
    EXPECT_EQ(m.format().name, "HTML plaintext");
    EXPECT_EQ(m.fileName(), "my.htm");
    m.chooseRow(5);
    EXPECT_EQ(m.format().code, 15);
    m.chooseGroup(2);
    m.chooseRow(1);
    EXPECT_EQ(m.fileName(), "my.glg");
    m.chooseRow(7); // no such row: nothing changes
    EXPECT_EQ(m.row(), 1);

    m.clickFile("old.glg");
    EXPECT_EQ(m.fileName(), "/home/u/a.b/old.glg");
    m.chooseGroup(0); // a dotted folder stays whole
    EXPECT_EQ(m.fileName(), "/home/u/a.b/old.txt");
    m.changeFolder("/tmp");
    EXPECT_EQ(m.fileName(), "/tmp/old.txt");

    std::string shown;
    for (const auto& field : SaveBrowserModel(14, "x", "/").rowFields())
        shown += std::string(field.label) + field.value + "|";
    EXPECT_EQ(shown, "Font color: No|Cell color:Yes|Font attributes:Yes|Cell border:Yes|"
                     "Write only: Yes|Usage:www|Note:only 4+ browser; small files|");

    // Leaving the field forces a different extension; User defined forces none.
    m = SaveBrowserModel(1, "pic", "/home/u");
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
    EXPECT_EQ(m.fileMask(), "*.*");
    m.editField("notes.cfg");
    const SaveBrowserModel::Choice choice = m.accept();
    EXPECT_EQ(choice.formatCode, 12);
    EXPECT_EQ(choice.path, "/home/u/notes.cfg");
    // A code without a row starts on User defined.
    EXPECT_EQ(SaveBrowserModel(27, "pic.xyz", "/").format().name, "User defined");
}

} // namespace
} // namespace glyphora
