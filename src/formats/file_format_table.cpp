#include "formats/file_format_table.h"

#include <array>
#include <optional>
#include <vector>

namespace glyphora {

namespace {

constexpr std::array<std::string_view, 5> kGroups = {"Text", "HTML", "Glyphora", "Bitmap", "Other"};

constexpr std::array<FileFormatRow, 21> kRows = {{
    {"Text", "Windows text,No,No,No,No,No,-,-,txt,1"},
    {"Text", "Standard ASCII text,No,No,No,No,No,exchange,Char. code 0 - 126,asc,2"},
    {"Text", "Rich text,~ANSI,No,No,No,Yes,Wordpad...,-,rtf,7"},
    {"Text", "CSS plaintext table,No,No,No,No,Yes,Excel...,Separator >;<,csv,8"},
    {"HTML", "HTML plaintext,No,No,Yes,No,No,www,-,htm,3"},
    {"HTML", "HTML colored,Yes,No,Yes,No,No,www,full compatible; large files,htm,4"},
    {"HTML", "HTML colored (CSS),Yes,No,Yes,No,Yes,www,only 4+ browser; small files,htm,13"},
    {"HTML", "HTML table,Yes,Yes,Yes,Yes,Yes,(www),full compatible; large(!) files,htm,5"},
    {"HTML", "HTML table (CSS),No,Yes,Yes,Yes,Yes,www,only 4+ browser; small files,htm,14"},
    {"HTML",
     "HTML table (IE),Yes,Yes,Yes,Yes,Yes,www,(only!?) Internet Explorer 4+ browser,htm,15"},
    {"Glyphora",
     "Glyphora format,Yes,Yes,Yes,Yes,No,GL 4+,standard format (all attributes),glf,11"},
    {"Glyphora", "Glyphora plaintext,No,No,No,No,No,GL 4+,plaintext (fast),glg,10"},
    {"Glyphora", "Pattern,-,-,-,-,-,GL 4+,(should be saved in >pattern< dir.),pat,6"},
    {"Bitmap", "ASCII 2 pic.,-,-,-,-,-,-,char. 2 gray scale conversion,bmp,16"},
    {"Bitmap", "Font color 2 pic.,-,-,-,-,-,-,font color 2 pixel color conversion,bmp,17"},
    {"Bitmap", "Cell color 2 pic.,-,-,-,-,-,-,cell color 2 pixel color conversion,bmp,18"},
    {"Bitmap", "Capture Canvas 1,-,-,-,-,-,-,captue visible canvas,bmp,19"},
    {"Bitmap", "Capture Canvas 2,-,-,-,-,-,-,capture hole canvas,bmp,20"},
    {"Other", "ANSI,ANSI,ANSI,No,No,No,DOS,not optimized,ans,9"},
    {"Other", "Applet data,Yes,Yes,No,No,Yes,www,data parameter (text-art applet),dat,30"},
    {"Other", "User defined,No,No,No,No,No,-,text file with other extension,*,12"},
}};

struct SaveExtension {
    int code;
    std::string_view extension;
};

constexpr std::array<SaveExtension, 15> kSaveExtensions = {{
    {format_code::HtmlColored, ".htm"},
    {format_code::HtmlTable, ".htm"},
    {format_code::HtmlColoredCss, ".htm"},
    {format_code::HtmlTableCss, ".htm"},
    {format_code::HtmlTableIe, ".htm"},
    {format_code::HtmlPlain, ".htm"},
    {format_code::Ansi, ".ans"},
    {format_code::GlyphoraPlain, ".glg"},
    {format_code::GlyphoraFormat, ".glf"},
    {format_code::WindowsText, ".txt"},
    {format_code::Pattern, ".pat"},
    {format_code::CsvTable, ".csv"},
    {format_code::AsciiText, ".asc"},
    {format_code::RichText, ".rtf"},
    {format_code::AppletData, ".dat"},
}};

struct ParsedTable {
    std::vector<std::vector<FileFormat>> groups;
};

const ParsedTable& parsedTable() {
    static const ParsedTable table = [] {
        ParsedTable t;
        t.groups.resize(kGroups.size());
        for (const FileFormatRow& row : kRows) {
            for (std::size_t g = 0; g < kGroups.size(); ++g) {
                if (kGroups[g] == row.group)
                    t.groups[g].push_back(parseFileFormat(row.text));
            }
        }
        return t;
    }();
    return table;
}

} // namespace

std::span<const std::string_view> fileFormatGroups() {
    return kGroups;
}

std::span<const FileFormatRow> FileFormatTable() {
    return kRows;
}

FileFormat parseFileFormat(std::string_view rowText) {
    std::array<std::string, 10> fields;
    std::size_t field = 0;
    for (const char ch : rowText) {
        if (ch == ',' && field + 1 < fields.size())
            ++field;
        else
            fields[field] += ch;
    }
    FileFormat format{fields[0], fields[1], fields[2], fields[3], fields[4],
                      fields[5], fields[6], fields[7], fields[8], 0};
    for (const char ch : fields[9]) {
        if (ch < '0' || ch > '9')
            return format;
    }
    format.code = fields[9].empty() ? 0 : std::stoi(fields[9]);
    return format;
}

const FileFormat* findFileFormat(int code) {
    for (const std::vector<FileFormat>& group : parsedTable().groups) {
        for (const FileFormat& format : group) {
            if (format.code == code)
                return &format;
        }
    }
    return nullptr;
}

FormatPosition formatPosition(int code) {
    const ParsedTable& table = parsedTable();
    const auto find = [&](int wanted) -> std::optional<FormatPosition> {
        for (std::size_t g = 0; g < table.groups.size(); ++g) {
            for (std::size_t r = 0; r < table.groups[g].size(); ++r) {
                if (table.groups[g][r].code == wanted)
                    return FormatPosition{static_cast<int>(g), static_cast<int>(r)};
            }
        }
        return std::nullopt;
    };
    if (const std::optional<FormatPosition> found = find(code))
        return *found;
    return find(format_code::UserDefined).value_or(FormatPosition{});
}

std::span<const FileFormat> formatsOfGroup(int group) {
    const ParsedTable& table = parsedTable();
    if (group < 0 || static_cast<std::size_t>(group) >= table.groups.size())
        return {};
    return table.groups[static_cast<std::size_t>(group)];
}

std::string_view saveExtension(int code) {
    for (const SaveExtension& entry : kSaveExtensions) {
        if (entry.code == code)
            return entry.extension;
    }
    return {};
}

bool writesDocumentEncoding(int code) {
    return code == format_code::WindowsText || code == format_code::Pattern ||
           code == format_code::CsvTable || code == format_code::UserDefined;
}

} // namespace glyphora
