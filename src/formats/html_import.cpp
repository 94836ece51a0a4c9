#include "formats/html_import.h"

#include "platform/text_case.h"

#include <array>
#include <vector>

namespace glyphora {

namespace {

constexpr std::array<std::string_view, 4> kStartTags = {"<PRE>", "<LISTING>", "<XMP>",
                                                        "<PLAINTEXT>"};
constexpr std::array<std::string_view, 4> kEndTags = {"</PRE>", "</LISTING>", "</XMP>",
                                                      "</PLAINTEXT>"};
constexpr std::size_t kMaxEntityBytes = 11;

bool isOneOf(std::string_view text, const std::array<std::string_view, 4>& tags) {
    for (const std::string_view tag : tags) {
        if (text == tag)
            return true;
    }
    return false;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The colour of the six hex digits after marker ("color=\"#"), red first; nothing when the
// marker is missing or the digits are not all there.
std::optional<Color> colorAfter(std::string_view text, std::string_view marker) {
    const std::size_t at = text.find(marker);
    if (at == std::string_view::npos || text.size() < at + marker.size() + 6)
        return std::nullopt;
    int channel[3];
    for (int i = 0; i < 3; ++i) {
        const int high = hexDigit(text[at + marker.size() + 2 * i]);
        const int low = hexDigit(text[at + marker.size() + 2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        channel[i] = high * 16 + low;
    }
    return rgb(channel[0], channel[1], channel[2]);
}

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The text between marker and end (or the end of the text), trimmed; nothing without marker.
std::optional<std::string> textAfter(std::string_view text, std::string_view marker,
                                     std::string_view end) {
    const std::size_t at = text.find(marker);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::string_view rest = text.substr(at + marker.size());
    return std::string(trimBlanks(rest.substr(0, rest.find(end))));
}

struct ReadCell {
    char byte;
    Color color;
};

// Walks the page once; cells are collected row by row and put on the canvas at the end,
// so the canvas is sized once.
class PageReader {
public:
    PageReader(std::string_view page, CharCanvas& canvas, const HtmlImportHooks& hooks)
        : page_(page), canvas_(canvas), hooks_(hooks) {}

    HtmlImportResult read() {
        while (pos_ < page_.size() && !beyondArea() &&
               result_.end == HtmlImportResult::End::Complete) {
            if (!findBlock())
                break;
            result_.blockFound = true;
            color_ = canvas_.defaultFontColor();
            readBlock();
            // A block cut off at the area's edge ends the import there.
            if (result_.end == HtmlImportResult::End::Break || beyondArea())
                break;
            y_ += 2;
            x_ = -1;
        }
        if (result_.end == HtmlImportResult::End::Complete && beyondArea())
            result_.end = HtmlImportResult::End::TooLarge;
        fillCanvas();
        return result_;
    }

private:
    bool beyondArea() const { return x_ > kHtmlImportMaxColumn || y_ > kHtmlImportMaxRow; }

    // Up to and including a block start tag; the body tag on the way gives the colours.
    // A "<" starts the tag buffer afresh, so a tag can only stand at its start: beyond the
    // longest start tag only a body tag needs its bytes kept.
    bool findBlock() {
        static constexpr std::size_t kLongestStartTag = 11;
        std::string buffer;
        while (pos_ < page_.size()) {
            const char c = page_[pos_++];
            const bool bodyTag =
                buffer.size() >= 5 && equalsIgnoringCase(buffer.substr(0, 5), "<body");
            if (c == '<')
                buffer.assign(1, '<');
            else if (bodyTag || buffer.size() <= kLongestStartTag)
                buffer += c;
            if (c == '>' && bodyTag) {
                const std::string lower = lowerCase(buffer);
                if (const auto background = colorAfter(lower, "bgcolor=\"#")) {
                    canvas_.setDefaultColor(*background);
                    result_.background = background;
                }
                if (const auto text = colorAfter(lower, "text=\"#")) {
                    canvas_.setDefaultFontColor(*text);
                    result_.text = text;
                }
                buffer.clear();
            } else if (buffer.size() <= kLongestStartTag &&
                       isOneOf(upperCase(buffer), kStartTags)) {
                return true;
            }
        }
        return false;
    }

    void readBlock() {
        while (pos_ < page_.size() && !beyondArea()) {
            if (hooks_.escapeDown && hooks_.escapeDown()) {
                result_.end = HtmlImportResult::End::Break;
                return;
            }
            const char c = page_[pos_++];
            if (c == '\n') {
                ++y_;
                x_ = -1;
                if (hooks_.lineStarted)
                    hooks_.lineStarted(y_);
            } else if (static_cast<unsigned char>(c) < 32) {
                continue;
            } else if (c == '&') {
                put(entityCharacter());
            } else if (c == '<') {
                if (readTag())
                    return;
            } else {
                put(c);
            }
        }
    }

    // The entity starting at the "&" just read, as the one byte its cell shows.
    char entityCharacter() {
        std::string entity = "&";
        while (pos_ < page_.size() && entity.size() < kMaxEntityBytes && entity.back() != ';')
            entity += page_[pos_++];
        if (entity == "&lt;")
            return '<';
        if (entity == "&gt;")
            return '>';
        if (entity == "&quot;")
            return '"';
        if (entity == "&amp;")
            return '&';
        return ' ';
    }

    // A tag inside a block: fonts and colours; true when it ends the block.
    bool readTag() {
        const std::size_t close = page_.find('>', pos_);
        const std::size_t end = close == std::string_view::npos ? page_.size() : close + 1;
        std::string tag(1, '<');
        tag.append(page_.substr(pos_, end - pos_));
        tag = lowerCase(tag);
        pos_ = end;
        if (!result_.fontFamily) {
            result_.fontFamily = textAfter(tag, "font-family:", ";");
            if (!result_.fontFamily)
                result_.fontFamily = textAfter(tag, "font face=\"", "\"");
        }
        if (!result_.fontSize)
            result_.fontSize = textAfter(tag, "font-size:", "pt");
        if (tag.find("<font") != std::string::npos) {
            if (const auto color = colorAfter(tag, "color=\"#"))
                color_ = *color;
        } else if (tag == "</font>") {
            color_ = canvas_.defaultFontColor();
        }
        return isOneOf(upperCase(tag), kEndTags);
    }

    void put(char byte) {
        ++x_;
        maxX_ = std::max(maxX_, x_);
        if (rows_.size() <= static_cast<std::size_t>(y_))
            rows_.resize(static_cast<std::size_t>(y_) + 1);
        rows_[static_cast<std::size_t>(y_)].push_back({byte, color_});
    }

    void fillCanvas() {
        canvas_.setSize(std::max(maxX_ + 1, 1), std::max(y_, 1));
        canvas_.removeAllOwnFonts();
        canvas_.removeAllOwnBrushes();
        for (int r = 0; r < canvas_.rowCount(); ++r)
            for (int c = 0; c < canvas_.colCount(); ++c)
                canvas_.setText(c, r, " ");
        const int rows = std::min(static_cast<int>(rows_.size()), canvas_.rowCount());
        for (int r = 0; r < rows; ++r) {
            const std::vector<ReadCell>& cells = rows_[static_cast<std::size_t>(r)];
            for (std::size_t c = 0; c < cells.size(); ++c) {
                const int col = static_cast<int>(c);
                canvas_.setText(col, r, std::string_view(&cells[c].byte, 1));
                canvas_.SetFontCell(col, r, cells[c].color);
            }
        }
    }

    std::string_view page_;
    CharCanvas& canvas_;
    const HtmlImportHooks& hooks_;
    HtmlImportResult result_;
    std::size_t pos_ = 0;
    int x_ = -1;
    int y_ = 0;
    int maxX_ = -1;
    Color color_ = kBlack;
    std::vector<std::vector<ReadCell>> rows_;
};

} // namespace

HtmlImportResult importHtml(std::string_view page, CharCanvas& canvas,
                            const HtmlImportHooks& hooks) {
    return PageReader(page, canvas, hooks).read();
}

} // namespace glyphora
