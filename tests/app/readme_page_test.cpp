#include "app/readme_page.h"
#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace glyphora {
namespace {

// The page's body without the head around it.
std::string body(std::string_view markdown) {
    const std::string page = markdownPage(markdown, "T");
    const std::size_t start = page.find("<body>\n") + 7;
    return page.substr(start, page.find("</body>") - start);
}

TEST(ReadmePage, InlineCodeBoldAndLinksWithHtmlEscaped) {
    EXPECT_EQ(markdownInline("a <b> & \"c\""), "a &lt;b&gt; &amp; &quot;c&quot;");
    EXPECT_EQ(markdownInline("run `make <x>` now"), "run <code>make &lt;x&gt;</code> now");
    EXPECT_EQ(markdownInline("**bold `code`**"), "<strong>bold <code>code</code></strong>");
    EXPECT_EQ(markdownInline("[the `site`](https://x.org/?a&b)"),
              "<a href=\"https://x.org/?a&amp;b\">the <code>site</code></a>");
    // Unclosed marks stay as they are.
    EXPECT_EQ(markdownInline("a ` b ** [c"), "a ` b ** [c");
}

TEST(ReadmePage, HeadingsParagraphsAndCodeBlocks) {
    EXPECT_EQ(body("# One\n\nfirst\nline\n\n## Two\n```\n<a>\n  b\n```\n#nothing"),
              "<h1>One</h1>\n<p>first line</p>\n<h2>Two</h2>\n"
              "<pre><code>&lt;a&gt;\n  b\n</code></pre>\n<p>#nothing</p>\n");
    // An unclosed block runs to the end.
    EXPECT_EQ(body("```\nx"), "<pre><code>x\n</code></pre>\n");
}

TEST(ReadmePage, ListItemsKeepTheirIndentedParagraphsAndCode) {
    EXPECT_EQ(body("- one\n  more\n- two:\n\n  ```\n  code\n  ```\n\n  after\nout"),
              "<ul>\n<li><p>one more</p>\n</li>\n"
              "<li><p>two:</p>\n<pre><code>code\n</code></pre>\n<p>after</p>\n</li>\n</ul>\n"
              "<p>out</p>\n");
}

TEST(ReadmePage, TablesWithAndWithoutHeader) {
    EXPECT_EQ(body("| A | `b` |\n|---|:-:|\n| 1 | 2 |\n"),
              "<table>\n<tr><th>A</th><th><code>b</code></th></tr>\n"
              "<tr><td>1</td><td>2</td></tr>\n</table>\n");
    EXPECT_EQ(body("| x |"), "<table>\n<tr><td>x</td></tr>\n</table>\n");
}

TEST(ReadmePage, TheProjectReadmeLeavesNoMarkdownFenceBehind) {
    const std::string readme =
        test::readBytes(std::filesystem::path(GLYPHORA_SOURCE_DIR) / "README.md");
    const std::string page = markdownPage(readme, "Glyphora");
    EXPECT_NE(page.find("<h1>Glyphora</h1>"), std::string::npos);
    EXPECT_NE(page.find("<table>"), std::string::npos);
    EXPECT_EQ(page.find("```"), std::string::npos);
    EXPECT_EQ(page.find("<title>Glyphora</title>"), page.find("<title>"));
}

} // namespace
} // namespace glyphora
