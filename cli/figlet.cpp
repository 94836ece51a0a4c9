#include "figlet.h"

#include "platform/text_codec.h"
#include "textfx/figlet.h"
#include "textfx/figlet_commands.h"

#include <ostream>

namespace glyphora {

namespace {

constexpr int kFigletOk = 0;
constexpr int kFigletFailed = 1;

} // namespace

int runFiglet(const std::filesystem::path& home, const std::vector<std::string>& args,
              std::ostream& out, std::ostream& err) {
    std::string fontName = kDefaultFigletFont;
    std::string text;
    bool anyText = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--font") {
            if (i + 1 == args.size()) {
                err << "glyphora-cli: figlet: --font needs a file\n";
                return kFigletFailed;
            }
            fontName = args[++i];
            continue;
        }
        if (anyText)
            text += ' ';
        text += args[i];
        anyText = true;
    }
    if (!anyText) {
        err << "glyphora-cli: figlet needs a text\n";
        return kFigletFailed;
    }
    std::optional<FigletFont> font = findFigletFont(fontName, home);
    if (!font) {
        err << "glyphora-cli: figlet: cannot read the font " << fontName << '\n';
        return kFigletFailed;
    }
    FigletPanel panel;
    const FigletLoadReport report = panel.setFont(std::move(*font));
    if (report.heightMissing)
        err << kFigletNoHeight << '\n';
    if (report.widthMissing)
        err << kFigletNoWidth << '\n';
    panel.reset();
    for (const char ch : text)
        panel.type(static_cast<unsigned char>(ch));
    for (const std::string& row : panel.rowsText(panel.wholeGrid()))
        out << cp1252ToUtf8(row) << '\n';
    return kFigletOk;
}

} // namespace glyphora
