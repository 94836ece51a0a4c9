#include "formats/text_file_reader.h"
#include "textfx/line_form.h"

#include <gtest/gtest.h>
#include <sstream>

namespace glyphora {
namespace {

namespace fs = std::filesystem;

const std::string P(1, kLineFormPath);

// A form file's lines: the header with the start, then the picture ("#" stands for the path).
TextLines formOf(int col, int row, TextLines picture) {
    TextLines lines{"column", std::to_string(col), "row", std::to_string(row)};
    for (std::string& line : picture) {
        for (char& ch : line)
            if (ch == '#')
                ch = kLineFormPath;
        lines.push_back(line);
    }
    return lines;
}

struct Poured {
    TextLines rows;
    bool pathEnded;
};

Poured pour(const TextLines& form, const std::string& text) {
    CharCanvas canvas;
    TextToGrid(form, canvas);
    const std::optional<LineFormStart> start = parseLineFormStart(form);
    EXPECT_TRUE(start);
    std::istringstream in(text);
    const bool ended = pourTextAlongForm(canvas, *start, in);
    // The header lines make the canvas wider than the picture.
    TextLines rows = GridToText(canvas);
    trimTrailingSpaces(rows);
    return {rows, ended};
}

TEST(LineFormHeader, StartIsReadFromLinesTwoAndFourAndMustLieOnTheForm) {
    const std::optional<LineFormStart> start =
        parseLineFormStart({"a", " 3 ", "b", "6", "", "xyz"});
    ASSERT_TRUE(start);
    EXPECT_EQ(start->col, 3);
    EXPECT_EQ(start->row, 6);
    EXPECT_FALSE(parseLineFormStart({"a", "x", "b", "5", "###"}));
    EXPECT_FALSE(parseLineFormStart({"a", "1", "b"}));
    EXPECT_FALSE(parseLineFormStart({"a", "1", "b", "9", "###"})); // below the form
}

TEST(LineFormWalk, VerticalPathsTakeACharacterPerRowHorizontalOnesEverySecondCell) {
    const Poured vertical = pour(formOf(2, 5, {" #", " #", " #"}), "ab");
    EXPECT_EQ(vertical.rows, (TextLines{" a", " b", " " + P}));
    EXPECT_FALSE(vertical.pathEnded);

    const Poured horizontal = pour(formOf(1, 5, {"#######"}), "abcdef");
    EXPECT_EQ(horizontal.rows, (TextLines{"a-b-c-d"}));
    EXPECT_TRUE(horizontal.pathEnded); // the text was too large

    const Poured exact = pour(formOf(1, 5, {"###"}), "ab");
    EXPECT_EQ(exact.rows, (TextLines{"a-b"}));
    EXPECT_TRUE(exact.pathEnded); // the last character landed on the last cell

    // Control bytes and bytes above 126 take no cell; line breaks do not end the path.
    const Poured skipped = pour(formOf(1, 5, {"#", "#", "#"}), "a\r\n\xA7\xE9"
                                                               "b");
    EXPECT_EQ(skipped.rows, (TextLines{"a", "b", P}));
}

TEST(LineFormWalk, BlanksBecomeLinesThatFollowThePath) {
    // Down a column: "|"; along a diagonal: "\"; at a corner: "+".
    const Poured down = pour(formOf(1, 5, {"#", "#", "#"}), "a b");
    EXPECT_EQ(down.rows, (TextLines{"a", "|", "b"}));
    const Poured diagonal = pour(formOf(1, 5, {"#  ", " # ", "  #"}), "a b");
    EXPECT_EQ(diagonal.rows, (TextLines{"a", " \\", "  b"}));
    const Poured corner = pour(formOf(1, 5, {"#", "##"}), "a b");
    EXPECT_EQ(corner.rows, (TextLines{"a", "+b"}));
    // Along a row a blank stays blank.
    const Poured along = pour(formOf(1, 5, {"#####"}), "a b");
    EXPECT_EQ(along.rows, (TextLines{"a- -b"}));
}

TEST(LineFormWalk, ShippedFormsTakeTextAlongTheirWholePath) {
    const fs::path folder = fs::path(GLYPHORA_SOURCE_DIR) / "data" / "LineForms";
    int forms = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().string());
        const TextFileLines file = readTextFileLines(entry.path());
        ASSERT_TRUE(file.lines);
        const Poured poured = pour(*file.lines, std::string(5000, 'x'));
        EXPECT_TRUE(poured.pathEnded);
        for (const std::string& row : poured.rows)
            EXPECT_EQ(row.find(kLineFormPath), std::string::npos);
        ++forms;
    }
    EXPECT_GE(forms, 2);
}

} // namespace
} // namespace glyphora
