#include "platform/system_info.h"

#include "platform/text_file.h"
#include "platform/text_numbers.h"
#include "platform/text_trim.h"

#include <array>
#include <cstdlib>
#include <pwd.h>
#include <sys/statvfs.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace glyphora {

namespace {

constexpr std::uint64_t kKilobyte = 1024;
// The names architectures give their processor in /proc/cpuinfo, most common first.
constexpr std::array<std::string_view, 5> kCpuModelKeys = {"model name", "Model", "Processor",
                                                           "cpu model", "cpu"};
constexpr std::array<const char*, 2> kOsReleaseFiles = {"/etc/os-release", "/usr/lib/os-release"};

// Calls visit(key, value) for each "key SEPARATOR value" line, both trimmed.
template <typename Visit> void forEachField(std::string_view text, char separator, Visit visit) {
    forEachTextLine(text, [&](std::string_view line) {
        const std::size_t at = line.find(separator);
        if (at != std::string_view::npos)
            visit(trimmed(line.substr(0, at)), trimmed(line.substr(at + 1)));
        return true;
    });
}

// "1234 kB" in bytes; a number without a unit is taken as it stands.
std::optional<std::uint64_t> sizeValue(std::string_view value) {
    const std::size_t blank = value.find(' ');
    const std::optional<std::uint64_t> number = parseInteger<std::uint64_t>(value.substr(0, blank));
    if (!number)
        return std::nullopt;
    return blank != std::string_view::npos && trimmed(value.substr(blank)) == "kB"
               ? *number * kKilobyte
               : *number;
}

// An os-release value: quoted in " or ' with backslash escapes inside double quotes.
std::string unquoted(std::string_view value) {
    if (value.size() < 2 || (value.front() != '"' && value.front() != '\'') ||
        value.back() != value.front())
        return std::string(value);
    const char quote = value.front();
    value = value.substr(1, value.size() - 2);
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (quote == '"' && value[i] == '\\' && i + 1 < value.size())
            ++i;
        text += value[i];
    }
    return text;
}

std::string readWhole(const char* path) {
    std::string bytes;
    return readFileBytes(path, bytes) ? bytes : std::string();
}

std::optional<std::uint64_t> field(const std::map<std::string, std::uint64_t, std::less<>>& fields,
                                   std::string_view name) {
    const auto it = fields.find(name);
    return it == fields.end() ? std::nullopt : std::optional(it->second);
}

std::string userName() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name)
        return entry->pw_name;
    const char* name = std::getenv("USER");
    return name ? name : "";
}

} // namespace

std::map<std::string, std::uint64_t, std::less<>> parseMemInfo(std::string_view text) {
    std::map<std::string, std::uint64_t, std::less<>> fields;
    forEachField(text, ':', [&](std::string_view key, std::string_view value) {
        if (const std::optional<std::uint64_t> bytes = sizeValue(value))
            fields.emplace(key, *bytes);
    });
    return fields;
}

CpuInfo parseCpuInfo(std::string_view text) {
    CpuInfo info;
    std::size_t bestKey = kCpuModelKeys.size();
    forEachField(text, ':', [&](std::string_view key, std::string_view value) {
        if (key == "processor")
            ++info.count;
        for (std::size_t k = 0; k < bestKey; ++k) {
            if (key == kCpuModelKeys[k] && !value.empty()) {
                info.model = value;
                bestKey = k;
            }
        }
    });
    return info;
}

std::string parseOsRelease(std::string_view text) {
    std::string pretty, name, version;
    forEachField(text, '=', [&](std::string_view key, std::string_view value) {
        if (key == "PRETTY_NAME")
            pretty = unquoted(value);
        else if (key == "NAME")
            name = unquoted(value);
        else if (key == "VERSION")
            version = unquoted(value);
    });
    if (!pretty.empty())
        return pretty;
    return version.empty() ? name : name + " " + version;
}

std::optional<std::uint64_t> parseResidentAnonymous(std::string_view status) {
    const auto fields = parseMemInfo(status);
    // Kernels before 4.5 list only the whole resident size.
    if (const std::optional<std::uint64_t> anonymous = field(fields, "RssAnon"))
        return anonymous;
    return field(fields, "VmRSS");
}

std::optional<std::uint64_t> allocatedMemoryBytes() {
    const std::string status = readWhole("/proc/self/status");
    if (status.empty())
        return std::nullopt;
    return parseResidentAnonymous(status);
}

SystemFacts readSystemFacts(const std::filesystem::path& diskOf) {
    SystemFacts facts;
    if (utsname names{}; ::uname(&names) == 0) {
        facts.kernel = std::string(names.sysname) + " " + names.release + " " + names.version;
        facts.machine = names.machine;
        facts.hostName = names.nodename;
    }
    for (const char* file : kOsReleaseFiles) {
        facts.distribution = parseOsRelease(readWhole(file));
        if (!facts.distribution.empty())
            break;
    }
    const CpuInfo cpu = parseCpuInfo(readWhole("/proc/cpuinfo"));
    facts.processor = cpu.model;
    if (cpu.count > 0) {
        if (!facts.processor.empty())
            facts.processor += ' ';
        facts.processor += '(';
        facts.processor += std::to_string(cpu.count);
        facts.processor += cpu.count == 1 ? " processor)" : " processors)";
    }
    facts.userName = userName();

    const auto memory = parseMemInfo(readWhole("/proc/meminfo"));
    facts.memoryTotal = field(memory, "MemTotal");
    facts.memoryAvailable = field(memory, "MemAvailable");
    if (!facts.memoryAvailable)
        facts.memoryAvailable = field(memory, "MemFree");
    facts.commitLimit = field(memory, "CommitLimit");
    facts.committed = field(memory, "Committed_AS");
    facts.swapTotal = field(memory, "SwapTotal");
    facts.swapFree = field(memory, "SwapFree");

    if (struct statvfs disk{}; ::statvfs(diskOf.c_str(), &disk) == 0) {
        facts.diskTotal = static_cast<std::uint64_t>(disk.f_blocks) * disk.f_frsize;
        facts.diskFree = static_cast<std::uint64_t>(disk.f_bavail) * disk.f_frsize;
    }
    return facts;
}

} // namespace glyphora
