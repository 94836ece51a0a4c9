#pragma once

#include <filesystem>
#include <string>

namespace glyphora {

// Where the program keeps its files. In the build tree all three are the executable's
// folder. An installed program (its data under share/ beside bin/) or one in a folder it may
// not write to keeps what it writes (edit.ini, Undo/, the temporary files, the data folders
// it creates) in the user's data folder and reads the shipped files from where they lie.
struct ProgramPlaces {
    std::filesystem::path home;          // the program directory
    std::filesystem::path shippedData;   // the data files as shipped
    std::filesystem::path executableDir; // glyphora and glyphora-cli
};

// The user's folders the data folder is found from: $XDG_DATA_HOME and $HOME.
struct UserFolders {
    std::string xdgDataHome;
    std::string home;
};
UserFolders userFoldersFromEnvironment();
// $XDG_DATA_HOME/glyphora when that is an absolute path, else ~/.local/share/glyphora.
std::filesystem::path userDataFolder(const UserFolders& user);

// installedData: the shipped data of an installed program, relative to its executable's
// folder ("../share/glyphora").
ProgramPlaces locateProgramPlaces(const std::filesystem::path& executableDir,
                                  const std::filesystem::path& installedData,
                                  const UserFolders& user);

// Another program directory, as glyphora-cli's --home names one: an installed program still
// reads its shipped files from the installation; otherwise everything is looked for there.
ProgramPlaces withHome(ProgramPlaces places, std::filesystem::path home);

// Creates the program directory and, the first time, copies the installed data into it so
// the user's own copies can be edited; files already there are kept. Nothing to do when the
// program directory is the shipped one. False when the folder or a copy failed (the next
// start tries again; reads fall back to the shipped files meanwhile).
bool prepareProgramHome(const ProgramPlaces& places);

// The name of the file that records that the program directory was seeded.
inline constexpr const char* kSeededMarker = ".glyphora-seeded";

} // namespace glyphora
