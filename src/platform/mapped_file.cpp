#include "platform/mapped_file.h"

#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace glyphora {

bool MappedFile::open(const std::filesystem::path& path) {
    close();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        // Every byte is read: all pages mapped in one call rather than a fault at a time.
        void* map = ::mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ,
                           MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (map != MAP_FAILED) {
            map_ = map;
            size_ = static_cast<std::size_t>(info.st_size);
            bytes_ = std::string_view(static_cast<const char*>(map), size_);
        }
    }
    ::close(fd);
    if (map_)
        return true;
    if (!readFileBytes(path, read_))
        return false;
    bytes_ = read_;
    return true;
}

MappedFile::~MappedFile() {
    close();
}

void MappedFile::close() {
    if (map_)
        ::munmap(map_, size_);
    map_ = nullptr;
    size_ = 0;
    read_.clear();
    bytes_ = {};
}

} // namespace glyphora
