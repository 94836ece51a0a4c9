#pragma once

#include "platform/text_case.h"

#include <string>
#include <string_view>

namespace glyphora {

// Name tests as the dispatchers make them: on upper-cased byte strings (text_case.h), so
// ".htm" and ".HTM" are the same, and on the whole path where a rule says "contains".

// The part after the last separator ("/" or "\"), the whole text without one.
std::string_view fileNameOf(std::string_view path);
// Everything before the file name, without a trailing separator ("" for a bare name).
std::string_view directoryOf(std::string_view path);
// The file name's extension from its last ".", dot included, in upper case; "" without one.
std::string upperExtension(std::string_view path);

// The extensions of the picture files the program reads, upper-cased with their dot.
inline constexpr std::string_view kPictureExtensions[] = {".BMP", ".PNG", ".JPG", ".JPEG", ".JPE",
                                                          ".GIF", ".TGA", ".PSD", ".PNM",  ".PPM",
                                                          ".PGM", ".PBM", ".PIC", ".HDR"};
// Whether a path names a picture: ".BMP" anywhere in it, as the open dispatcher has always
// tested, or another picture type's extension.
bool isPictureName(std::string_view path);
// Whether the path's extension is a picture type's.
bool hasPictureExtension(std::string_view path);

} // namespace glyphora
