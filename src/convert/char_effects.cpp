#include "convert/char_effects.h"

#include "platform/rounding.h"
#include "platform/text_file.h"

#include <map>

namespace glyphora {

namespace {

constexpr std::uintmax_t kMaxTableFileBytes = 1024 * 1024;
constexpr int kFirstPrintable = 32;
constexpr int kLastPrintable = 126;
constexpr int kPrintableSpan = kLastPrintable - kFirstPrintable; // 94
// The table line of a character is its code minus this.
constexpr int kInvertLineOffset = 31;
constexpr char kInvertOutOfRange = '=';
constexpr std::size_t kInvertReplacementAt = 2;
// The built-in pattern mirrors the printable codes around 79: 32 <-> 126, "A" <-> "]".
constexpr int kInvertMirrorSum = 158;
constexpr const char* kInvertUnknown = "8";

constexpr const char* kInvertCaption = "Analysing ...";
constexpr const char* kInvertStep = "Step 1 of 1";
constexpr const char* kReduceCaption = "Line width reduction ...";
constexpr const char* kReduceStep = "Analysing ...";
constexpr const char* kLineArtCaption = "Setting colors ...";
constexpr const char* kLineArtStep = "Finishing.";
constexpr const char* kDotCaption = "Converting characters ...";
constexpr const char* kDotStep = "Step 1 of 2";

constexpr std::string_view kLineArtEnd = "END";
constexpr std::size_t kLineArtRecordLines = 4;
constexpr std::size_t kPatternWidth = 3;
constexpr std::size_t kReplacementAt = 5; // the sixth character of the middle row
constexpr int kMaskCells = 9;

// The visual opposites of the built-in pattern, both ways.
constexpr std::pair<char, char> kOpposites[] = {
    {'.', 'W'}, {',', 'M'}, {'_', 'G'},  {'~', 'X'}, {':', 'H'},
    {';', 'R'}, {'/', 'Q'}, {'\\', 'O'}, {'|', 'Y'},
};

std::string oneChar(char ch) {
    return std::string(1, ch);
}

void emptyCellsToSpaces(CharCanvas& canvas) {
    for (int y = 0; y < canvas.rowCount(); ++y)
        for (int x = 0; x < canvas.colCount(); ++x)
            if (canvas.text(x, y).empty())
                canvas.setText(x, y, " ");
}

// Non-blank: inside the canvas and not a single space (empty cells are spaces by now).
bool inked(const CharCanvas& canvas, int x, int y) {
    return canvas.contains(x, y) && canvas.text(x, y) != " ";
}

int neighbourhoodMask(const CharCanvas& canvas, int x, int y) {
    int mask = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            mask = (mask << 1) | (inked(canvas, x + dx, y + dy) ? 1 : 0);
    return mask;
}

} // namespace

std::optional<InvertTable> readInvertTable(const std::filesystem::path& path) {
    std::optional<std::vector<std::string>> lines = readDataFileLines(path, kMaxTableFileBytes);
    if (!lines)
        return std::nullopt;
    return InvertTable{std::move(*lines)};
}

std::string invertedByTable(const InvertTable& table, std::string_view cell) {
    unsigned char ch = cell.empty() ? ' ' : static_cast<unsigned char>(cell[0]);
    if (ch < kFirstPrintable || ch > kLastPrintable)
        ch = kInvertOutOfRange;
    const std::size_t line = static_cast<std::size_t>(ch - kInvertLineOffset); // from 1
    if (line > table.lines.size() || table.lines[line - 1].size() <= kInvertReplacementAt)
        return {};
    return oneChar(table.lines[line - 1][kInvertReplacementAt]);
}

std::string invertedBuiltIn(std::string_view cell) {
    if (cell.empty() || cell == " ")
        return "#";
    if (cell == "#")
        return " ";
    if (cell.size() == 1) {
        for (const auto& [light, dark] : kOpposites) {
            if (cell[0] == light)
                return oneChar(dark);
            if (cell[0] == dark)
                return oneChar(light);
        }
    }
    const int code = static_cast<unsigned char>(cell[0]);
    if (code >= kFirstPrintable && code <= kLastPrintable)
        return oneChar(static_cast<char>(kInvertMirrorSum - code));
    return kInvertUnknown;
}

EffectRun invertCells(CharCanvas& canvas, const CellRect& rect, const InvertTable* table,
                      Progress& progress) {
    for (int y = rect.top; y <= rect.bottom; ++y) {
        progress.setBarPosition(y - rect.top, rect.bottom - rect.top, kInvertCaption, kInvertStep);
        for (int x = rect.left; x <= rect.right; ++x) {
            if (progress.escapePressed())
                return EffectRun::Aborted;
            const std::string_view cell = canvas.text(x, y);
            canvas.setText(x, y, table ? invertedByTable(*table, cell) : invertedBuiltIn(cell));
        }
    }
    return EffectRun::Completed;
}

LineArtTable parseLineArtTable(const std::vector<std::string>& lines) {
    LineArtTable table;
    for (std::size_t at = 0; at + kLineArtRecordLines <= lines.size(); at += kLineArtRecordLines) {
        if (lines[at] == kLineArtEnd)
            break;
        LineArtRecord record;
        const std::string& middle = lines[at + 2];
        bool complete = middle.size() > kReplacementAt;
        for (std::size_t row = 1; row <= kPatternWidth; ++row)
            complete = complete && lines[at + row].size() >= kPatternWidth;
        if (complete) {
            for (std::size_t row = 1; row <= kPatternWidth; ++row)
                record.mask += lines[at + row].substr(0, kPatternWidth);
            record.replacement = middle[kReplacementAt];
        }
        table.records.push_back(std::move(record));
    }
    table.firstMatch.fill(-1);
    for (auto it = table.records.rbegin(); it != table.records.rend(); ++it) {
        if (it->mask.empty() || it->mask.find_first_not_of("* ") != std::string::npos)
            continue;
        int mask = 0;
        for (int i = 0; i < kMaskCells; ++i)
            mask = (mask << 1) | (it->mask[static_cast<std::size_t>(i)] == '*' ? 1 : 0);
        table.firstMatch[static_cast<std::size_t>(mask)] =
            static_cast<unsigned char>(it->replacement);
    }
    return table;
}

void reduceLineWidth(CharCanvas& canvas, Progress& progress) {
    emptyCellsToSpaces(canvas);
    for (int y = 0; y < canvas.rowCount(); ++y) {
        progress.setBarPosition(y + 1, canvas.rowCount(), kReduceCaption, kReduceStep);
        for (int x = 0; x < canvas.colCount(); ++x) {
            if (!inked(canvas, x, y))
                continue;
            const bool left = inked(canvas, x - 1, y);
            const bool right = inked(canvas, x + 1, y);
            const bool up = inked(canvas, x, y - 1);
            const bool down = inked(canvas, x, y + 1);
            if ((left || right) && (up || down))
                canvas.setText(x, y, " ");
        }
    }
}

EffectRun preconvertLineArt(CharCanvas& canvas, const LineArtTable& table, Progress& progress) {
    emptyCellsToSpaces(canvas);
    for (int y = 0; y < canvas.rowCount(); ++y) {
        progress.setBarPosition(y + 1, canvas.rowCount(), kLineArtCaption, kLineArtStep);
        for (int x = 0; x < canvas.colCount(); ++x) {
            if (progress.escapePressed())
                return EffectRun::Aborted;
            if (!inked(canvas, x, y))
                continue;
            const int to =
                table.firstMatch[static_cast<std::size_t>(neighbourhoodMask(canvas, x, y))];
            if (to >= 0)
                canvas.setText(x, y, oneChar(static_cast<char>(to)));
        }
    }
    return EffectRun::Completed;
}

void makeDotLines(CharCanvas& canvas, Progress& progress) {
    const auto is = [&](int x, int y, std::string_view text) { return canvas.text(x, y) == text; };
    const auto put = [&](int x, int y, std::string_view text) { canvas.setText(x, y, text); };
    for (int y = 0; y < canvas.rowCount(); ++y) {
        progress.setBarPosition(y, canvas.rowCount() - 1, kDotCaption, kDotStep);
        for (int x = 0; x < canvas.colCount(); ++x) {
            if (is(x, y, "_") && is(x + 1, y, "_") && is(x + 2, y, "/")) {
                put(x, y, ".");
                put(x + 1, y, "-");
                put(x + 2, y, "'");
            } else if (is(x, y, "_") && is(x + 1, y, "/") && !is(x - 1, y, "_")) {
                put(x, y, ".");
                put(x + 1, y, "'");
            } else if (is(x, y, "/") && is(x - 1, y + 1, "|")) {
                put(x, y, "'");
                put(x - 1, y, ".");
                put(x - 1, y + 1, ":");
            } else if (is(x, y, "|") && is(x - 1, y + 1, "/")) {
                put(x, y, ";");
                put(x - 1, y + 1, "!");
            } else if (is(x, y, "\\") && is(x + 1, y, "_") && is(x + 2, y, "_")) {
                put(x, y, "`");
                put(x + 1, y, "-");
                put(x + 2, y, ".");
            } else if (is(x, y, "\\") && is(x + 1, y, "_") && !is(x + 2, y, "_")) {
                put(x, y, "`");
                put(x + 1, y, ".");
            } else if (is(x, y, "\\") && is(x + 1, y + 1, "|")) {
                put(x, y, "`");
                put(x + 1, y, ".");
                put(x + 1, y + 1, ":");
            } else if (is(x, y, "\\") && is(x, y + 1, "|")) {
                put(x, y, "!");
                put(x, y + 1, ":");
            } else if (is(x, y, "|")) {
                put(x, y, ":");
            }
        }
    }
}

char randomPrintable(std::mt19937& random) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const long long step = roundHalfEven(static_cast<long double>(unit(random)) * kPrintableSpan);
    return static_cast<char>(kFirstPrintable + step);
}

