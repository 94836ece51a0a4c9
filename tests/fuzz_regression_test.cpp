// The inputs the fuzzers found faults with, kept and replayed through the same entries, so
// a fault once fixed stays fixed in every test run.
#include "fuzz_targets.h"
#include "test_support.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace glyphora::fuzz {
namespace {

namespace fs = std::filesystem;

const fs::path kKept = GLYPHORA_FUZZ_REGRESSIONS;
// The fuzzers' own seeds run through the entries too, so an entry that breaks shows here.
const fs::path kSeeds = GLYPHORA_FUZZ_SEEDS;

int replayAll(const fs::path& kept) {
    int replayed = 0;
    for (const FuzzTarget& target : fuzzTargets()) {
        const fs::path folder = kept / target.name;
        if (!fs::is_directory(folder))
            continue;
        for (const std::string& name : test::fileNamesIn(folder)) {
            SCOPED_TRACE(std::string(target.name) + "/" + name);
            EXPECT_EQ(target.run(test::readBytes(folder / name)), 0);
            ++replayed;
        }
    }
    return replayed;
}

TEST(FuzzRegressions, EveryKeptInputAndSeedRunsCleanThroughItsReader) {
    replayAll(kKept);
    EXPECT_GT(replayAll(kSeeds), 0);
}

TEST(FuzzRegressions, EveryFolderOfInputsNamesATarget) {
    const auto targets = fuzzTargets();
    for (const fs::path& kept : {kKept, kSeeds})
        for (const std::string& folder : test::fileNamesIn(kept)) {
            if (!fs::is_directory(kept / folder))
                continue;
            EXPECT_TRUE(std::any_of(targets.begin(), targets.end(), [&](const FuzzTarget& t) {
                return t.name == folder;
            })) << kept / folder;
        }
}

} // namespace
} // namespace glyphora::fuzz
