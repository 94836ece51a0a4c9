#pragma once

#include <string_view>
#include <vector>

namespace glyphora::test {

// The program's whole menu vocabulary in menu order: captions with their accelerator
// marks joined by " > ", and the shortcut. The command table must agree with it for every
// row it holds; headings carry no command.
struct MenuEntry {
    std::string_view path;
    std::string_view shortcut;
};

inline const std::vector<MenuEntry>& menuVocabulary() {
    static const std::vector<MenuEntry> entries = {
        {"&File > &Open", "Ctrl+O"},
        {"&File > &Save", ""},
        {"&File > Save &as ...", "Ctrl+S"},
        {"&File > &New", "Ctrl+N"},
        {"&File > &Print", ""},
        {"&File > Special > Save IE4.x Table", ""},
        {"&File > Special > Import HTML", ""},
        {"&File > Special > Export font colored with CSS", ""},
        {"&File > Special > Export table with CSS", ""},
        {"&File > S&ave \"Current.GLF\"", "F1"},
        {"&File > &Load \"Current.GLF\"", "F2"},
        {"&File > Open file in &copy grid", ""},
        {"&File > New Editor &Instance", ""},
        {"&File > E&xit", "Ctrl+Q"},
        {"Edit&1 > &Undo", "Ctrl+Z"},
        {"Edit&1 > &Cut", "Ctrl+X"},
        {"Edit&1 > C&opy", "Ctrl+C"},
        {"Edit&1 > &Paste", "Ctrl+V"},
        {"Edit&1 > Paste &over", "Ctrl+F1"},
        {"Edit&1 > Paste u&nder", "Ctrl+F2"},
        {"Edit&1 > &Delete", "Del"},
        {"Edit&1 > &Select all", "Ctrl+A"},
        {"Edit&1 > Copy &all", ""},
        {"Edit&1 > Selec&t ... > complete &cols", ""},
        {"Edit&1 > Selec&t ... > complete &rows", ""},
        {"Edit&1 > Selection Na&v.", ""},
        {"Edit&2 > Flip &vert.", ""},
        {"Edit&2 > Flip &horz.", ""},
        {"Edit&2 > Flip &char's > &horz.", ""},
        {"Edit&2 > Flip &char's > &vert.", ""},
        {"Edit&2 > &Crop", ""},
        {"Edit&2 > C&enter", ""},
        {"Edit&2 > C&opy 90\xB0 rotated", ""},
        {"Edit&2 > &Replace/Search > Replace &All", ""},
        {"Edit&2 > &Replace/Search > Replace Ar&ea", ""},
        {"Edit&2 > &Replace/Search > Replace &text", ""},
        {"Edit&2 > &Replace/Search > &Search text", ""},
        {"Edit&2 > Char.&Selection > &UPPERCASE", ""},
        {"Edit&2 > Char.&Selection > &lowercase", ""},
        {"Edit&2 > Copy wi&th Color", ""},
        {"Edit&2 > Paste wit&h Color", ""},
        {"&Image > &Set canvas", ""},
        {"&Image > &Resize", ""},
        {"&Image > Set palette", ""},
        {"&Image > &Brightness", ""},
        {"&Image > &Delete rows", ""},
        {"&Image > Delete &cols", ""},
        {"&Image > &Insert row", ""},
        {"&Image > &Insert col", ""},
        {"&Image > I&mage Info", ""},
        {"&Image > Re&fresh", ""},
        {"&View > &Show grid", ""},
        {"&View > Font &Dialog", ""},
        {"&View > &Refresh font", ""},
        {"&View > Disable &Cell Expansion", ""},
        {"&View > Fontsize &+", ""},
        {"&View > Fontsize &-", ""},
        {"&View > ANSI Table", ""},
        {"&View > &Text/Gridview", ""},
        {"&View > &Paintbar", "F3"},
        {"&View > P&aste preview", ""},
        {"&Options > &Configure ", "F6"},
        {"&Options > \"&Undo\" enabled", ""},
        {"&Options > &Set 1245Key to /\\_|", ""},
        {"&Options > Show &info. messages", ""},
        {"&Options > Show &prog. in Task", ""},
        {"&Options > Show s&tatusbar", ""},
        {"&Options > Stay on T&op", ""},
        {"&Options > Sa&ve optimized", ""},
        {"&Options > Autosav&e", ""},
        {"&Options > Bac&kup", ""},
        {"&Options > Set e&xtern prog.", ""},
        {"I&nfo > &About", ""},
        {"I&nfo > &Help", ""},
        {"I&nfo > &Online Page", ""},
        {"I&nfo > &System Info", ""},
    };
    return entries;
}

} // namespace glyphora::test
