#include "platform/system_info.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(SystemFacts, MemInfoFieldsInBytes) {
    const auto fields = parseMemInfo("MemTotal:       16342112 kB\n"
                                     "HugePages_Total:       0\n"
                                     "Broken line\n"
                                     "SwapFree:  x kB\n");
    EXPECT_EQ(fields.at("MemTotal"), 16342112ull * 1024);
    EXPECT_EQ(fields.at("HugePages_Total"), 0u);
    EXPECT_EQ(fields.count("SwapFree"), 0u);
    EXPECT_EQ(fields.size(), 2u);
}

TEST(SystemFacts, ProcessorModelOnEachArchitecture) {
    const CpuInfo x86 =
        parseCpuInfo("processor\t: 0\nvendor_id\t: GenuineIntel\n"
                     "model name\t: Intel(R) Xeon(R) CPU @ 2.20GHz\n\n"
                     "processor\t: 1\nmodel name\t: Intel(R) Xeon(R) CPU @ 2.20GHz\n");
    EXPECT_EQ(x86.model, "Intel(R) Xeon(R) CPU @ 2.20GHz");
    EXPECT_EQ(x86.count, 2);
    // A Raspberry Pi names the board after the cores' own "model name".
    const CpuInfo arm = parseCpuInfo("processor : 0\nmodel name : ARMv7 Processor rev 4 (v7l)\n"
                                     "Model : Raspberry Pi 3 Model B Rev 1.2\n");
    EXPECT_EQ(arm.model, "ARMv7 Processor rev 4 (v7l)");
    const CpuInfo power = parseCpuInfo("processor : 0\ncpu : POWER9 (raw)\n");
    EXPECT_EQ(power.model, "POWER9 (raw)");
    EXPECT_EQ(parseCpuInfo("").count, 0);
}

TEST(SystemFacts, DistributionNameFromOsRelease) {
    EXPECT_EQ(parseOsRelease("NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 "
                             "(bookworm)\"\nVERSION=\"12\"\n"),
              "Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(parseOsRelease("PRETTY_NAME='Arch Linux'"), "Arch Linux");
    EXPECT_EQ(parseOsRelease("PRETTY_NAME=\"Say \\\"hi\\\"\""), "Say \"hi\"");
    EXPECT_EQ(parseOsRelease("NAME=Alpine\nVERSION=3.19"), "Alpine 3.19");
    EXPECT_EQ(parseOsRelease("NAME=Alpine"), "Alpine");
    EXPECT_EQ(parseOsRelease(""), "");
}

TEST(SystemFacts, AllocatedMemoryIsTheResidentAnonymousPart) {
    EXPECT_EQ(parseResidentAnonymous("VmRSS:  9000 kB\nRssAnon:  1200 kB\n"), 1200u * 1024);
    EXPECT_EQ(parseResidentAnonymous("VmRSS:  9000 kB\n"), 9000u * 1024);
    EXPECT_FALSE(parseResidentAnonymous("Name: glyphora\n"));
    // This process holds at least the megabytes it has just touched.
    const std::optional<std::uint64_t> before = allocatedMemoryBytes();
    ASSERT_TRUE(before);
    constexpr std::size_t kBlock = 32u << 20;
    std::string block(kBlock, 'x');
    const std::optional<std::uint64_t> after = allocatedMemoryBytes();
    ASSERT_TRUE(after);
    EXPECT_GE(*after + (1u << 20), *before + kBlock) << block.back();
}

TEST(SystemFacts, NoDiskFiguresForAFolderThatIsNotThere) {
    EXPECT_TRUE(readSystemFacts("/").diskTotal);
    EXPECT_FALSE(readSystemFacts("/no/such/folder").diskTotal);
}

} // namespace
} // namespace glyphora
