#include "app/knowledge_base.h"

#include "platform/text_case.h"
#include "platform/text_file.h"

namespace glyphora {

namespace {

constexpr std::string_view kFolder = "Data";
constexpr std::string_view kExtension = ".dat";

} // namespace

void KnowledgeBase::select(const std::filesystem::path& folder, int position) {
    loaded_ = true;
    position_ = position;
    files_ = listFilesWithExtensions(folder, {kExtension});
    std::optional<TextLines> read;
    if (position >= 0 && position < static_cast<int>(files_.size()))
        read = readUserDataFileLines(folder / files_[static_cast<std::size_t>(position)],
                                     kMaxFileBytes);
    lines_ = read ? std::move(*read) : errorLines();
}

const TextLines& KnowledgeBase::errorLines() {
    static const TextLines kLines = {"ERROR:", "Couldn`t", "open", "file !!!"};
    return kLines;
}

std::filesystem::path knowledgeBaseFolder(const std::filesystem::path& programDir) {
    return findDirectoryIgnoringCase(programDir, kFolder).value_or(programDir / kFolder);
}

} // namespace glyphora
