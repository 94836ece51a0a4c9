#include "formats/html_export.h"

#include "formats/file_names.h"
#include "formats/file_output.h"
#include "formats/html_page.h"

#include <algorithm>

namespace glyphora {

namespace {

constexpr long long kFirstCount = 1;

using html::PageOut;

void writePage(HtmlFlavour flavour, const CharCanvas& canvas, const HtmlPage& page,
               Progress& progress, PageOut& out) {
    out.setCp437Glyphs(page.cp437Glyphs);
    switch (flavour) {
    case HtmlFlavour::Colored:
        html::writePrePage(canvas, page, false, progress, out);
        break;
    case HtmlFlavour::CssColored:
        html::writePrePage(canvas, page, true, progress, out);
        break;
    case HtmlFlavour::Table:
        html::writeCellTablePage(canvas, page, progress, out);
        break;
    case HtmlFlavour::CssTable:
        html::writeCssTablePage(canvas, page, progress, out);
        break;
    case HtmlFlavour::IeTable:
        html::writeRowTablesPage(canvas, page, progress, out);
        break;
    }
}

// Counts one colour of every cell up to the row's last non-empty cell.
template <typename ColorOf>
ColorTable countColors(const CharCanvas& canvas, const BeforeRow& beforeRow, ColorOf colorOf) {
    ColorTable table(colorOf(0, 0));
    for (int r = 0; r < canvas.rowCount(); ++r) {
        if (beforeRow && !beforeRow(r))
            break;
        const int last = html::lastWrittenColumn(canvas, r, false);
        for (int c = 0; c <= last; ++c)
            table.add(colorOf(c, r));
    }
    table.sortByCount();
    return table;
}

} // namespace

ColorTable::ColorTable(Color first) {
    append(first, kFirstCount);
}

void ColorTable::append(Color color, long long count) {
    positions_[color] = entries_.size();
    entries_.push_back({color, count});
}

void ColorTable::add(Color color) {
    if (const auto found = positions_.find(color); found != positions_.end()) {
        ++entries_[found->second].count;
        return;
    }
    if (entries_.size() < kMaxEntries) {
        append(color, kFirstCount + 1);
        return;
    }
    ColorCount& last = entries_.back();
    positions_.erase(last.color);
    positions_[color] = entries_.size() - 1;
    last.color = color;
    ++last.count;
}

void ColorTable::sortByCount() {
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const ColorCount& a, const ColorCount& b) { return a.count > b.count; });
    for (std::size_t i = 0; i < entries_.size(); ++i)
        positions_[entries_[i].color] = i;
}

std::optional<Color> ColorTable::mostFrequent() const {
    if (entries_.empty())
        return std::nullopt;
    const auto best = std::max_element(
        entries_.begin(), entries_.end(),
        [](const ColorCount& a, const ColorCount& b) { return a.count < b.count; });
    return best->color;
}

std::optional<char> ColorTable::letterOf(Color color) const {
    const auto found = positions_.find(color);
    if (found == positions_.end() || found->second >= kClassLetters)
        return std::nullopt;
    return static_cast<char>('A' + found->second);
}

ColorTable countTextColors(const CharCanvas& canvas, const BeforeRow& beforeRow) {
    return countColors(canvas, beforeRow,
                       [&canvas](int c, int r) { return canvas.foreground(c, r); });
}

ColorTable countBackgroundColors(const CharCanvas& canvas, const BeforeRow& beforeRow) {
    return countColors(canvas, beforeRow,
                       [&canvas](int c, int r) { return canvas.background(c, r); });
}

std::string htmlTitle(std::string_view path) {
    return upperCase(fileNameOf(path));
}

std::string encodeHtml(HtmlFlavour flavour, const CharCanvas& canvas, const HtmlPage& page,
                       Progress& progress) {
    PageOut out;
    writePage(flavour, canvas, page, progress, out);
    return out.release();
}

bool writeHtml(const std::filesystem::path& path, HtmlFlavour flavour, const CharCanvas& canvas,
               const HtmlPage& page, Progress& progress) {
    progress.showBar(html::kSaving, false, html::kOneStep);
    const bool written = writeFileSafely(path, [&](std::FILE* file) {
        PageOut out([file](std::string_view part) {
            return std::fwrite(part.data(), 1, part.size(), file) == part.size();
        });
        writePage(flavour, canvas, page, progress, out);
        return out.finish();
    });
    progress.hideBar();
    return written;
}

std::string browserPageBytes(const TextLines& lines, bool cp437Glyphs) {
    PageOut out;
    out.setCp437Glyphs(cp437Glyphs);
    out << "<HTML><PRE>";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out.endLine();
        out.cellText(lines[i]);
    }
    out.line("</HTML></PRE>");
    return out.release();
}

} // namespace glyphora
