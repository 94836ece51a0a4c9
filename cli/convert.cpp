#include "convert.h"

#include "app/editor.h"
#include "color/color_modes.h"
#include "config/startup_commands.h"
#include "convert/picture_commands.h"
#include "formats/file_format_table.h"
#include "formats/file_names.h"
#include "formats/file_output.h"
#include "formats/open_save_commands.h"
#include "platform/text_codec.h"

#include <array>
#include <ostream>
#include <system_error>
#include <unistd.h>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kPrefix = "glyphora-cli: convert: ";

struct TypeByExtension {
    std::string_view extension;
    int code;
};

constexpr std::array<TypeByExtension, 13> kTypesByExtension = {{
    {".TXT", format_code::WindowsText},
    {".ASC", format_code::AsciiText},
    {".HTM", format_code::HtmlColored},
    {".HTML", format_code::HtmlColored},
    {".PAT", format_code::Pattern},
    {".RTF", format_code::RichText},
    {".CSV", format_code::CsvTable},
    {".ANS", format_code::Ansi},
    {".GLG", format_code::GlyphoraPlain},
    {".GLF", format_code::GlyphoraFormat},
    {".DAT", format_code::AppletData},
    {".BMP", format_code::CaptureCanvasWhole},
    {".PNG", format_code::CaptureCanvasWhole},
}};

constexpr std::array<ColorMode, 4> kColorModes = {ColorMode::Plain, ColorMode::FontColored,
                                                  ColorMode::FullColored, ColorMode::Ansi};

// The new file is written beside OUT under a hidden name of this process, ending as OUT
// does, so a writer that looks at the extension sees OUT's.
fs::path stagingPath(const fs::path& out) {
    std::string name = out.stem().string();
    name.insert(name.begin(), '.');
    name += ".converting-" + std::to_string(::getpid());
    name += out.extension().string();
    return out.parent_path() / name;
}

// Reports the dialog that found no answer, if one did.
bool askedUser(const BatchUi& ui, std::ostream& err) {
    if (ui.unansweredDialog().empty())
        return false;
    err << kPrefix << "no answer for " << cp1252ToUtf8(ui.unansweredDialog()) << '\n';
    return true;
}

} // namespace

int convertTypeCode(std::string_view outPath) {
    const std::string extension = upperExtension(outPath);
    for (const TypeByExtension& entry : kTypesByExtension) {
        if (extension == entry.extension)
            return entry.code;
    }
    return format_code::UserDefined;
}

void BatchUi::message(std::string_view text) {
    // A message box breaks its lines at CR; the error stream needs line feeds.
    std::string shown = cp1252ToUtf8(text);
    for (std::size_t at = shown.find('\r'); at != std::string::npos; at = shown.find('\r', at))
        shown.replace(at, 1, "\n  ");
    err_ << "message: " << shown << '\n';
    HeadlessUi::message(text);
}

Answer BatchUi::confirm(std::string_view text, Buttons buttons) {
    for (const ColorMode mode : kColorModes) {
        const std::string_view question = modeSwitchQuestion(mode);
        if (!question.empty() && text == question) {
            note("confirm: " + std::string(text) + " -> yes");
            return Answer::Yes;
        }
    }
    return HeadlessUi::confirm(text, buttons);
}

std::optional<std::string> BatchUi::inputBox(std::string_view title, std::string_view prompt,
                                             std::string_view defaultText) {
    note("input: " + std::string(title) + " / " + std::string(prompt) + " -> " +
         std::string(defaultText));
    return std::string(defaultText);
}

std::optional<int> BatchUi::chooseOne(const ChoiceRequest& request) {
    int choice = request.preset;
    if (request.title == kImportPictureTitle)
        choice = picture_.absolute ? kAbsoluteChoice : kRelativeChoice;
    note("choice: " + request.title + " -> " + std::to_string(choice + 1));
    return choice;
}

std::optional<CanvasSizeReply> BatchUi::canvasSize(const CanvasSizeRequest& request) {
    CanvasSizeReply reply{request.width, request.height};
    if (picture_.size)
        reply = {std::to_string(picture_.size->first), std::to_string(picture_.size->second)};
    note("size: " + request.title + " -> " + reply.width + " " + reply.height);
    return reply;
}

std::optional<StretchOption> BatchUi::chooseStretch() {
    note(std::string("stretch: Stretch option: -> ") + (picture_.resize ? "resize" : "resample"));
    return picture_.resize ? StretchOption::Resize : StretchOption::Resample;
}

CharMetrics BatchUi::measureChar(const TextFont& font, char ch) {
    if (renderer_) {
        if (const std::optional<CharMetrics> metrics = renderer_->measure(font, ch))
            return *metrics;
    }
    return HeadlessUi::measureChar(font, ch);
}

std::optional<ViewerSettings> BatchUi::viewPicture(const Bitmap& picture) {
    note("viewer: " + std::to_string(picture.width()) + " x " + std::to_string(picture.height()) +
         " -> save");
    return ViewerSettings{};
}

