#include "convert/char_palette.h"

#include "platform/rounding.h"

#include <algorithm>
#include <vector>

namespace glyphora {

namespace {

constexpr const char* kApplyCaption = "Setting color ...";
constexpr const char* kApplyStep = "Finishing";
constexpr char kForcedLight = ' ';
constexpr char kForcedDark = '#';

char rampAt(int position) {
    return kBrightnessRamp[static_cast<std::size_t>(std::clamp(position, 1, kRampLength) - 1)];
}

struct Segment {
    std::string match;         // B: a cell whose character is in here is replaced ...
    char representative = ' '; // ... by this character
};

// The ramp positions segment i covers: q characters from max(q x i, 1), cut at the ramp's
// end; segments past the end are empty.
std::pair<int, int> segmentSpan(int q, int i) {
    const int first = std::max(q * i, 1);
    const int length = std::max(0, std::min(q, kRampLength - first + 1));
    return {first, length};
}

// The middle of a segment, Round(length x 0.5); a one-character segment's middle (Round(0.5)
// is 0) is its only character.
int middleOf(int length) {
    return std::max(1, static_cast<int>(roundHalfEven(static_cast<long double>(length) * 0.5L)));
}

std::vector<Segment> buildSegments(const PaletteChoice& choice, const UsedCharacters& used) {
    const int q = static_cast<int>(roundHalfEven(static_cast<long double>(kRampLength) /
                                                 static_cast<long double>(choice.colors)));
    std::vector<Segment> segments;
    for (int i = 0; i < choice.colors; ++i) {
        const auto [first, length] = segmentSpan(q, i);
        Segment segment;
        if (length == 0) {
            segments.push_back(segment); // matches nothing
            continue;
        }
        const auto from = static_cast<std::size_t>(first - 1);
        const auto count = static_cast<std::size_t>(length);
        if (choice.source == PaletteSource::Global) {
            segment.match = std::string(kBrightnessRamp.substr(from, count));
            segment.representative = segment.match[static_cast<std::size_t>(middleOf(length) - 1)];
        } else {
            segment.match = used.marker.substr(from, count);
            // The first character used in the segment, its last position left out; the
            // ramp's own character when there is none (a segment of one position has none).
            segment.representative = rampAt(first);
            for (std::size_t k = 0; k + 1 < count; ++k) {
                if (segment.match[k] != ' ') {
                    segment.representative = segment.match[k];
                    break;
                }
            }
        }
        segments.push_back(std::move(segment));
    }
    return segments;
}

} // namespace

int rampPosition(char ch) {
    const std::size_t at = kBrightnessRamp.find(ch);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

UsedCharacters countUsedCharacters(CharCanvas& canvas) {
    UsedCharacters used;
    for (int y = 0; y < canvas.rowCount(); ++y) {
        for (int x = 0; x < canvas.colCount(); ++x) {
            std::string_view cell = canvas.text(x, y);
            if (cell.empty()) {
                canvas.setText(x, y, " ");
                cell = " ";
            }
            // Position 1 is the space, which the blank marker string already holds.
            const int k = rampPosition(cell[0]);
            if (k > 1 && used.marker[static_cast<std::size_t>(k - 1)] == ' ') {
                used.marker[static_cast<std::size_t>(k - 1)] = cell[0];
                ++used.count;
            }
        }
    }
    return used;
}

CharMap paletteReductionMap(const PaletteChoice& choice, const UsedCharacters& used) {
    CharMap map;
    map.fill(-1);
    if (choice.colors < 1)
        return map;
    const std::vector<Segment> segments = buildSegments(choice, used);
    const int last = choice.colors - 1;
    for (int byte = 0; byte < 256; ++byte) {
        char ch = static_cast<char>(byte);
        bool changed = false;
        for (int i = 0; i <= last; ++i) {
            const Segment& segment = segments[static_cast<std::size_t>(i)];
            if (segment.match.find(ch) == std::string::npos)
                continue;
            changed = true;
            if (choice.forceBlackWhite && i == 0)
                ch = kForcedLight;
            else if (choice.forceBlackWhite && i == last)
                ch = kForcedDark;
            else
                ch = segment.representative;
        }
        if (changed)
            map[static_cast<std::size_t>(byte)] = static_cast<unsigned char>(ch);
    }
    return map;
}

CharMap brightnessMap(int steps) {
    CharMap map;
    map.fill(-1);
    for (int k = 1; k <= kRampLength; ++k)
        map[static_cast<unsigned char>(rampAt(k))] = static_cast<unsigned char>(rampAt(k - steps));
    return map;
}

void applyCharMap(CharCanvas& canvas, const CharMap& map, Progress& progress) {
    for (int y = 0; y < canvas.rowCount(); ++y) {
        progress.setBarPosition(y, canvas.rowCount() - 1, kApplyCaption, kApplyStep);
        for (int x = 0; x < canvas.colCount(); ++x) {
            const std::string_view cell = canvas.text(x, y);
            const unsigned char first = cell.empty() ? ' ' : static_cast<unsigned char>(cell[0]);
            const int to = map[first];
            if (to >= 0) {
                const char ch = static_cast<char>(to);
                if (cell.size() != 1 || cell[0] != ch)
                    canvas.setText(x, y, std::string_view(&ch, 1));
            } else if (cell.empty()) {
                canvas.setText(x, y, " ");
            }
        }
    }
}

} // namespace glyphora
