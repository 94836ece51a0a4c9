#include "app/text_browser.h"
#include "editor_fixture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

namespace fs = std::filesystem;

using Names = std::vector<std::string>;
using Key = TextBrowser::Key;
using Action = TextBrowser::KeyAction;

struct TextBrowserTest : ::testing::Test {
    test::TempDir dir;
    void SetUp() override {
        test::writeBytes(dir / "b.txt", "second file");
        test::writeBytes(dir / "A.ASC", "first");
        test::writeBytes(dir / "c.nfo", "third");
        test::writeBytes(dir / "d.ans", "not a text file here");
        fs::create_directory(dir / "art");
        test::writeBytes(dir / "art" / "inner.txt", "x");
    }
};

TEST_F(TextBrowserTest, ListsTheTextFilesAndFoldersAndWalksBetweenFolders) {
    TextBrowser browser(dir.path() / "", CharSet::Windows1252);
    EXPECT_EQ(browser.files(), (Names{"A.ASC", "b.txt", "c.nfo"}));
    EXPECT_EQ(browser.folders(), (Names{"..", "art"}));
    browser.enterFolder("art");
    EXPECT_EQ(browser.files(), Names{"inner.txt"});
    browser.enterFolder("..");
    EXPECT_EQ(browser.folder(), dir.path());
}

TEST_F(TextBrowserTest, KeysStepThroughTheFilesRoundTheEnds) {
    TextBrowser browser(dir.path(), CharSet::Windows1252);
    // Before any file is chosen, the next is the first.
    EXPECT_EQ(browser.pressKey(Key::Other, 'n'), Action::NextFile);
    EXPECT_EQ(browser.text(), "first");
    EXPECT_EQ(browser.pressKey(Key::Left, 0), Action::PreviousFile);
    EXPECT_EQ(browser.current(), 2); // from the first to the last
    EXPECT_EQ(browser.pressKey(Key::Other, ' '), Action::NextFile);
    EXPECT_EQ(browser.current(), 0); // from the last to the first
    EXPECT_EQ(browser.pressKey(Key::Backspace, 0), Action::PreviousFile);
    EXPECT_EQ(browser.current(), 2);

    // "S" toggles the explorer and stays on the file; a lone modifier does nothing.
    EXPECT_EQ(browser.pressKey(Key::Other, 'S'), Action::ToggleExplorer);
    EXPECT_FALSE(browser.explorerShown);
    EXPECT_EQ(browser.pressKey(Key::Modifier, 0), Action::None);
    EXPECT_EQ(browser.pressKey(Key::Escape, 0), Action::Close);
    EXPECT_EQ(browser.current(), 2);
}

TEST_F(TextBrowserTest, TextsAreShownInTheirOwnCharactersAndFitNeedsTenOfThem) {
    test::writeBytes(dir / "dos.txt", "\xB0\xB1\r\n\xDB");
    test::writeBytes(dir / "unicode.txt", "\xE2\x96\x91 \xC3\xA9");
    TextBrowser browser(dir.path(), CharSet::Cp437);
    browser.selectFile(3);
    EXPECT_EQ(browser.text(), "\u2591\u2592\n\u2588");
    EXPECT_FALSE(browser.canFitWidth());
    browser.selectFile(4); // decoded, whatever set the canvas is shown in
    EXPECT_EQ(browser.text(), "\u2591 \u00E9");
    browser.selectFile(1);
    EXPECT_TRUE(browser.canFitWidth()); // "second file"
}

TEST(TextBrowserFit, FindsTheLargestSizeThatDoesNotWrapAndStopsOnEscape) {
    const auto wrapsAbove = [](int limit) { return [limit](int size) { return size > limit; }; };
    std::vector<int> shown;
    const auto show = [&](int size) {
        shown.push_back(size);
        return true;
    };
    EXPECT_EQ(fitFontSize(8, wrapsAbove(11), show), 11);
    EXPECT_EQ(shown, (std::vector<int>{9, 10, 11}));
    shown.clear();
    EXPECT_EQ(fitFontSize(14, wrapsAbove(11), show), 11);
    EXPECT_EQ(shown, (std::vector<int>{13, 12, 11}));

    // The range's ends hold it: a text that never wraps, and one that always does.
    EXPECT_EQ(fitFontSize(8, wrapsAbove(1000), show), TextBrowser::kMaxFontSize);
    EXPECT_EQ(fitFontSize(8, wrapsAbove(0), show), TextBrowser::kMinFontSize);

    // Escape during the first step stops there.
    EXPECT_EQ(fitFontSize(8, wrapsAbove(11), [](int) { return false; }), 9);
    EXPECT_EQ(fitFontSize(14, wrapsAbove(11), [](int) { return false; }), 13);
}

using TextBrowserCommand = test::EditorTest;

TEST_F(TextBrowserCommand, OpensOnTheWorkingFolder) {
    editor.settings().WorkingDirectory = dir.path().string();
    ShowTextBrowser(editor);
    EXPECT_TRUE(saw("window: TextBrowser " + dir.path().string()));
}

} // namespace
} // namespace glyphora
