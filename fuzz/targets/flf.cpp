// A FIGlet font loaded into the panel, with every key typed through it.
#include "fuzz_targets.h"
#include "textfx/figlet.h"

int glyphora::fuzz::fuzzFigletFont(std::string_view bytes) {
    std::optional<FigletFont> font = FigletFont::load(fuzz::asFile(bytes, ".flf"));
    if (!font)
        return 0;
    FigletPanel panel;
    panel.setFont(std::move(*font));
    for (int key = 0; key < 128; ++key)
        panel.type(key);
    bool whole = false;
    panel.rowsText(panel.copyRect(whole));
    return 0;
}
