#include "edit/flip_tables.h"
#include "edit/transforms.h"
#include "paint/canvas_picture.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

// One row after flipping its characters by the table.
std::string flipped(const std::string& row, const FlipTable& table) {
    CharCanvas canvas = test::drawn({row});
    FlipChars(canvas, {0, 0, canvas.colCount() - 1, 0}, table);
    return test::picture(canvas)[0];
}

TEST(FlipTables, TheFirstCharacterDecidesTheLastEntryWinsAndTheFilesMatchTheBuiltIns) {
    const FlipTable& v = builtInFlipTable(FlipDirection::Vertical);
    const FlipTable& h = builtInFlipTable(FlipDirection::Horizontal);
    EXPECT_EQ(flipped("/\\_~',Ay257xX#1 ", v), "\\/~_.'VhSZJxX#1 ");
    EXPECT_EQ(flipped("/\\(]{<bdpqLJxX#1 ", h), "\\/)[}>dbqpJLxX#1 ");
    // A cell goes by its first byte; "d" has no counterpart in the shorter second line.
    CharCanvas canvas = test::drawn({"ab@xcd"});
    canvas.setText(3, 0, "ax");
    FlipChars(canvas, {0, 0, 5, 0}, FlipTable{"aabd", "xyz"});
    EXPECT_EQ(test::picture(canvas), (test::Rows{"yz@ycd"}));

    test::TempDir dir;
    test::writeBytes(dir / "bin.dat", std::string("a\0\r\nb\x07\r\n", 7));
    EXPECT_FALSE(readFlipTable(dir / "bin.dat"));
    test::writeBytes(dir / "ctl.dat", "a\x07\r\n\x1B\x01\r\n"); // control bytes other than 0
    EXPECT_EQ(readFlipTable(dir / "ctl.dat"), (FlipTable{"a\x07", "\x1B\x01"}));

    const auto data = std::filesystem::path(GLYPHORA_SOURCE_DIR) / "data";
    EXPECT_EQ(readFlipTable(data / "charflip-h.dat"), h);
    EXPECT_EQ(readFlipTable(data / "charflip-v.dat"), v);
}

} // namespace
} // namespace glyphora
