#include "platform/headless_ui.h"

#include "platform/text_case.h"
#include "platform/text_codec.h"
#include "platform/text_numbers.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>

namespace glyphora {

namespace {

constexpr const char* kCancel = "cancel";

std::string describeFont(const TextFont& font) {
    std::string text = font.name + " " + std::to_string(font.size);
    if (font.bold)
        text += " bold";
    if (font.italic)
        text += " italic";
    if (font.underline)
        text += " underline";
    if (font.strikeOut)
        text += " strikeout";
    return text + " " + colorToHex(font.color);
}

// "NAME SIZE [bold] [italic] [underline] [strikeout] [RRGGBB]"; the name may hold blanks.
std::optional<TextFont> parseFont(std::string_view answer, TextFont font) {
    std::istringstream in{std::string(answer)};
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    std::size_t sizeAt = 0;
    while (sizeAt < words.size() && !parseInteger<int>(words[sizeAt]))
        ++sizeAt;
    if (sizeAt == 0 || sizeAt == words.size())
        return std::nullopt;
    font.name = words[0];
    for (std::size_t i = 1; i < sizeAt; ++i)
        font.name += " " + words[i];
    font.size = *parseInteger<int>(words[sizeAt]);
    font.bold = font.italic = font.underline = font.strikeOut = false;
    for (std::size_t i = sizeAt + 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (equalsIgnoringCase(word, "bold"))
            font.bold = true;
        else if (equalsIgnoringCase(word, "italic"))
            font.italic = true;
        else if (equalsIgnoringCase(word, "underline"))
            font.underline = true;
        else if (equalsIgnoringCase(word, "strikeout"))
            font.strikeOut = true;
        else if (isColorText(word))
            font.color = hexToColor(word);
        else
            return std::nullopt;
    }
    return font;
}

std::string describeHtmlOptions(const HtmlOptionsForm& form) {
    std::string text = form.fontFamily + " " + form.fontSize + " " + form.tableBorder;
    if (form.bold)
        text += " bold";
    if (form.italic)
        text += " italic";
    if (form.underline)
        text += " underline";
    return text;
}

// The words from the end: the style flags, then border and size; the rest is the family.
std::optional<HtmlOptionsForm> parseHtmlOptions(std::string_view answer) {
    std::istringstream in{std::string(answer)};
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    HtmlOptionsForm form;
    while (!words.empty()) {
        const std::string& word = words.back();
        if (equalsIgnoringCase(word, "bold"))
            form.bold = true;
        else if (equalsIgnoringCase(word, "italic"))
            form.italic = true;
        else if (equalsIgnoringCase(word, "underline"))
            form.underline = true;
        else
            break;
        words.pop_back();
    }
    if (words.size() < 3)
        return std::nullopt;
    form.tableBorder = words.back();
    words.pop_back();
    form.fontSize = words.back();
    words.pop_back();
    form.fontFamily = words.front();
    for (std::size_t i = 1; i < words.size(); ++i)
        form.fontFamily += " " + words[i];
    return form;
}

} // namespace

HeadlessUi::HeadlessUi() = default;

void HeadlessUi::note(std::string line) {
    if (sink_)
        sink_(line);
    transcript_.push_back(std::move(line));
}

std::optional<std::string> HeadlessUi::take(const std::string& dialog) {
    if (answers_.empty()) {
        if (unanswered_.empty())
            unanswered_ = dialog;
        note("unanswered: " + dialog);
        return std::nullopt;
    }
    std::string answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

void HeadlessUi::message(std::string_view text) {
    note("message: " + std::string(text));
}

Answer HeadlessUi::confirm(std::string_view text, Buttons buttons) {
    const std::string dialog = "confirm: " + std::string(text);
    // Closing the box without a button is No, or Abort where Abort is offered.
    const Answer closed = buttons == Buttons::YesNo ? Answer::No : Answer::Abort;
    const std::optional<std::string> answer = take(dialog);
    if (!answer)
        return closed;
    const std::string& word = *answer;
    Answer result = closed;
    if (equalsIgnoringCase(word, "yes"))
        result = Answer::Yes;
    else if (equalsIgnoringCase(word, "no"))
        result = Answer::No;
    else if (equalsIgnoringCase(word, "abort") && buttons != Buttons::YesNo)
        result = Answer::Abort;
    else if (equalsIgnoringCase(word, "all") && buttons == Buttons::YesNoAbortAll)
        result = Answer::All;
    static constexpr const char* kNames[] = {"yes", "no", "abort", "all"};
    note(dialog + " -> " + kNames[static_cast<int>(result)]);
    return result;
}

std::optional<std::string> HeadlessUi::inputBox(std::string_view title, std::string_view prompt,
                                                std::string_view defaultText) {
    const std::string dialog = "input: " + std::string(title) + " / " + std::string(prompt);
    std::optional<std::string> answer = take(dialog);
    if (!answer)
        return std::nullopt;
    if (*answer == kCancel) {
        note(dialog + " -> cancel");
        return std::nullopt;
    }
    (void)defaultText;
    note(dialog + " -> " + *answer);
    return answer;
}

std::optional<std::string> HeadlessUi::takeFileAnswer(const std::string& dialog) {
    if (!fileAnswer_)
        return take(dialog);
    std::optional<std::string> answer = std::move(fileAnswer_);
    fileAnswer_.reset();
    return answer;
}

std::optional<std::string> HeadlessUi::answerFile(const std::string& dialog) {
    std::optional<std::string> answer = takeFileAnswer(dialog);
    if (!answer || *answer == kCancel || answer->empty()) {
        if (answer)
            note(dialog + " -> cancel");
        return std::nullopt;
    }
    note(dialog + " -> " + *answer);
    return cp1252ToUtf8(*answer);
}

std::optional<std::string> HeadlessUi::openFile(const FileDialogRequest& request) {
    return answerFile("open: " + request.filter);
}

std::optional<std::string> HeadlessUi::saveFile(const FileDialogRequest& request) {
    return answerFile("save: " + request.filter);
}

std::optional<Color> HeadlessUi::answerColor(const std::string& dialog, Color initial) {
    const std::optional<std::string> answer = take(dialog);
    if (!answer)
        return std::nullopt;
    if (answer->empty()) {
        note(dialog + " -> " + colorToHex(initial));
        return initial;
    }
    if (!isColorText(*answer)) {
        note(dialog + " -> cancel");
        return std::nullopt;
    }
    const Color chosen = hexToColor(*answer);
    note(dialog + " -> " + colorToHex(chosen));
    return chosen;
}

std::optional<Color> HeadlessUi::chooseColor(Color initial) {
    return answerColor("color: " + colorToHex(initial), initial);
}

std::optional<TextFont> HeadlessUi::chooseFont(const TextFont& initial) {
    const std::string dialog = "font: " + describeFont(initial);
    const std::optional<std::string> answer = take(dialog);
    if (!answer)
        return std::nullopt;
    std::optional<TextFont> chosen = answer->empty() ? initial : parseFont(*answer, initial);
    note(dialog + " -> " + (chosen ? describeFont(*chosen) : std::string(kCancel)));
    return chosen;
}

std::optional<CanvasSizeReply> HeadlessUi::canvasSize(const CanvasSizeRequest& request) {
    const std::string dialog =
        "size: " + request.title + " " + request.width + " " + request.height;
    const std::optional<std::string> answer = take(dialog);
    if (!answer)
        return std::nullopt;
    if (answer->empty()) {
        note(dialog + " -> " + request.width + " " + request.height);
        return CanvasSizeReply{request.width, request.height};
    }
    std::istringstream in(*answer);
    CanvasSizeReply reply;
    std::string extra;
    if (*answer == kCancel || !(in >> reply.width >> reply.height) || (in >> extra)) {
        note(dialog + " -> cancel");
        return std::nullopt;
    }
    note(dialog + " -> " + reply.width + " " + reply.height);
    return reply;
}

std::optional<SaveBrowserReply> HeadlessUi::saveBrowser(const SaveBrowserRequest& request) {
    const std::string dialog =
        "browser: " + utf8ToCp1252(request.fileName) + " " + std::to_string(request.formatCode);
    const std::optional<std::string> answer = takeFileAnswer(dialog);
    if (!answer)
        return std::nullopt;
    const std::size_t blank = answer->find(' ');
    const std::optional<int> code =
        blank == std::string::npos ? std::nullopt : parseInteger<int>(answer->substr(0, blank));
    const std::size_t pathStart =
        blank == std::string::npos ? std::string::npos : answer->find_first_not_of(' ', blank);
    if (!code || pathStart == std::string::npos) {
        note(dialog + " -> cancel");
        return std::nullopt;
    }
    const std::string path = answer->substr(pathStart);
    note(dialog + " -> " + std::to_string(*code) + " " + path);
    return SaveBrowserReply{*code, cp1252ToUtf8(path)};
}

std::optional<Color> HeadlessUi::chooseAnsiColor(Color initial, bool background) {
    return answerColor(
        std::string("ansi color: ") + (background ? "bg " : "fg ") + colorToHex(initial), initial);
}

std::optional<int> HeadlessUi::chooseOne(const ChoiceRequest& request) {
    const std::string dialog = "choice: " + request.title;
    const std::optional<std::string> answer = take(dialog);
    if (!answer)
        return std::nullopt;
    const int count = static_cast<int>(request.choices.size());
    const std::optional<int> number =
        answer->empty() ? std::optional<int>(request.preset + 1) : parseInteger<int>(*answer);
    if (!number || *number < 1 || *number > count) {
        note(dialog + " -> cancel");
        return std::nullopt;
    }
    note(dialog + " -> " + std::to_string(*number));
    return *number - 1;
}

std::optional<ConfigureForm> HeadlessUi::configure(const ConfigureForm& form) {
    const std::string dialog = "configure:";
    const std::optional<std::string> answer = take(dialog);
    if (!answer || *answer == kCancel || *answer == "abort") {
        if (answer)
            note(dialog + " -> abort");
        return std::nullopt;
    }
    ConfigureForm edited = form;
    std::string_view rest = *answer;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find(';'), rest.size());
        const std::string_view item = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (item == "default") {
            for (ConfigureField& field : edited.fields)
                field.value = field.defaultValue.value_or(field.value);
            continue;
        }
        const std::size_t equals = item.find('=');
        ConfigureField* field =
            equals == std::string_view::npos ? nullptr : edited.find(item.substr(0, equals));
        if (!field) {
            note(dialog + " -> abort (no field " + std::string(item) + ")");
            return std::nullopt;
        }
        field->value = std::string(item.substr(equals + 1));
    }
    note(dialog + " -> " + *answer);
    return edited;
}

