#pragma once

// One entry per reader: each takes the fuzzer's bytes, runs them through the reader as the
// program does, and returns 0. A fault shows as a sanitizer report, a crash or an abort.

#include "fuzz_support.h"

#include <span>
#include <string_view>

namespace glyphora::fuzz {

int fuzzTextOpen(std::string_view bytes);
int fuzzGridFile(std::string_view bytes);
int fuzzGlfFile(std::string_view bytes);
int fuzzAnsiArt(std::string_view bytes);
int fuzzHtmlImport(std::string_view bytes);
int fuzzFigletFont(std::string_view bytes);
int fuzzLineForm(std::string_view bytes);
int fuzzPatternFile(std::string_view bytes);
int fuzzSettingsFile(std::string_view bytes);
int fuzzCharTables(std::string_view bytes);
int fuzzClipboardPaste(std::string_view bytes);
int fuzzPicture(std::string_view bytes);
// Returns -1, for an input the fuzzer should not keep, when the script could name a file
// outside its sandbox folder.
int fuzzScript(std::string_view bytes);

struct FuzzTarget {
    std::string_view name; // also the folder of its kept regression inputs
    int (*run)(std::string_view bytes);
};
std::span<const FuzzTarget> fuzzTargets();

} // namespace glyphora::fuzz