HtmlOptionsForm BatchUi::htmlOptions(const HtmlOptionsForm& preset) {
    note("html options: " + preset.fontFamily + " " + preset.fontSize + " " + preset.tableBorder);
    return preset;
}

int convertDocument(const ConvertJob& job, std::ostream& err) {
    const auto fail = [&err](const std::string& text) {
        err << kPrefix << text << '\n';
        return kConvertFailed;
    };
    const int code = job.formatCode.value_or(convertTypeCode(job.out.string()));
    const FileFormat* format = findFileFormat(code);
    if (!format)
        return fail("no file type has the code " + std::to_string(code));
    // Whether a type can be written is the save dispatcher's to say.
    if (!canSaveFormat(code))
        return fail("saving as " + format->name + " (type " + std::to_string(code) +
                    ") is not available yet");

    std::optional<TextFileStyle> target;
    if (job.encoding) {
        static const std::array<std::pair<std::string_view, TextFileStyle>, 3> kEncodings = {{
            {"utf-8", {TextEncoding::Utf8}},
            {"windows-1252", {TextEncoding::Bytes, CharSet::Windows1252}},
            {"cp437", {TextEncoding::Bytes, CharSet::Cp437}},
        }};
        for (const auto& [name, style] : kEncodings) {
            if (*job.encoding == name)
                target = style;
        }
        if (!target)
            return fail("no encoding is called " + *job.encoding +
                        " (utf-8, windows-1252 or cp437)");
        if (!writesDocumentEncoding(code))
            return fail("--encoding applies to the text types 1, 6, 8 and 12 only");
    }

    std::error_code ec;
    const fs::path in = fs::absolute(job.in, ec);
    const fs::path out = fs::absolute(job.out, ec);
    if (ec)
        return fail("cannot resolve " + job.out.string());
    if (fs::is_directory(out, ec))
        return fail(out.string() + " is a folder");
    // A new OUT replaces nothing and IN stays, so a crash could only cost the new file: it is
    // not forced to disk, which on a busy disk can take as long as the conversion.
    setSyncBeforeRename(fs::exists(out, ec));

    BatchUi ui(err, job.picture);
    // The canvas captures draw as the window does, with its renderer and its fonts.
    LoadedCanvasRenderer renderer(job.rendererLibrary);
    const bool drawsCanvas =
        code == format_code::CaptureCanvasVisible || code == format_code::CaptureCanvasWhole;
    if (drawsCanvas) {
        if (!renderer.load())
            return fail("cannot draw the canvas: " + renderer.error());
        ui.measureWith(&renderer);
    }
    Editor editor(ui, fs::absolute(job.home, ec));
    if (drawsCanvas)
        editor.canvasPictures = &renderer;
    startEditor(editor, SettingsFileUse::ReadOnly);
    // Nothing could ever step back through snapshots of a batch run.
    editor.settings().EnableUndo = false;

    DocumentState& doc = editor.document();
    doc.OpenFileName = in.string();
    const bool read = openDocument(editor);
    if (askedUser(ui, err))
        return kConvertAsked;
    if (!read)
        return fail("cannot read " + in.string());
    if (job.picture.color) {
        if (!isPictureName(in.string()))
            return fail("--color colours the art of a picture only");
        if (!Colorgrid(editor, in, *job.picture.color))
            return fail("cannot read " + in.string());
        // ANSI art holds palette colours only: the nearest ones, in the ANSI mode.
        if (code == format_code::Ansi) {
            mapColorsToAnsiPalette(editor.canvas());
            editor.checkColorMode(ColorMode::Ansi);
        }
    }

    if (target) {
        // The document's line ends stay; only the characters change their code.
        target->lineEnding = doc.textStyle.lineEnding;
        target->lastLineEnded = doc.textStyle.lastLineEnded;
        doc.textTarget = target;
    }
    // The writer may append its type's extension: the name it wrote is in SaveTargetName.
    doc.SaveFormat = code;
    doc.SaveTargetName = stagingPath(out).string();
    doc.SaveFinalName = out.string();
    doc.SilentSave = true;
    saveDocument(editor);
    doc.SilentSave = false;
    const fs::path written = doc.SaveTargetName;
    const bool saved = doc.CurrentFileName == doc.SaveTargetName;
    const bool asked = askedUser(ui, err);
    if (asked || !saved) {
        fs::remove(written, ec);
        return asked ? kConvertAsked : fail("cannot write " + out.string());
    }

    // An existing OUT keeps its permissions, as every save over a file does.
    if (const fs::file_status old = fs::status(out, ec); fs::exists(old))
        fs::permissions(written, old.permissions(), ec);
    fs::rename(written, out, ec);
    if (ec) {
        const std::string reason = ec.message();
        fs::remove(written, ec);
        return fail("cannot replace " + out.string() + ": " + reason);
    }
    // What the type could not keep (colours, columns) is said where the window says it.
    const std::string& result = editor.status().field(StatusBar::kMessageField);
    if (result != kSaveReady)
        err << "status: " << cp1252ToUtf8(result) << '\n';
    return kConvertOk;
}

} // namespace glyphora
