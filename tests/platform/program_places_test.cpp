#include "app/editor.h"
#include "platform/headless_ui.h"
#include "platform/program_places.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

namespace fs = std::filesystem;

TEST(ProgramPlaces, UserDataFolderFollowsXdgDataHomeWhenItIsAbsolute) {
    EXPECT_EQ(userDataFolder({"/x/data", "/home/ada"}), fs::path("/x/data/glyphora"));
    EXPECT_EQ(userDataFolder({"", "/home/ada"}), fs::path("/home/ada/.local/share/glyphora"));
    EXPECT_EQ(userDataFolder({"relative/data", "/home/ada"}),
              fs::path("/home/ada/.local/share/glyphora"));
}

TEST(ProgramPlaces, BuildTreeKeepsEverythingBesideTheExecutable) {
    test::TempDir dir;
    const ProgramPlaces places = locateProgramPlaces(dir.path(), "../share/glyphora", {"", "/h"});
    EXPECT_EQ(places.home, dir.path());
    EXPECT_EQ(places.shippedData, dir.path());
    EXPECT_EQ(places.executableDir, dir.path());
    EXPECT_TRUE(prepareProgramHome(places));
    EXPECT_FALSE(fs::exists(dir / kSeededMarker));
    // Another home: the data are looked for there too, as before.
    const ProgramPlaces other = withHome(places, dir / "other");
    EXPECT_EQ(other.home, dir / "other");
    EXPECT_EQ(other.shippedData, dir / "other");
}

// An installation under a prefix: bin/ and share/glyphora with a few data files.
struct InstalledProgram : ::testing::Test {
    test::TempDir dir;
    fs::path bin = dir / "prefix" / "bin";
    fs::path share = dir / "prefix" / "share" / "glyphora";
    UserFolders user{(dir / "xdg").string(), (dir / "home").string()};

    void SetUp() override {
        fs::create_directories(bin);
        fs::create_directories(share / "pattern");
        test::writeBytes(share / "charflip-h.dat", "()");
        test::writeBytes(share / "pattern" / "waves.pat", "~~");
    }
    ProgramPlaces locate() const { return locateProgramPlaces(bin, "../share/glyphora", user); }
};

TEST_F(InstalledProgram, WritesGoToTheUserFolderWhichIsSeededOnce) {
    const ProgramPlaces places = locate();
    EXPECT_EQ(places.home, dir / "xdg" / "glyphora");
    EXPECT_EQ(places.shippedData, share);
    EXPECT_EQ(places.executableDir, bin);
    EXPECT_EQ(withHome(places, dir / "mine").shippedData, share);

    ASSERT_TRUE(prepareProgramHome(places));
    EXPECT_EQ(test::readBytes(places.home / "pattern" / "waves.pat"), "~~");
    EXPECT_EQ(test::readBytes(places.home / "charflip-h.dat"), "()");
    EXPECT_TRUE(fs::exists(places.home / kSeededMarker));

    // The user's changes stay: a deleted pattern is not brought back, an edited table is
    // not overwritten.
    fs::remove(places.home / "pattern" / "waves.pat");
    test::writeBytes(places.home / "charflip-h.dat", "[]");
    test::writeBytes(share / "new.dat", "n");
    ASSERT_TRUE(prepareProgramHome(places));
    EXPECT_FALSE(fs::exists(places.home / "pattern" / "waves.pat"));
    EXPECT_EQ(test::readBytes(places.home / "charflip-h.dat"), "[]");
    EXPECT_FALSE(fs::exists(places.home / "new.dat"));
}

TEST_F(InstalledProgram, SeedingKeepsFilesTheUserHadBeforeAndTriesAgainAfterAFailure) {
    const ProgramPlaces places = locate();
    fs::create_directories(places.home);
    test::writeBytes(places.home / "charflip-h.dat", "mine");
    ASSERT_TRUE(prepareProgramHome(places));
    EXPECT_EQ(test::readBytes(places.home / "charflip-h.dat"), "mine");
    EXPECT_EQ(test::readBytes(places.home / "pattern" / "waves.pat"), "~~");

    // A program directory that cannot be made is reported, and nothing is marked.
    const ProgramPlaces blocked{dir / "file" / "glyphora", share, bin};
    test::writeBytes(dir / "file", "not a folder");
    EXPECT_FALSE(prepareProgramHome(blocked));
}

TEST_F(InstalledProgram, ReadsOfShippedDataFallBackToTheInstallation) {
    const ProgramPlaces places = locate();
    HeadlessUi ui;
    Editor editor(ui, places, "001");
    EXPECT_EQ(editor.programDir(), places.home);
    EXPECT_EQ(editor.executableDir(), bin);
    EXPECT_EQ(editor.dataPath("charflip-h.dat"), share / "charflip-h.dat");
    EXPECT_EQ(editor.dataPath("missing.dat"), places.home / "missing.dat");
    ASSERT_TRUE(prepareProgramHome(places));
    EXPECT_EQ(editor.dataPath("charflip-h.dat"), places.home / "charflip-h.dat");
}

} // namespace
} // namespace glyphora
