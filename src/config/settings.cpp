#include "config/settings.h"

#include "platform/text_numbers.h"

#include <array>
#include <charconv>
#include <system_error>

namespace glyphora {

namespace fs = std::filesystem;

Settings defaultSettings(const fs::path& programDir) {
    Settings s;
    const auto standardOrIntern = [&](const char* name) {
        std::error_code ec;
        return fs::exists(programDir / name, ec) ? std::string(name) : std::string(kInternTable);
    };
    s.InvertDataFile = standardOrIntern("invert.dat");
    s.Bmp2AsciiDataFile = standardOrIntern("bmp2ascii.dat");
    s.FlipHorzDataFile = standardOrIntern("charflip-h.dat");
    s.FlipVertDataFile = standardOrIntern("charflip-v.dat");
    return s;
}

namespace {

#define GLY_FIELD(name)                                                                            \
    SettingField {                                                                                 \
#name, &Settings::name                                                                     \
    }

const std::array kFields = {
    GLY_FIELD(WorkingDirectory),   GLY_FIELD(ExternalProgram),
    GLY_FIELD(LineArtDataFile),    GLY_FIELD(InvertDataFile),
    GLY_FIELD(Bmp2AsciiDataFile),  GLY_FIELD(FlipHorzDataFile),
    GLY_FIELD(FlipVertDataFile),   GLY_FIELD(AutosaveInterval),
    GLY_FIELD(FontSize),           GLY_FIELD(CopyGridWidth),
    GLY_FIELD(KnowledgeBaseWidth), GLY_FIELD(UndoSteps),
    GLY_FIELD(ColorMode),          GLY_FIELD(MainFontName),
    GLY_FIELD(MainFontColor),      GLY_FIELD(MainGridColor),
    GLY_FIELD(ShowColorDialog),    GLY_FIELD(EnableUndo),
    GLY_FIELD(ShowInTask),         GLY_FIELD(ShowInfoMessages),
    GLY_FIELD(RedefineKeys),       GLY_FIELD(SaveOptimized),
    GLY_FIELD(BackupFiles),        GLY_FIELD(Autosave),
    GLY_FIELD(ShowPaintbar),       GLY_FIELD(ShowStatusbar),
    GLY_FIELD(StayOnTop),          GLY_FIELD(ShowGrid),
    GLY_FIELD(PastePreview),       GLY_FIELD(SolidChar),
    GLY_FIELD(LineHorzChar),       GLY_FIELD(LineVertChar),
    GLY_FIELD(RectHorzChar),       GLY_FIELD(RectCornerChar),
    GLY_FIELD(DiagFallChar),       GLY_FIELD(DiagRiseChar),
    GLY_FIELD(DiagHorzChar),       GLY_FIELD(DiagVertChar),
    GLY_FIELD(PasteSpecialChar),   GLY_FIELD(PatternBackgroundChar),
    GLY_FIELD(Picture2FormChar),   GLY_FIELD(History),
};

#undef GLY_FIELD

} // namespace

std::span<const SettingField> settingFields() {
    return kFields;
}

const SettingField* findSettingField(std::string_view name) {
    for (const SettingField& field : kFields) {
        if (field.name == name)
            return &field;
    }
    return nullptr;
}

std::string setSettingFromText(Settings& settings, const SettingField& field,
                               std::string_view value) {
    struct Setter {
        Settings& s;
        std::string_view value;

        std::string operator()(std::string Settings::*member) const {
            s.*member = std::string(value);
            return {};
        }
        std::string operator()(int Settings::*member) const {
            const std::optional<int> parsed = parseInteger<int>(value);
            if (!parsed)
                return "not an integer: " + std::string(value);
            s.*member = *parsed;
            return {};
        }
        std::string operator()(bool Settings::*member) const {
            if (value == "Y" || value == "true") {
                s.*member = true;
            } else if (value == "N" || value == "false") {
                s.*member = false;
            } else {
                return "expected Y or N: " + std::string(value);
            }
            return {};
        }
        std::string operator()(Color Settings::*member) const {
            if (!isColorText(value))
                return "expected RRGGBB: " + std::string(value);
            s.*member = hexToColor(value);
            return {};
        }
        std::string operator()(ColorMode Settings::*member) const {
            if (value.size() != 1 || value[0] < '1' || value[0] > '4')
                return "expected a colour mode 1-4: " + std::string(value);
            s.*member = static_cast<ColorMode>(value[0] - '0');
            return {};
        }
        std::string operator()(std::vector<std::string> Settings::*member) const {
            std::vector<std::string> items;
            std::size_t start = 0;
            while (start <= value.size() && !value.empty()) {
                const std::size_t bar = value.find('|', start);
                const std::size_t end = bar == std::string_view::npos ? value.size() : bar;
                items.emplace_back(value.substr(start, end - start));
                if (bar == std::string_view::npos)
                    break;
                start = bar + 1;
            }
            s.*member = std::move(items);
            return {};
        }
    };
    return std::visit(Setter{settings, value}, field.ref);
}

std::string settingText(const Settings& settings, const SettingField& field) {
    struct Reader {
        const Settings& s;
        std::string operator()(std::string Settings::*member) const { return s.*member; }
        std::string operator()(int Settings::*member) const { return std::to_string(s.*member); }
        std::string operator()(bool Settings::*member) const { return s.*member ? "Y" : "N"; }
        std::string operator()(Color Settings::*member) const { return colorToHex(s.*member); }
        std::string operator()(ColorMode Settings::*member) const {
            return std::to_string(static_cast<int>(s.*member));
        }
        std::string operator()(std::vector<std::string> Settings::*member) const {
            std::string joined;
            for (const std::string& entry : s.*member)
                joined += (joined.empty() ? "" : "|") + entry;
            return joined;
        }
    };
    return std::visit(Reader{settings}, field.ref);
}

} // namespace glyphora
