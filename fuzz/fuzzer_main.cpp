// The libFuzzer entry of one target; the build names the target's function.
#include "fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return glyphora::fuzz::GLYPHORA_FUZZ_TARGET(
        std::string_view(reinterpret_cast<const char*>(data), size));
}
