#pragma once

#include <string>
#include <string_view>

namespace glyphora {

// The README's Markdown as an HTML page for the browser: headings, paragraphs, bullet lists
// (with indented paragraphs and code blocks inside an item), fenced code blocks, tables, and
// inline code, bold text and links. Other Markdown stays as the text it is.
std::string markdownPage(std::string_view markdown, std::string_view title);

// Inline Markdown of one paragraph as HTML, with HTML's special characters escaped.
std::string markdownInline(std::string_view text);

} // namespace glyphora
