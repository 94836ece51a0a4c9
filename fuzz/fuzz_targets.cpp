#include "fuzz_targets.h"

#include <array>

namespace glyphora::fuzz {

namespace {

constexpr std::array<FuzzTarget, 13> kTargets = {{
    {"text_open", fuzzTextOpen},
    {"glg", fuzzGridFile},
    {"glf", fuzzGlfFile},
    {"ans", fuzzAnsiArt},
    {"html_import", fuzzHtmlImport},
    {"flf", fuzzFigletFont},
    {"tf", fuzzLineForm},
    {"pat", fuzzPatternFile},
    {"settings", fuzzSettingsFile},
    {"tables", fuzzCharTables},
    {"clipboard_paste", fuzzClipboardPaste},
    {"picture", fuzzPicture},
    {"script", fuzzScript},
}};

} // namespace

std::span<const FuzzTarget> fuzzTargets() {
    return kTargets;
}

} // namespace glyphora::fuzz
