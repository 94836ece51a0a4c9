#include "edit/search_replace.h"

#include "edit/transforms.h"

#include <algorithm>

namespace glyphora {

namespace {

constexpr std::string_view kBlank = " ";

char upper(char ch) {
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

char lower(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

template <typename Convert>
void convertCells(CharCanvas& canvas, const CellRect& area, Convert convert) {
    const CellRect rect = clippedRect(canvas, area);
    for (int y = rect.top; y <= rect.bottom; ++y) {
        for (int x = rect.left; x <= rect.right; ++x) {
            const std::string_view text = canvas.text(x, y);
            const std::string converted = convert(text);
            if (converted != text)
                canvas.setText(x, y, converted);
        }
    }
}

} // namespace

long long replaceCells(CharCanvas& canvas, const CellRect& area, std::string_view search,
                       std::string_view replacement) {
    const CellRect rect = clippedRect(canvas, area);
    long long replaced = 0;
    for (int y = rect.top; y <= rect.bottom; ++y) {
        for (int x = rect.left; x <= rect.right; ++x) {
            std::string_view text = canvas.text(x, y);
            if (text.empty()) {
                canvas.setText(x, y, kBlank);
                text = kBlank;
            }
            if (text == search) {
                canvas.setText(x, y, replacement);
                ++replaced;
            }
        }
    }
    return replaced;
}

long long countCells(const CharCanvas& canvas, const CellRect& area, std::string_view search) {
    const CellRect rect = clippedRect(canvas, area);
    long long count = 0;
    for (int y = rect.top; y <= rect.bottom; ++y) {
        for (int x = rect.left; x <= rect.right; ++x) {
            const std::string_view text = canvas.text(x, y);
            if ((text.empty() ? kBlank : text) == search)
                ++count;
        }
    }
    return count;
}

std::string upperAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), upper);
    return out;
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lower);
    return out;
}

void toUpperCase(CharCanvas& canvas, const CellRect& area) {
    convertCells(canvas, area, upperAscii);
}

void toLowerCase(CharCanvas& canvas, const CellRect& area) {
    convertCells(canvas, area, lowerAscii);
}

bool matchesAt(const CharCanvas& canvas, int col, int row, std::string_view needle) {
    const auto cells = static_cast<long long>(needle.size());
    if (cells == 0 || col < 0 || col + cells > canvas.colCount() || !canvas.contains(col, row))
        return false;
    std::size_t at = 0;
    for (int x = col; x < col + cells; ++x) {
        const std::string_view text = canvas.text(x, row);
        if (at + text.size() > needle.size())
            return false;
        for (const char ch : text) {
            if (upper(ch) != upper(needle[at++]))
                return false;
        }
    }
    return at == needle.size();
}

std::optional<TextHit> findText(const CharCanvas& canvas, std::string_view needle, int col,
                                int row) {
    if (needle.empty() || static_cast<long long>(needle.size()) > canvas.colCount())
        return std::nullopt;
    const int lastStart = canvas.colCount() - static_cast<int>(needle.size());
    for (int y = std::max(row, 0); y < canvas.rowCount(); ++y) {
        for (int x = y == row ? std::max(col, 0) : 0; x <= lastStart; ++x) {
            if (matchesAt(canvas, x, y, needle))
                return TextHit{x, y};
        }
    }
    return std::nullopt;
}

void writeAcross(CharCanvas& canvas, int col, int row, std::string_view text) {
    for (std::size_t k = 0; k < text.size(); ++k)
        canvas.setText(col + static_cast<int>(k), row, text.substr(k, 1));
}

} // namespace glyphora
