// One libFuzzer target per property; the build names which (VEMPLOR_FUZZ_TARGET).
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz_properties.h"

namespace {

PropertyCheck CheckOfThisTarget()
{
    for (const FuzzTarget& target : FuzzTargets) {
        if (std::strcmp(target.name, VEMPLOR_FUZZ_TARGET) == 0) {
            return target.check;
        }
    }
    RequireProperty(false);
    return nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const PropertyCheck check = CheckOfThisTarget();
    RequireProperty(check(std::string(reinterpret_cast<const char*>(data), size)));
    return 0;
}
