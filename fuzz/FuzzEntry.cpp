// The libFuzzer entry of one target, chosen when it is compiled.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarvo::fuzz::TARVO_FUZZ_TARGET(data, size);
    return 0;
}
