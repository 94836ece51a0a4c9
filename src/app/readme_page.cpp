#include "app/readme_page.h"

#include "platform/text_file.h"
#include "platform/text_trim.h"

#include <vector>

namespace glyphora {

namespace {

constexpr std::string_view kFence = "```";
constexpr std::string_view kBullet = "- ";
constexpr int kMaxHeadingLevel = 6;
constexpr const char* kPageStyle =
    "body{font-family:sans-serif;max-width:50em;margin:2em auto;line-height:1.4}"
    "pre{background:#f4f4f4;padding:.6em}code{font-family:monospace}"
    "table{border-collapse:collapse}td,th{border:1px solid #999;padding:.2em .5em}";

using Lines = std::vector<std::string>;

bool isBlank(std::string_view line) {
    return trimmedLeft(line).empty();
}
bool isIndented(std::string_view line) {
    return !line.empty() && line.front() == ' ' && !isBlank(line);
}
bool isFence(std::string_view line) {
    return trimmedLeft(line).starts_with(kFence);
}
bool isBulletItem(std::string_view line) {
    return line.starts_with(kBullet);
}
bool isTableRow(std::string_view line) {
    return trimmedLeft(line).starts_with('|');
}
int headingLevel(std::string_view line) {
    int level = 0;
    while (level < static_cast<int>(line.size()) && line[static_cast<std::size_t>(level)] == '#')
        ++level;
    const bool spaced =
        level < static_cast<int>(line.size()) && line[static_cast<std::size_t>(level)] == ' ';
    return level >= 1 && level <= kMaxHeadingLevel && spaced ? level : 0;
}
// A line that starts a block of its own and so ends a paragraph.
bool startsBlock(std::string_view line) {
    return isFence(line) || headingLevel(line) > 0 || isTableRow(line) || isBulletItem(line);
}

void appendEscaped(std::string& out, std::string_view text) {
    for (const char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += ch;
        }
    }
}

// Appends the text of a span that ends at close, or false when close does not follow.
bool appendSpan(std::string& out, std::string_view text, std::size_t& at, std::string_view open,
                std::string_view close, const char* tag) {
    const std::size_t end = text.find(close, at + open.size());
    if (end == std::string_view::npos)
        return false;
    const std::string_view inside = text.substr(at + open.size(), end - at - open.size());
    out += '<';
    out += tag;
    out += '>';
    if (open == "`")
        appendEscaped(out, inside);
    else
        out += markdownInline(inside);
    out += "</";
    out += tag;
    out += '>';
    at = end + close.size();
    return true;
}

// "[text](address)" at text[at]; false when it is not a whole link.
bool appendLink(std::string& out, std::string_view text, std::size_t& at) {
    const std::size_t labelEnd = text.find("](", at);
    const std::size_t addressEnd =
        labelEnd == std::string_view::npos ? labelEnd : text.find(')', labelEnd);
    if (addressEnd == std::string_view::npos)
        return false;
    out += "<a href=\"";
    appendEscaped(out, text.substr(labelEnd + 2, addressEnd - labelEnd - 2));
    out += "\">";
    out += markdownInline(text.substr(at + 1, labelEnd - at - 1));
    out += "</a>";
    at = addressEnd + 1;
    return true;
}

class PageWriter {
public:
    explicit PageWriter(const Lines& lines) : lines_(lines) {}

    std::string write() {
        while (i_ < lines_.size()) {
            const std::string_view line = lines_[i_];
            if (isBlank(line))
                ++i_;
            else if (isFence(line))
                codeBlock();
            else if (const int level = headingLevel(line))
                heading(level);
            else if (isTableRow(line))
                table();
            else if (isBulletItem(line))
                list();
            else
                paragraph(false);
        }
        return std::move(out_);
    }

private:
    void heading(int level) {
        const char digit = static_cast<char>('0' + level);
        out_ += "<h";
        out_ += digit;
        out_ += '>';
        out_ += markdownInline(trimmed(std::string_view(lines_[i_]).substr(level + 1u)));
        out_ += "</h";
        out_ += digit;
        out_ += ">\n";
        ++i_;
    }

