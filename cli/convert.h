#pragma once

#include "convert/colorgrid.h"
#include "platform/headless_ui.h"
#include "render_loader.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace glyphora {

// Exit codes of a conversion.
inline constexpr int kConvertOk = 0;
inline constexpr int kConvertFailed = 1; // IN not read, OUT not written, or no writer for the type
inline constexpr int kConvertAsked = 2;  // a question that only a user can answer

// The type code a converted file is written as when none is given, from its extension in
// any case: .txt 1, .asc 2, .htm and .html 4, .pat 6, .rtf 7, .csv 8, .ans 9, .glg 10,
// .glf 11, .dat 30, .bmp and .png 20; anything else 12.
int convertTypeCode(std::string_view outPath);

// What a picture's conversion is asked, in place of the dialogs a window shows.
struct PictureAnswers {
    bool absolute = false;                   // else relative, the import dialog's preset
    std::optional<std::pair<int, int>> size; // nothing: the picture's own
    bool resize = false;                     // nearest pixels instead of resampling
    // Colours the art from the same picture afterwards ("&BMP2Colorgrid").
    std::optional<ColorTarget> color;
};

// A Ui for a conversion nobody watches. Input boxes, choices and the HTML options take their
// preset (the options: the canvas font); the colour-mode question, which protects the document on
// the canvas, is answered yes, as there is none yet; messages that only inform go to the error
// stream and pass. The picture dialogs take the answers given. Every other dialog finds no
// answer and is recorded as HeadlessUi does, which ends the conversion.
class BatchUi : public HeadlessUi {
public:
    explicit BatchUi(std::ostream& err, PictureAnswers picture = {})
        : err_(err), picture_(picture) {}

    // Characters are measured in the real font by the renderer a picture is drawn with, so
    // the cells are the window's size; otherwise as HeadlessUi measures them.
    void measureWith(LoadedCanvasRenderer* renderer) { renderer_ = renderer; }
    CharMetrics measureChar(const TextFont& font, char ch) override;

    void message(std::string_view text) override;
    Answer confirm(std::string_view text, Buttons buttons) override;
    std::optional<std::string> inputBox(std::string_view title, std::string_view prompt,
                                        std::string_view defaultText) override;
    // Choices take their preset, as input boxes do; the picture import dialog takes the
    // mapping asked for.
    std::optional<int> chooseOne(const ChoiceRequest& request) override;
    // The picture's size asked for, else the proposal.
    std::optional<CanvasSizeReply> canvasSize(const CanvasSizeRequest& request) override;
    std::optional<StretchOption> chooseStretch() override;
    // The picture viewer saves at its first zoom and ratio.
    std::optional<ViewerSettings> viewPicture(const Bitmap& picture) override;
    HtmlOptionsForm htmlOptions(const HtmlOptionsForm& preset) override;

private:
    std::ostream& err_;
    PictureAnswers picture_;
    LoadedCanvasRenderer* renderer_ = nullptr;
};

struct ConvertJob {
    std::filesystem::path home; // the program directory, whose edit.ini is read
    std::filesystem::path in;
    std::filesystem::path out;
    std::optional<int> formatCode; // nothing: from OUT's extension
    // For the plain text types: "utf-8", "windows-1252" or "cp437"; nothing keeps the
    // encoding the document came with.
    std::optional<std::string> encoding;
    PictureAnswers picture;
    // The canvas renderer library, loaded for the types that draw the canvas (19, 20).
    std::filesystem::path rendererLibrary;
};

// Opens IN with openDocument and writes it as OUT with saveDocument, on an editor started as
// the window starts, except that edit.ini is only read and no undo is kept. Relative paths
// are taken from the current directory. OUT is replaced only by a completely written file,
// under exactly its name. Reports on err; returns one of the exit codes above.
int convertDocument(const ConvertJob& job, std::ostream& err);

} // namespace glyphora
