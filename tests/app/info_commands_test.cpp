#include "app/info_commands.h"
#include "editor_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace glyphora {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kMiB = 1024 * 1024;

TEST(SystemInfo, LabelledLinesInTheirGroups) {
    SystemFacts facts;
    facts.kernel = "Linux 6.1.0 #1 SMP";
    facts.distribution = "Debian GNU/Linux 12 (bookworm)";
    facts.processor = "Example CPU (2 processors)";
    facts.machine = "x86_64";
    facts.hostName = "studio";
    facts.userName = "ada";
    facts.memoryTotal = 8000 * kMiB;
    facts.memoryAvailable = 3000 * kMiB + 5;
    facts.commitLimit = 9000 * kMiB;
    facts.committed = 12000 * kMiB; // overcommitted
    facts.swapTotal = 0;
    facts.swapFree = 0;
    facts.diskTotal = 512000 * kMiB;
    // diskFree unread
    const std::string rule = "-----------------------------------------------";
    EXPECT_EQ(systemInfoLines(facts), (std::vector<std::string>{
                                          "    SYSTEM INFO:",
                                          rule,
                                          " WINDOWS - VERSION : Linux 6.1.0 #1 SMP",
                                          " WINDOWS - TYPE    : Debian GNU/Linux 12 (bookworm)",
                                          rule,
                                          " PROCESSOR         : Example CPU (2 processors)",
                                          " PROCESSOR TYPE    : x86_64",
                                          rule,
                                          " COMPUTER NAME     : studio",
                                          " USER NAME         : ada",
                                          rule,
                                          " TOTAL MEMORY      : 8000 MB",
                                          " FREE MEMORY       : 3000 MB",
                                          " USED MEMORY       : 4999 MB",
                                          rule,
                                          " VIRTUAL MEMORY    : 9000 MB",
                                          " FREE VIRTUAL MEM. : 0 MB",
                                          rule,
                                          " PAGEFILE SIZE     : 0 MB",
                                          " FREE PAGEFILESIZE : 0 MB",
                                          rule,
                                          " HARD DISK SIZE    : 512000 MB",
                                          " HARD DISK FREE    : unknown",
                                          rule,
                                      }));
    EXPECT_EQ(systemInfoLines(SystemFacts{})[2], " WINDOWS - VERSION : unknown");
}

using InfoCommands = test::EditorTest;

TEST_F(InfoCommands, SystemInfoShowsThisMachinesRealValues) {
    ShowSystemInfo(editor);
    ASSERT_TRUE(ui.lastInfoWindow());
    const InfoWindow& window = *ui.lastInfoWindow();
    EXPECT_EQ(window.kind, InfoWindow::Kind::SystemInfo);
    EXPECT_TRUE(saw("window: System Info"));
    ASSERT_EQ(window.lines.size(), 24u);
    EXPECT_EQ(window.lines[2].rfind(" WINDOWS - VERSION : Linux ", 0), 0u);
    for (const std::string& line : window.lines)
        EXPECT_EQ(line.find("unknown"), std::string::npos) << line;
    const auto megabytesAt = [&](std::size_t index) {
        const std::string& line = window.lines[index];
        return std::stoll(line.substr(line.find(": ") + 2));
    };
    EXPECT_EQ(window.lines[11].rfind(" TOTAL MEMORY      : ", 0), 0u);
    EXPECT_GT(megabytesAt(11), 0);
    EXPECT_NEAR(megabytesAt(11), megabytesAt(12) + megabytesAt(13), 1); // each rounded down
    EXPECT_EQ(window.lines[21].rfind(" HARD DISK SIZE    : ", 0), 0u);
    EXPECT_GE(megabytesAt(21), megabytesAt(22));
    EXPECT_GT(megabytesAt(21), 0);
}

TEST_F(InfoCommands, AboutShowsTheProgramAndItsVersion) {
    ShowAbout(editor);
    ASSERT_TRUE(ui.lastInfoWindow());
    EXPECT_EQ(ui.lastInfoWindow()->kind, InfoWindow::Kind::About);
    EXPECT_TRUE(saw("window: About Glyphora") && saw("| Glyphora 4.5"));
}

TEST_F(InfoCommands, HelpOpensTheIndexOrSaysWhatFailed) {
    ShowHelp(editor);
    EXPECT_TRUE(saw("beep"));
    EXPECT_TRUE(saw("status3: ERROR: Couldn`t found help file"));

    fs::create_directory(dir / "Help");
    test::writeBytes(dir / "Help" / "index.htm", "<html></html>");
    ShowHelp(editor);
    EXPECT_EQ(ui.transcript().back(), "shell open: " + (dir / "Help" / "index.htm").string());

    ui.setHandOversFail(true);
    ShowHelp(editor);
    EXPECT_TRUE(saw("status3: ERROR: Couldn`t start browser"));
}

TEST_F(InfoCommands, OnlinePageShowsTheReadmeAsAPage) {
    ShowOnlinePage(editor);
    EXPECT_TRUE(saw("status3: ERROR: Couldn`t found README.md"));

    test::writeBytes(dir / kReadmeFile, "# Title\n\nSome `code` & more.\n");
    ShowOnlinePage(editor);
    const fs::path page = dir / "~temp.htm";
    EXPECT_EQ(ui.transcript().back(), "shell open: " + page.string());
    const std::string html = test::readBytes(page);
    EXPECT_NE(html.find("<h1>Title</h1>"), std::string::npos);
    EXPECT_NE(html.find("<p>Some <code>code</code> &amp; more.</p>"), std::string::npos);
}

} // namespace
} // namespace glyphora
