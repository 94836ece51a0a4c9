#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace glyphora {

inline constexpr const char* kDefaultFigletFont = "pixel.flf";

// glyphora-cli figlet [--font FILE] TEXT...: renders the texts, joined by blanks, as the
// FigLet panel does and prints the rows of its grid as "Copy Grid" takes them, without
// trailing blanks, each ended by LF, in UTF-8. FILE is taken from the current directory,
// else from the Fonts folder of home. Header warnings go to err and the rendering still
// prints (0); a font that cannot be read, or no text, gives 1.
int runFiglet(const std::filesystem::path& home, const std::vector<std::string>& args,
              std::ostream& out, std::ostream& err);

} // namespace glyphora
