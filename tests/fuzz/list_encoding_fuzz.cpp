#include <cstddef>
#include <cstdint>

#include "fuzz_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    RequireProperty(CheckListEncoding(std::string(reinterpret_cast<const char*>(data), size)));
    return 0;
}
