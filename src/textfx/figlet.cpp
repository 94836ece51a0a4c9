#include "textfx/figlet.h"

#include "platform/text_file.h"
#include "platform/text_numbers.h"

#include <algorithm>

namespace glyphora {

namespace {

// The largest fonts carry thousands of glyphs in under a megabyte.
constexpr std::uintmax_t kMaxFontBytes = 16 * 1024 * 1024;
// Header values beyond these are no font's size but a broken header; the grid falls back.
constexpr int kMaxHeight = 1000;
constexpr int kMaxWidth = 10000;

constexpr std::string_view kGlyphEnd = "@@";
constexpr int kFirstKey = 32;
constexpr int kLastKey = 126;
constexpr int kSpaceAdvance = 3;
// The columns blanked ahead of the grid's edge before each glyph.
constexpr int kBlankedAhead = 31;
constexpr char kEndMark = '@';
constexpr char kHardBlank = '$';
constexpr int kInitialRows = 6;

// Header field after skipping `skips` fields: everything up to and including the first
// blank goes, skips times (a text without a blank stays as it is), and the field is the
// text before the next blank.
std::optional<int> headerField(const std::vector<std::string>& lines, int skips, int limit) {
    if (lines.empty())
        return std::nullopt;
    std::string_view text = lines.front();
    for (int i = 0; i < skips; ++i) {
        const std::size_t blank = text.find(' ');
        if (blank != std::string_view::npos)
            text.remove_prefix(blank + 1);
    }
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    const std::optional<int> value = parseInteger<int>(text.substr(0, blank));
    if (!value || *value < 1 || *value > limit)
        return std::nullopt;
    return value;
}

bool isControlMark(char ch) {
    return ch == kEndMark || ch == kHardBlank;
}

} // namespace

FigletFont::FigletFont(std::vector<std::string> lines) : lines_(std::move(lines)) {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].find(kGlyphEnd) != std::string::npos)
            glyphEnds_.push_back(i);
}

std::optional<FigletFont> FigletFont::load(const std::filesystem::path& path) {
    std::optional<std::vector<std::string>> lines = readUserDataFileLines(path, kMaxFontBytes);
    if (!lines)
        return std::nullopt;
    return FigletFont(std::move(*lines));
}

std::optional<int> FigletFont::height() const {
    return headerField(lines_, 1, kMaxHeight);
}

std::optional<int> FigletFont::maxWidth() const {
    return headerField(lines_, 3, kMaxWidth);
}

std::optional<std::size_t> FigletFont::glyphEnd(int code) const {
    const int index = code - kFirstKey;
    if (index < 0 || index >= static_cast<int>(glyphEnds_.size()))
        return std::nullopt;
    return glyphEnds_[static_cast<std::size_t>(index)];
}

void FigletGrid::setRowCount(int rows) {
    rows_.resize(static_cast<std::size_t>(std::max(rows, 0)));
}

char FigletGrid::at(int col, int row) const {
    if (row < 0 || row >= rowCount() || col < 0)
        return kEmpty;
    const std::string& line = rows_[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(col) < line.size() ? line[static_cast<std::size_t>(col)]
                                                       : kEmpty;
}

void FigletGrid::set(int col, int row, char ch) {
    if (row < 0 || row >= rowCount() || col < 0)
        return;
    std::string& line = rows_[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(col) >= line.size()) {
        if (ch == kEmpty)
            return;
        line.resize(static_cast<std::size_t>(col) + 1, kEmpty);
    }
    line[static_cast<std::size_t>(col)] = ch;
}

void FigletGrid::clear() {
    for (std::string& line : rows_)
        line.clear();
}

FigletPanel::FigletPanel() {
    grid_.setRowCount(kInitialRows);
    grid_.setColCount(rememberedWidth_);
}

FigletLoadReport FigletPanel::setFont(FigletFont font) {
    font_ = std::move(font);
    fontLabel_ = kFontActive;
    FigletLoadReport report;
    const std::optional<int> height = font_->height();
    report.heightMissing = !height;
    grid_.setRowCount(height.value_or(kFallbackSize));
    const std::optional<int> width = font_->maxWidth();
    report.widthMissing = !width;
    rememberedWidth_ = width.value_or(kFallbackSize);
    grid_.setColCount(rememberedWidth_);
    return report;
}

void FigletPanel::reset() {
    grid_.setColCount(rememberedWidth_);
    pen_ = 0;
    typing_.clear();
    grid_.clear();
}

bool FigletPanel::type(int key) {
    if (key < kFirstKey || key > kLastKey)
        return false;
    const int edge = grid_.colCount();
    for (int col = edge; col < edge + kBlankedAhead; ++col)
        for (int row = 0; row < grid_.rowCount(); ++row)
            grid_.set(col, row, ' ');
    if (!font_)
        return false;
    const std::optional<std::size_t> end = font_->glyphEnd(key);
    if (!end)
        return false;
    if (key == ' ') {
        pen_ += kSpaceAdvance;
    } else {
        const std::vector<std::string>& lines = font_->lines();
        int row = grid_.rowCount() - 1;
        int width = 0;
        // From the glyph's last line upwards to the line that ends the glyph before it.
        for (std::size_t at = *end;; --at, --row) {
            const std::string& line = lines[at];
            std::size_t stripped = line.size();
            while (stripped > 0 && isControlMark(line[stripped - 1]))
                --stripped;
            width = std::max(width, static_cast<int>(stripped));
            for (std::size_t j = 0; j < line.size(); ++j) {
                const char ch =
                    j < stripped && !isControlMark(line[j]) ? line[j] : FigletGrid::kEmpty;
                grid_.set(pen_ + static_cast<int>(j), row, ch);
            }
            if (at == 0 || lines[at - 1].find(kGlyphEnd) != std::string::npos)
                break;
        }
        pen_ += width;
        grid_.setColCount(pen_);
    }
    typing_.clear();
    grid_.setColCount(pen_ + 1);
    return true;
}

CellRect FigletPanel::wholeGrid() const {
    return {0, 0, std::max(grid_.colCount() - 1, 0), std::max(grid_.rowCount() - 1, 0)};
}

CellRect FigletPanel::copyRect(bool& wholeGrid) const {
    const CellRect& s = selection_;
    wholeGrid = s.left == s.right && s.top == s.bottom;
    const CellRect all = this->wholeGrid();
    if (wholeGrid)
        return all;
    const int lastCol = all.right;
    const int lastRow = all.bottom;
    return {std::clamp(std::min(s.left, s.right), 0, lastCol),
            std::clamp(std::min(s.top, s.bottom), 0, lastRow),
            std::clamp(std::max(s.left, s.right), 0, lastCol),
            std::clamp(std::max(s.top, s.bottom), 0, lastRow)};
}

std::vector<std::string> FigletPanel::rowsText(const CellRect& rect) const {
    std::vector<std::string> rows;
    for (int row = rect.top; row <= rect.bottom; ++row) {
        std::string text;
        for (int col = rect.left; col <= rect.right; ++col) {
            const char ch = grid_.at(col, row);
            text += ch == FigletGrid::kEmpty ? ' ' : ch;
        }
        text.erase(text.find_last_not_of(' ') + 1);
        rows.push_back(std::move(text));
    }
    return rows;
}

} // namespace glyphora