std::optional<StretchOption> HeadlessUi::chooseStretch() {
    const std::string dialog = "stretch: Stretch option:";
    const std::optional<std::string> answer = take(dialog);
    if (!answer)
        return std::nullopt;
    std::optional<StretchOption> chosen;
    if (answer->empty() || *answer == "resample")
        chosen = StretchOption::Resample;
    else if (*answer == "resize")
        chosen = StretchOption::Resize;
    note(dialog + " -> " +
         (!chosen                              ? std::string(kCancel)
          : *chosen == StretchOption::Resample ? "resample"
                                               : "resize"));
    return chosen;
}

std::optional<ViewerSettings> HeadlessUi::viewPicture(const Bitmap& picture) {
    const std::string dialog =
        "viewer: " + std::to_string(picture.width()) + " x " + std::to_string(picture.height());
    const std::optional<std::string> answer = take(dialog);
    if (!answer)
        return std::nullopt;
    std::istringstream in(answer->empty() ? std::string("save") : *answer);
    std::string word;
    ViewerSettings chosen;
    in >> word;
    if (word != "save") {
        note(dialog + " -> close");
        return std::nullopt;
    }
    int zoom = 0;
    double ratio = 0;
    if (in >> zoom >> ratio) {
        chosen.zoom = std::clamp(zoom, 1, 10);
        chosen.ratio = std::clamp(ratio, 1.0, 4.0);
    }
    std::ostringstream line;
    line.setf(std::ios::fixed);
    line.precision(1);
    line << dialog << " -> save " << chosen.zoom << ' ' << chosen.ratio;
    note(line.str());
    return chosen;
}

