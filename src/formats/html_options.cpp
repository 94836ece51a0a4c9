#include "formats/html_options.h"

#include "platform/text_numbers.h"

namespace glyphora {

namespace {

std::optional<int> numberIn(const std::string& text, int min, int max) {
    const std::optional<int> value = parseInteger<int>(text);
    if (!value || *value < min || *value > max)
        return std::nullopt;
    return value;
}

} // namespace

void presetHtmlOptions(HtmlOptions& options, const TextFont& canvasFont) {
    options.fontFamily = canvasFont.name;
    options.fontSize = canvasFont.size;
    options.bold = canvasFont.bold;
    options.italic = canvasFont.italic;
    options.underline = canvasFont.underline;
}

HtmlOptionsForm toHtmlOptionsForm(const HtmlOptions& options) {
    return {options.fontFamily,
            std::to_string(options.fontSize),
            std::to_string(options.tableBorder),
            options.bold,
            options.italic,
            options.underline};
}

std::optional<HtmlOptions> readHtmlOptionsForm(const HtmlOptionsForm& form) {
    const std::optional<int> size =
        numberIn(form.fontSize, HtmlOptions::kMinFontSize, HtmlOptions::kMaxFontSize);
    const std::optional<int> border =
        numberIn(form.tableBorder, HtmlOptions::kMinTableBorder, HtmlOptions::kMaxTableBorder);
    if (!size || !border)
        return std::nullopt;
    return HtmlOptions{form.fontFamily, *size, *border, form.bold, form.italic, form.underline};
}

} // namespace glyphora
