// libFuzzer target over the whole compute path: arbitrary bytes as the
// frequency text, read in a dot and in a comma locale, checked against the
// compute command's contract.
#include "tests/shared/compute_contract.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    for (std::string_view separator : {".", ","}) {
        const std::string failure = varnel::checkCompute(input, separator);
        if (!failure.empty()) {
            std::fprintf(stderr, "contract broken (separator '%.*s'): %s\n", static_cast<int>(separator.size()),
                         separator.data(), failure.c_str());
            std::abort();
        }
    }
    return 0;
}
