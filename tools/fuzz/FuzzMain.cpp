// The libFuzzer harness of one target; TARNIK_FUZZ_ENTRY names its function.
#include <cstddef>
#include <cstdint>

int TARNIK_FUZZ_ENTRY(const uint8_t* data, size_t size);

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return TARNIK_FUZZ_ENTRY(data, size);
}
