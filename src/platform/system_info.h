#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace glyphora {

// What this system says about itself, read from /proc, uname, /etc/os-release, the user
// database and the file system. A value that could not be read stays empty.
struct SystemFacts {
    std::string kernel;       // "Linux 6.1.0-18-amd64 #1 SMP PREEMPT_DYNAMIC ..."
    std::string distribution; // "Debian GNU/Linux 12 (bookworm)"
    std::string processor;    // "Intel(R) Xeon(R) CPU ... (2 cores)"
    std::string machine;      // "x86_64"
    std::string hostName;
    std::string userName;
    // Bytes.
    std::optional<std::uint64_t> memoryTotal, memoryAvailable;
    std::optional<std::uint64_t> commitLimit, committed; // the kernel's virtual memory account
    std::optional<std::uint64_t> swapTotal, swapFree;
    std::optional<std::uint64_t> diskTotal, diskFree;
};

// diskOf: a path on the disk whose size is wanted.
SystemFacts readSystemFacts(const std::filesystem::path& diskOf);

// The fields of /proc/meminfo in bytes ("MemTotal:  16342112 kB").
std::map<std::string, std::uint64_t, std::less<>> parseMemInfo(std::string_view text);
// The processor's name from /proc/cpuinfo ("model name", or what other architectures call
// it) and the number of processors listed.
struct CpuInfo {
    std::string model;
    int count = 0;
};
CpuInfo parseCpuInfo(std::string_view text);
// PRETTY_NAME of /etc/os-release, unquoted; NAME and VERSION when it is missing.
std::string parseOsRelease(std::string_view text);

// Memory the program has allocated and touched: its resident anonymous pages (heap and
// anonymous mappings), from /proc/self/status; nothing when that cannot be read.
std::optional<std::uint64_t> allocatedMemoryBytes();
std::optional<std::uint64_t> parseResidentAnonymous(std::string_view status);

} // namespace glyphora
