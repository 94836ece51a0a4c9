#include "formats/file_format_table.h"
#include "formats/file_names.h"
#include "formats/reopen_list.h"
#include "formats/save_browser.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(FileFormatTable, SaveExtensionsGroupBoundsFileNamesAndWhichSavedFilesJoinTheReopenList) {
    EXPECT_EQ(saveExtension(12), ""); // user defined: the writer names its own file
    EXPECT_TRUE(formatsOfGroup(5).empty());
    EXPECT_TRUE(formatsOfGroup(-1).empty());

    EXPECT_EQ(fileNameOf("C:\\x\\y.glg"), "y.glg");
    EXPECT_EQ(directoryOf("/a/b.c/pic.txt"), "/a/b.c");
    EXPECT_EQ(directoryOf("/pic.txt"), "/");
    EXPECT_EQ(directoryOf("pic.txt"), "");
    EXPECT_EQ(upperExtension("/a.glg.d/Page.html"), ".HTML");
    EXPECT_EQ(upperExtension("/a.glg.d/readme"), "");

    EXPECT_TRUE(savedFileJoinsReopenList("/x/a.ASC", 2));
    EXPECT_TRUE(savedFileJoinsReopenList("/x/a.htm", 4));
    EXPECT_FALSE(savedFileJoinsReopenList("/x/a.htm", 5)); // a table page reads back as none

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
    m.chooseGroup(1);
    EXPECT_EQ(m.format().name, "HTML plaintext");
    EXPECT_EQ(m.fileName(), "my.htm");
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

    // Leaving the field forces a different extension; User defined forces none.
    m = SaveBrowserModel(1, "pic", "/home/u");
    m.editField("pic.TXT");
    m.leaveField();
    EXPECT_EQ(m.fileName(), "/home/u/pic.TXT"); // same extension, any case: kept
    m.editField("/elsewhere/x.glg");
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