    // Lines up to the closing fence, less the opening fence's indentation.
    void codeBlock() {
        const std::string_view opening = lines_[i_];
        const std::size_t indent = opening.size() - trimmedLeft(opening).size();
        out_ += "<pre><code>";
        for (++i_; i_ < lines_.size() && !isFence(lines_[i_]); ++i_) {
            const std::string_view line = lines_[i_];
            appendEscaped(out_,
                          line.substr(std::min(indent, line.size() - trimmedLeft(line).size())));
            out_ += '\n';
        }
        ++i_; // the closing fence
        out_ += "</code></pre>\n";
    }

    // Rows of "|" cells; a row of dashes under the first makes that row the header.
    void table() {
        std::vector<std::vector<std::string_view>> rows;
        bool header = false;
        for (; i_ < lines_.size() && isTableRow(lines_[i_]); ++i_) {
            std::string_view row = trimmed(lines_[i_]).substr(1);
            if (row.ends_with('|'))
                row.remove_suffix(1);
            if (rows.size() == 1 && row.find_first_not_of("-:| ") == std::string_view::npos) {
                header = true;
                continue;
            }
            std::vector<std::string_view> cells;
            for (std::size_t start = 0;;) {
                const std::size_t bar = row.find('|', start);
                cells.push_back(trimmed(row.substr(start, bar - start)));
                if (bar == std::string_view::npos)
                    break;
                start = bar + 1;
            }
            rows.push_back(std::move(cells));
        }
        out_ += "<table>\n";
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const char* tag = header && r == 0 ? "th" : "td";
            out_ += "<tr>";
            for (const std::string_view cell : rows[r])
                out_ += std::string("<") + tag + ">" + markdownInline(cell) + "</" + tag + ">";
            out_ += "</tr>\n";
        }
        out_ += "</table>\n";
    }

    // Consecutive lines joined into one paragraph; inside a list item only indented ones.
    void paragraph(bool inItem) {
        std::string text;
        while (i_ < lines_.size()) {
            const std::string_view line = lines_[i_];
            if (isBlank(line) || (!text.empty() && startsBlock(trimmedLeft(line))) ||
                (inItem && !isIndented(line)))
                break;
            if (!text.empty())
                text += ' ';
            text += trimmed(line);
            ++i_;
        }
        out_ += "<p>" + markdownInline(text) + "</p>\n";
    }

    void list() {
        out_ += "<ul>\n";
        while (i_ < lines_.size() && isBulletItem(lines_[i_])) {
            out_ += "<li>";
            // The item's first line, then its indented lines, paragraphs and code blocks.
            std::string first(std::string_view(lines_[i_]).substr(kBullet.size()));
            for (++i_; i_ < lines_.size() && isIndented(lines_[i_]) && !isFence(lines_[i_]); ++i_) {
                first += ' ';
                first += trimmed(lines_[i_]);
            }
            out_ += "<p>" + markdownInline(first) + "</p>\n";
            while (i_ < lines_.size()) {
                std::size_t next = i_;
                while (next < lines_.size() && isBlank(lines_[next]))
                    ++next;
                if (next == lines_.size() || !isIndented(lines_[next]))
                    break;
                i_ = next;
                if (isFence(lines_[i_]))
                    codeBlock();
                else
                    paragraph(true);
            }
            out_ += "</li>\n";
            while (i_ < lines_.size() && isBlank(lines_[i_]) && i_ + 1 < lines_.size() &&
                   isBulletItem(lines_[i_ + 1]))
                ++i_;
        }
        out_ += "</ul>\n";
    }

    const Lines& lines_;
    std::size_t i_ = 0;
    std::string out_;
};

} // namespace

std::string markdownInline(std::string_view text) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == '`' && appendSpan(out, text, at, "`", "`", "code"))
            continue;
        if (text.substr(at).starts_with("**") && appendSpan(out, text, at, "**", "**", "strong"))
            continue;
        if (text[at] == '[' && appendLink(out, text, at))
            continue;
        appendEscaped(out, text.substr(at, 1));
        ++at;
    }
    return out;
}

std::string markdownPage(std::string_view markdown, std::string_view title) {
    std::string page = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>";
    appendEscaped(page, title);
    page += "</title><style>";
    page += kPageStyle;
    page += "</style></head><body>\n";
    page += PageWriter(splitTextLines(markdown)).write();
    page += "</body></html>\n";
    return page;
}

} // namespace glyphora