HtmlOptionsForm HeadlessUi::htmlOptions(const HtmlOptionsForm& preset) {
    const std::string dialog = "html options: " + describeHtmlOptions(preset);
    // The form has no cancel: without an answer it closes with what it shows.
    const std::optional<std::string> answer = take(dialog);
    if (!answer)
        return preset;
    const HtmlOptionsForm form = parseHtmlOptions(*answer).value_or(preset);
    note(dialog + " -> " + describeHtmlOptions(form));
    return form;
}

std::optional<DecreaseColorsReply>
HeadlessUi::decreaseColors(const DecreaseColorsRequest& request) {
    const std::string dialog = "decrease colors: " + std::to_string(request.currentColors);
    const std::optional<std::string> answer = take(dialog);
    if (!answer)
        return std::nullopt;
    DecreaseColorsReply reply{request.proposedColors, false, false};
    std::istringstream in(*answer);
    std::string word;
    bool valid = true;
    if (in >> word) {
        const std::optional<int> count = parseInteger<int>(word);
        valid = count.has_value();
        reply.newColors = count.value_or(0);
        while (valid && in >> word) {
            if (equalsIgnoringCase(word, "current"))
                reply.currentPalette = true;
            else if (equalsIgnoringCase(word, "bw"))
                reply.forceBlackWhite = true;
            else
                valid = equalsIgnoringCase(word, "global");
        }
    }
    constexpr int kFewestColors = 3;
    if (!valid || reply.newColors < kFewestColors || reply.newColors > request.currentColors) {
        note(dialog + " -> cancel");
        return std::nullopt;
    }
    note(dialog + " -> " + std::to_string(reply.newColors) +
         (reply.currentPalette ? " current" : " global") + (reply.forceBlackWhite ? " bw" : ""));
    return reply;
}