void randomArtEvery(CharCanvas& canvas, std::mt19937& random) {
    for (int y = 0; y < canvas.rowCount(); ++y) {
        for (int x = 0; x < canvas.colCount(); ++x) {
            const std::string_view cell = canvas.text(x, y);
            if (!cell.empty() && cell != " ")
                canvas.setText(x, y, oneChar(randomPrintable(random)));
        }
    }
}

void randomArtDistinct(CharCanvas& canvas, std::mt19937& random) {
    // A replacement is drawn when a character is first met, so the draws follow the order
    // of first occurrence; cells are judged by what they held before the pass.
    std::map<char, char> replacement;
    for (int y = 0; y < canvas.rowCount(); ++y) {
        for (int x = 0; x < canvas.colCount(); ++x) {
            const std::string_view cell = canvas.text(x, y);
            if (cell.size() != 1 || cell == " ")
                continue;
            auto [it, fresh] = replacement.try_emplace(cell[0], ' ');
            if (fresh)
                it->second = randomPrintable(random);
        }
    }
    for (int y = 0; y < canvas.rowCount(); ++y) {
        for (int x = 0; x < canvas.colCount(); ++x) {
            const std::string_view cell = canvas.text(x, y);
            if (cell.size() != 1)
                continue;
            if (const auto it = replacement.find(cell[0]); it != replacement.end())
                canvas.setText(x, y, oneChar(it->second));
        }
    }
}

} // namespace glyphora
