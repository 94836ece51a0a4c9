#include "textfx/line_form.h"

#include "platform/text_numbers.h"

#include <algorithm>
#include <istream>

namespace glyphora {

namespace {

constexpr std::size_t kStartColLine = 1; // zero-based: the second line
constexpr std::size_t kStartRowLine = 3;
constexpr int kHeaderRows = 4;
constexpr int kFirstPrintable = 32;
constexpr int kLastPrintable = 126;
constexpr char kHorizontalLink = '-';

std::optional<int> numberLine(const TextLines& lines, std::size_t index) {
    if (index >= lines.size())
        return std::nullopt;
    std::string_view text = lines[index];
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    return parseInteger<int>(text);
}

struct Offset {
    int dx;
    int dy;
};

// The order the walk tries the neighbours of a path cell.
constexpr Offset kSteps[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, -1}, {-1, -1}, {1, 1}, {-1, 1}};

class FormWalk {
public:
    explicit FormWalk(CharCanvas& canvas) : canvas_(canvas) {}

    bool isPath(int x, int y) const {
        const std::string_view cell = canvas_.text(x, y);
        return cell.size() == 1 && cell[0] == kLineFormPath;
    }
    // Outside the canvas is blank, as is an empty cell (made a space before the walk).
    bool inked(int x, int y) const { return canvas_.contains(x, y) && canvas_.text(x, y) != " "; }

    // A space takes the line that its neighbours suggest: corners "+", diagonals "/" and
    // "\", verticals "|"; along a horizontal it stays a space.
    char lineFor(int x, int y) const {
        const auto n = [&](int dx, int dy) { return inked(x + dx, y + dy); };
        if ((n(0, -1) && n(-1, 0)) || (n(0, -1) && n(1, 0)) || (n(0, 1) && n(-1, 0)) ||
            (n(0, 1) && n(1, 0)))
            return '+';
        if (n(1, -1) && n(-1, 1))
            return '/';
        if (n(-1, -1) && n(1, 1))
            return '\\';
        if (n(0, -1) && n(0, 1))
            return '|';
        if (n(-1, 0) && n(1, 0))
            return ' ';
        if (n(0, 1) && n(1, -1))
            return '/';
        if (n(0, 1) && n(-1, -1))
            return '\\';
        if (n(0, -1) && n(-1, 1))
            return '/';
        if (n(0, -1) && n(1, 1))
            return '\\';
        return ' ';
    }

    // Moves to the next path cell; false at the path's end.
    bool step(int& x, int& y) {
        for (const Offset& o : kSteps) {
            if (!isPath(x + o.dx, y + o.dy))
                continue;
            if (o.dy == 0 && isPath(x + 2 * o.dx, y)) {
                put(x + o.dx, y, kHorizontalLink);
                x += 2 * o.dx;
            } else {
                x += o.dx;
                y += o.dy;
            }
            return true;
        }
        return false;
    }

    void put(int x, int y, char ch) { canvas_.setText(x, y, std::string_view(&ch, 1)); }

private:
    CharCanvas& canvas_;
};

} // namespace

std::optional<LineFormStart> parseLineFormStart(const TextLines& lines) {
    const std::optional<int> col = numberLine(lines, kStartColLine);
    const std::optional<int> row = numberLine(lines, kStartRowLine);
    std::size_t longest = 0;
    for (const std::string& line : lines)
        longest = std::max(longest, line.size());
    if (!col || !row || *row < 1 || *row > static_cast<int>(lines.size()) || *col < 1 ||
        *col > static_cast<int>(longest))
        return std::nullopt;
    return LineFormStart{*col, *row};
}

bool pourTextAlongForm(CharCanvas& canvas, const LineFormStart& start, std::istream& text) {
    for (int y = 0; y < canvas.rowCount(); ++y)
        for (int x = 0; x < canvas.colCount(); ++x)
            if (canvas.text(x, y).empty())
                canvas.setText(x, y, " ");
    FormWalk walk(canvas);
    int x = start.col - 1;
    int y = start.row - 1;
    bool pathEnded = false;
    for (int byte = text.get(); byte != std::char_traits<char>::eof(); byte = text.get()) {
        if (byte < kFirstPrintable || byte > kLastPrintable)
            continue;
        walk.put(x, y, static_cast<char>(byte));
        if (byte == ' ')
            walk.put(x, y, walk.lineFor(x, y));
        if (!walk.step(x, y)) {
            pathEnded = true;
            break;
        }
    }
    for (int i = 0; i < kHeaderRows; ++i)
        canvas.DeleteRow(0);
    return pathEnded;
}

} // namespace glyphora
