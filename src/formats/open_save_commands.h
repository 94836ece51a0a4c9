#pragma once

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace glyphora {

class Editor;

// The file commands of "&File" and "&Options": opening through openDocument, saving through
// saveDocument, the reopen list, autosave and backup.

// The picture types openDocument reads, as a dialog filter's patterns.
inline constexpr const char* kPicturePatterns =
    "*.bmp;*.png;*.jpg;*.jpeg;*.jpe;*.gif;*.tga;*.psd;*.pnm;*.ppm;*.pgm;*.pbm;*.pic;*.hdr";
inline constexpr const char* kOpenFilter =
    "All "
    "known|*.txt;*.asc;*.glf;*.glg;*.htm;*.bmp;*.png;*.jpg;*.jpeg;*.jpe;*.gif;*.tga;*.psd;*.pnm;*."
    "ppm;*.pgm;*.pbm;*.pic;*.hdr;*.ans|"
    "Textfile|*.txt|Glyphora Plaintext|*.glg|Glyphora Format (all attrib.)|*.glf|HTML|*.htm|"
    "Bitmap|*.bmp;*.png;*.jpg;*.jpeg;*.jpe;*.gif;*.tga;*.psd;*.pnm;*.ppm;*.pgm;*.pbm;*.pic;*.hdr|"
    "ANSI|*.ans|All|*.*";
// Assigned as std::string(kNoFile): GCC 12 at -O3 warns falsely (-Wrestrict) when a
// one-character literal is assigned to a string.
inline constexpr const char* kNoFile = "-";
// saveDocument's status after a write that lost nothing the type could hold.
inline constexpr const char* kSaveReady = "Saving ... READY !";
// The autosave interval counts in units of 100 seconds.
inline constexpr int kAutosaveUnitMs = 100000;

// "&Open" (Ctrl+O): the open dialog, then openDocument on the chosen file.
void OpenCommand(Editor& editor);
// Reads the file named by the open dialog's file name (document().OpenFileName) into the
// canvas, chosen by the text the upper-cased path contains, and names the document after it.
// True when the file was read (a picture leaves the document without a file).
bool openDocument(Editor& editor);
// A "&Reopen" entry clicked: opens the entry's path.
void reopenDocument(Editor& editor, const std::string& entry);

// Writes document().SaveTargetName as document().SaveFormat, then names the document after
// the file written. A type whose writer is not there refuses with a status message and
// changes nothing.
void saveDocument(Editor& editor);
// "&Save": the document's own file in its own type, without the overwrite question.
void SaveToCurrentFile(Editor& editor);
// "Save &as ..." (Ctrl+S): the save-as browser, then saveDocument.
void SaveAs(Editor& editor);
// The autosave timer's tick.
void AutosaveTick(Editor& editor);
// "Autosav&e" and "Bac&kup".
void ToggleAutosave(Editor& editor);
void ToggleBackup(Editor& editor);
// Starts or stops the autosave timer as the settings say (period: interval x 100000 ms).
void applyAutosaveTimer(Editor& editor);

// A new document without a file: caption "NoName", no file, "&Save" disabled.
void ForgetDocumentFile(Editor& editor);

// Menu predicates.
bool saveEnabled(const Editor& editor);
bool autosaveChecked(const Editor& editor);
bool backupChecked(const Editor& editor);

// The working directory: the folder of the last file opened or saved, in which relative
// names are looked up ("Current.glf", names typed into dialogs).
std::filesystem::path workingDirectory(const Editor& editor);
std::filesystem::path inWorkingDirectory(const Editor& editor, const std::string& name);

// The type code an opened file gets from its name: ".TXT" 1, ".GLG" 10, ".GLF" 11, ".ASC" 2,
// ".ANS" 9 as the whole extension; otherwise, with ".HTM" anywhere in the path, 4 when the
// page was imported and 12 when its source was shown; otherwise 12.
int OpenTypeCode(std::string_view path, bool htmlImported);

// ---- Plugging in readers and writers -------------------------------------------------

// What a reader of openDocument reports. Stopped: the reader ended the open itself (a cancelled
// choice dialog or question, or a failure it reported): nothing further happens. TooLarge:
// the file could never fit on a canvas. A reader reads its file before it changes anything
// and takes the undo snapshot (beginDocumentChange) just before the canvas changes, so a
// file that cannot be read or an open the user cancels leaves the document as it was.
enum class OpenOutcome { Read, Stopped, Failed, TooLarge };
struct OpenBranchResult {
    OpenOutcome outcome = OpenOutcome::Read;
    bool htmlImported = false; // the page was interpreted, not shown as source
};
// Runs a writer under the busy cursor. When it fails: the beep, the progress bar hidden and
// "Couldn`t write file." once the normal cursor is back; false.
bool writeReportingFailure(Editor& editor, const std::function<bool()>& write);

// The undo snapshot a reader takes once its file is read and the canvas is about to change.
void beginDocumentChange(Editor& editor);
// Ends an open whose reader has reported its failure: a file that did not load must not
// become the document's file, or "&Save" would overwrite it with whatever the canvas holds.
OpenBranchResult stopWithoutDocumentFile(Editor& editor);
using OpenReader = OpenBranchResult (*)(Editor&, const std::filesystem::path&);
// openDocument with the reader given instead of the one the name chooses, and the same
// naming afterwards (the HTML import of the "Special" menu).
bool openDocumentWith(Editor& editor, OpenReader reader);
// The open dialog with the filter given, then openDocumentWith on the file chosen.
void openChosenFile(Editor& editor, std::string filter, OpenReader reader);
// Any file as text: its lines, one byte per cell, in the default colours (Unicode files
// decoded).
OpenBranchResult readTextDocument(Editor& editor, const std::filesystem::path& file);
// The progress panel of a reader that converts: "Converting ..." with an unknown step.
inline constexpr const char* kConvertingCaption = "Converting ...";
inline constexpr const char* kUnknownStep = "(unknown)";
// The animation step of a bar whose end is not known.
inline constexpr int kBarAnimation = 4;
// openDocument takes the first branch whose marker the upper-cased path contains; a branch whose
// reader is not there yet reads the file as text.
struct OpenBranch {
    std::string_view marker;
    OpenReader reader = nullptr;
};
std::span<const OpenBranch> openBranches();

// What a writer of saveDocument reports. Declined: the user kept the old file; saveDocument stops.
// Failed: the writer reported the failure itself; the document keeps no file.
enum class SaveOutcome { Written, Declined, Failed };
using SaveWriter = SaveOutcome (*)(Editor&);
struct SaveBranch {
    int formatCode = 0;
    SaveWriter writer = nullptr;
};
std::span<const SaveBranch> saveBranches();
bool canSaveFormat(int formatCode);

// For writers: appends the type's extension to SaveTargetName unless the upper-cased name
// contains it, asks "File exists. Overwrite ?" (unless SilentSave) and makes the backup when
// "Bac&kup" is checked. False when the user declined.
bool prepareSaveTarget(Editor& editor, int formatCode);
// The second half of prepareSaveTarget, for writers that name their file otherwise: the
// overwrite question and the backup for SaveTargetName as it stands.
bool confirmSaveTarget(Editor& editor);
// Writes the bytes to SaveTargetName so that a failure leaves the old file as it was.
bool writeSaveTarget(Editor& editor, std::string_view bytes);

} // namespace glyphora
