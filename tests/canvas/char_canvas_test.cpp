#include "canvas/char_canvas.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace glyphora {
namespace {

TEST(CharCanvas, ResizingKeepsOnlyTheCellsInsideAndOutsideAccessIsHarmless) {
    CharCanvas canvas(0, -5); // sizes below one give one
    EXPECT_EQ(canvas.colCount(), 1);
    EXPECT_EQ(canvas.rowCount(), 1);
    canvas.setText(0, 0, "x");
    canvas.SetFontCell(0, 0, 0x0000FF);
    canvas.setSize(3, 2);
    canvas.setText(2, 1, "z");
    canvas.SetColorCell(2, 1, 0x123456);
    canvas.setSize(2, 1);
    canvas.setSize(3, 2);
    EXPECT_EQ(canvas.text(0, 0), "x");
    EXPECT_EQ(canvas.foreground(0, 0), 0x0000FFu);
    EXPECT_EQ(canvas.text(2, 1), ""); // dropped, then grown again plain and empty
    EXPECT_FALSE(canvas.hasOwnBrush(2, 1));

    canvas.setText(-1, 0, "q"); // outside: reads give the defaults, writes are ignored
    canvas.SetFontCell(3, 2, 0x111111);
    EXPECT_EQ(canvas.FontCell(3, 2), canvas.defaultFontColor());

    // Huge sizes are recognised before allocating.
    EXPECT_TRUE(CharCanvas::sizeFits(4000, 3000));
    EXPECT_FALSE(CharCanvas::sizeFits(3000000000LL, 1));
}

TEST(CharCanvas, ReadingTheFontCreatesAnOwnColourReadingTheBackgroundDoesNot) {
    CharCanvas canvas(2, 1);
    canvas.setDefaultFontColor(0x00AA00);
    canvas.setDefaultColor(0x000080);
    EXPECT_EQ(canvas.FontCell(0, 0), 0x00AA00u);
    EXPECT_EQ(canvas.ColorCell(0, 0), 0x000080u);

    canvas.setDefaultFontColor(0x0000CC);
    canvas.setDefaultColor(0x808080);
    EXPECT_EQ(canvas.foreground(0, 0), 0x00AA00u); // stopped following
    EXPECT_EQ(canvas.foreground(1, 0), 0x0000CCu); // never read: follows
    EXPECT_EQ(canvas.ColorCell(0, 0), 0x808080u);
    canvas.ResetFontCell(0, 0);
    EXPECT_EQ(canvas.foreground(0, 0), 0x0000CCu);

    canvas.SetFontCell(0, 0, 0x112233);
    canvas.giveEveryCellOwnFont();
    canvas.setDefaultFontColor(0);
    EXPECT_EQ(canvas.foreground(0, 0), 0x112233u);
    EXPECT_EQ(canvas.foreground(1, 0), 0x0000CCu); // pinned to what it showed
}

TEST(CharCanvas, TextsLongerThanSevenBytesLiveOutOfLineUntilOverwritten) {
    // How long texts move, and are released, with every size change: the model test below.
    CharCanvas canvas(2, 1);
    canvas.setText(0, 0, "seven77"); // fits inline
    canvas.setText(1, 0, "exactly8");
    EXPECT_EQ(canvas.longTextCount(), 1u);
    canvas.setText(1, 0, "x"); // short again
    EXPECT_EQ(canvas.longTextCount(), 0u);
    EXPECT_EQ(canvas.text(0, 0), "seven77");
}

// The canvas as rows of texts, to follow what every size change and insertion should do.
using TextGrid = std::vector<std::vector<std::string>>;

TextGrid textsOf(const CharCanvas& canvas) {
    TextGrid grid(static_cast<std::size_t>(canvas.rowCount()));
    for (int r = 0; r < canvas.rowCount(); ++r) {
        for (int c = 0; c < canvas.colCount(); ++c)
            grid[static_cast<std::size_t>(r)].emplace_back(canvas.text(c, r));
    }
    return grid;
}

TEST(CharCanvas, RowsMovedAsBlocksKeepEveryCellWhereverTheSizesGo) {
    // Every cell is labelled by where it started; a few labels are long texts.
    CharCanvas canvas(5, 4);
    TextGrid model(4, std::vector<std::string>(5));
    std::map<std::string, Color> colours; // the foreground given with each label
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 5; ++c) {
            std::string label = std::to_string(c) + "," + std::to_string(r);
            if ((c + r) % 3 == 0)
                label += " out of line";
            canvas.setText(c, r, label);
            canvas.SetFontCell(c, r, static_cast<Color>(r * 5 + c));
            canvas.SetColorCell(c, r, static_cast<Color>(100 + r * 5 + c));
            colours[label] = static_cast<Color>(r * 5 + c);
            model[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = label;
        }
    }
    const auto resize = [&](int cols, int rows) {
        canvas.setSize(cols, rows);
        model.resize(static_cast<std::size_t>(rows));
        for (auto& row : model)
            row.resize(static_cast<std::size_t>(cols));
    };
    const auto column = [&](bool insert, int at) {
        insert ? canvas.InsertColumn(at) : canvas.DeleteColumn(at);
        for (auto& row : model)
            insert ? (void)row.insert(row.begin() + at, "") : (void)row.erase(row.begin() + at);
    };
    const auto row = [&](bool insert, int at) {
        insert ? canvas.InsertRow(at) : canvas.DeleteRow(at);
        insert ? (void)model.insert(model.begin() + at, std::vector<std::string>(model[0].size()))
               : (void)model.erase(model.begin() + at);
    };
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"wider, lower", [&] { resize(7, 3); }},
        {"narrower, taller", [&] { resize(4, 6); }},
        {"column first", [&] { column(true, 0); }},
        {"column last", [&] { column(true, canvas.colCount()); }},
        {"delete first column", [&] { column(false, 0); }},
        {"delete inner column", [&] { column(false, 1); }},
        {"delete outside", [&] { canvas.DeleteColumn(99); }},
        {"row first", [&] { row(true, 0); }},
        {"delete inner row", [&] { row(false, 2); }},
        {"down to a corner", [&] { resize(2, 2); }},
        {"grown back", [&] { resize(6, 5); }},
    };
    for (const auto& [step, run] : steps) {
        run();
        ASSERT_EQ(textsOf(canvas), model) << step;
        std::size_t longTexts = 0;
        for (int r = 0; r < canvas.rowCount(); ++r) {
            for (int c = 0; c < canvas.colCount(); ++c) {
                const std::string& text =
                    model[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
                longTexts += text.size() > Cell::kInlineCapacity;
                // A cell keeps its own colours with its text; new cells have none.
                EXPECT_EQ(canvas.hasOwnFont(c, r), !text.empty()) << step << " " << c << "," << r;
                EXPECT_EQ(canvas.hasOwnBrush(c, r), !text.empty()) << step << " " << c << "," << r;
                if (!text.empty()) {
                    EXPECT_EQ(canvas.foreground(c, r), colours[text]) << step << " " << text;
                    EXPECT_EQ(canvas.background(c, r), colours[text] + 100) << step << " " << text;
                }
            }
        }
        EXPECT_EQ(canvas.longTextCount(), longTexts) << step;
    }
    // Deleting the only column empties it instead.
    canvas.setSize(1, 2);
    canvas.DeleteColumn(0);
    EXPECT_EQ(canvas.colCount(), 1);
    EXPECT_EQ(textsOf(canvas), (TextGrid{{""}, {""}}));
    EXPECT_FALSE(canvas.hasOwnFont(0, 0) || canvas.hasOwnBrush(0, 1));
    EXPECT_EQ(canvas.longTextCount(), 0u);
}

} // namespace
} // namespace glyphora
