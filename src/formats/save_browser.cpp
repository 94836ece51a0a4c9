#include "formats/save_browser.h"

#include "formats/file_names.h"

#include <array>

namespace glyphora {

namespace {

constexpr char kSeparator = '/';
constexpr std::array<std::string_view, 7> kFieldLabels = {
    "Font color: ", "Cell color:", "Font attributes:", "Cell border:", "Write only: ",
    "Usage:",       "Note:",
};

bool isAbsolute(std::string_view path) {
    return !path.empty() && (path.front() == '/' || path.front() == '\\');
}

} // namespace

std::string forceExtension(std::string_view path, std::string_view extension) {
    const std::string_view name = fileNameOf(path);
    const std::size_t nameStart = path.size() - name.size();
    const std::size_t dot = name.find('.');
    std::string out(path.substr(0, dot == std::string_view::npos ? path.size() : nameStart + dot));
    out += '.';
    out += extension;
    return out;
}

SaveBrowserModel::SaveBrowserModel(int formatCode, std::string caption, std::string folder)
    : field_(std::move(caption)), folder_(std::move(folder)) {
    const FormatPosition position = formatPosition(formatCode);
    group_ = position.group;
    chooseRow(position.row);
}

const FileFormat& SaveBrowserModel::format() const {
    return formatsOfGroup(group_)[static_cast<std::size_t>(row_)];
}

std::vector<std::string> SaveBrowserModel::rowNames() const {
    std::vector<std::string> names;
    for (const FileFormat& format : formatsOfGroup(group_))
        names.push_back(format.name);
    return names;
}

std::string SaveBrowserModel::fileMask() const {
    return format().anyExtension() ? "*.*" : "*." + format().extension;
}

std::vector<SaveBrowserModel::LabelledField> SaveBrowserModel::rowFields() const {
    const FileFormat& f = format();
    const std::array<const std::string*, 7> values = {
        &f.fontColor, &f.cellColor, &f.fontAttributes, &f.cellBorder,
        &f.writeOnly, &f.usage,     &f.note,
    };
    std::vector<LabelledField> fields;
    for (std::size_t i = 0; i < kFieldLabels.size(); ++i)
        fields.push_back({kFieldLabels[i], *values[i]});
    return fields;
}

std::string SaveBrowserModel::encodingShown() const {
    return writesDocumentEncoding(format().code) ? documentEncoding_ : std::string();
}

void SaveBrowserModel::chooseGroup(int group) {
    if (formatsOfGroup(group).empty())
        return;
    group_ = group;
    chooseRow(0);
}

void SaveBrowserModel::chooseRow(int row) {
    const std::span<const FileFormat> rows = formatsOfGroup(group_);
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size())
        return;
    row_ = row;
    if (!format().anyExtension())
        field_ = forceExtension(field_, format().extension);
}

void SaveBrowserModel::leaveField() {
    const std::string wanted = "." + format().extension;
    if (!format().anyExtension() && !equalsIgnoringCase(upperExtension(field_), wanted))
        field_ = forceExtension(field_, format().extension);
    field_ = fullPath(field_);
}

void SaveBrowserModel::clickFile(std::string_view name) {
    field_ = fullPath(fileNameOf(name));
}

void SaveBrowserModel::changeFolder(std::string folder) {
    folder_ = std::move(folder);
    field_ = fullPath(fileNameOf(field_));
}

SaveBrowserModel::Choice SaveBrowserModel::accept() {
    leaveField();
    return {format().code, field_};
}

std::string SaveBrowserModel::fullPath(std::string_view name) const {
    if (isAbsolute(name) || folder_.empty())
        return std::string(name);
    std::string path = folder_;
    if (path.back() != kSeparator)
        path += kSeparator;
    return path + std::string(name);
}

} // namespace glyphora