std::optional<int> HeadlessUi::charBrightness() {
    const std::string dialog = "brightness:";
    const std::optional<std::string> answer = take(dialog);
    if (!answer)
        return std::nullopt;
    constexpr int kLimit = 50;
    const std::optional<int> step = answer->empty() ? 0 : parseInteger<int>(*answer);
    if (!step || *step < -kLimit || *step > kLimit) {
        note(dialog + " -> cancel");
        return std::nullopt;
    }
    note(dialog + " -> " + std::to_string(*step));
    return step;
}

void HeadlessUi::beep() {
    note("beep");
}

void HeadlessUi::setTimer(TimerId id, bool enabled, int intervalMs) {
    timers_[id] = {enabled, intervalMs};
}

bool HeadlessUi::timerEnabled(TimerId id) const {
    const auto it = timers_.find(id);
    return it != timers_.end() && it->second.first;
}

int HeadlessUi::timerInterval(TimerId id) const {
    const auto it = timers_.find(id);
    return it == timers_.end() ? 0 : it->second.second;
}

PrintOutcome HeadlessUi::printText(const PrintJob& job) {
    printJob_ = job;
    const std::string dialog =
        "print: " + job.title + " (" + std::to_string(job.lines.size()) + " lines)";
    const std::optional<std::string> answer = take(dialog);
    if (!answer)
        return PrintOutcome::Cancelled;
    PrintOutcome outcome = PrintOutcome::Cancelled;
    if (answer->empty() || equalsIgnoringCase(*answer, "ok"))
        outcome = PrintOutcome::Printed;
    else if (equalsIgnoringCase(*answer, "fail"))
        outcome = PrintOutcome::Failed;
    static constexpr const char* kNames[] = {"ok", "cancel", "fail"};
    note(dialog + " -> " + kNames[static_cast<int>(outcome)]);
    return outcome;
}

void HeadlessUi::showInfoWindow(const InfoWindow& window) {
    infoWindow_ = window;
    note("window: " + window.title);
    for (const std::string& line : window.lines)
        note("| " + line);
}

bool HeadlessUi::shellOpen(const std::string& target) {
    note("shell open: " + target + (handOversFail_ ? " -> failed" : ""));
    return !handOversFail_;
}

bool HeadlessUi::startProgram(const std::string& program, const std::vector<std::string>& args) {
    std::string line = "start program: " + program;
    for (const std::string& arg : args)
        line += " " + arg;
    note(line + (handOversFail_ ? " -> failed" : ""));
    return !handOversFail_;
}

std::vector<std::string> HeadlessUi::fontFamilies(FontPitch pitch) {
    if (pitch == FontPitch::Fixed)
        return {"Courier New", "Liberation Mono"};
    return {"Arial", "Courier New", "Liberation Mono", "Times New Roman"};
}

CharMetrics HeadlessUi::measureChar(const TextFont& font, char) {
    const double size = font.size;
    return {static_cast<int>(std::lround(size * 0.8)), static_cast<int>(std::lround(size * 1.5))};
}

void HeadlessUi::textBrowser(const TextBrowserRequest& request) {
    note("window: TextBrowser " + utf8ToCp1252(request.folder));
}

void HeadlessUi::capturePastePreview(const CellRect& block) {
    note("preview: " + std::to_string(block.width()) + " x " + std::to_string(block.height()) +
         " at " + std::to_string(block.left) + "," + std::to_string(block.top));
}

void HeadlessUi::statusChanged(int field, std::string_view text) {
    // Field 0 follows every cursor move; the dump shows it.
    if (field != 0)
        note("status" + std::to_string(field) + ": " + std::string(text));
}

void HeadlessUi::progressChanged(const ProgressView& view) {
    if (view.visible && !progress_.visible)
        note("progress: " + view.caption + " / " + view.step);
    else if (!view.visible && progress_.visible)
        note("progress: hidden");
    progress_ = view;
}

} // namespace glyphora
