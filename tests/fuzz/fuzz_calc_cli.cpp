// libFuzzer target over varnel-calc's command line: the option parser, the
// sweep ranges, the fraction and format options. The bytes are the
// arguments, split at NUL, then standard input after a second NUL in a row.
// The contract: a usage error is one line naming it (and a hint), exit 2
// and no output at all; anything else runs to an exit status the help
// names, with output.
#include "app/calc_cli.h"
#include "app/calc_options.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

void broken(const char *why, const std::string &detail)
{
    std::fprintf(stderr, "contract broken: %s: %s\n", why, detail.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char *>(data), size);
    std::string input;
    if (const auto end = bytes.find(std::string_view("\0\0", 2)); end != std::string_view::npos) {
        input = bytes.substr(end + 2);
        bytes = bytes.substr(0, end);
    }
    std::vector<std::string> args;
    for (std::size_t start = 0; start <= bytes.size();) {
        const auto end = std::min(bytes.find('\0', start), bytes.size());
        args.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    for (std::string_view separator : {".", ","}) {
        const varnel::CalcOptions options = varnel::parseCalcOptions(args, separator);
        // Long sweeps are right but slow; the parser has answered for them.
        if (options.frequencyCount() > 200)
            continue;
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        const int status = varnel::runCalcCli(args, in, out, err, separator);
        if (!options.error.empty()) {
            if (status != varnel::kExitUsage || !out.str().empty())
                broken("a usage error wrote output or exited otherwise", options.error);
            if (options.error.find('\n') != std::string::npos
                || err.str() != "varnel-calc: " + options.error + "\nTry 'varnel-calc --help'.\n")
                broken("a usage error is not one line", err.str());
        } else if (status != varnel::kExitOk && status != varnel::kExitCannotCompute) {
            broken("unexpected exit status", std::to_string(status));
        }
    }
    return 0;
}
