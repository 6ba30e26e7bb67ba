#include "app/command_line.h"

#include "app/exit_status.h"
#include "numbers/unicode_text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ostream>

namespace varnel {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

bool looksLikeOption(std::string_view arg)
{
    return arg.size() > 1 && arg[0] == '-' && (arg[1] == '-' || isLetter(arg[1]));
}

CommandLine parseOptions(const std::vector<std::string> &args, std::span<const OptionSpec> options)
{
    CommandLine line;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (optionsEnded || !looksLikeOption(arg)) {
            line.items.push_back({nullptr, arg});
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        // --name=value, or -xvalue for a short option that takes one.
        std::string_view name = arg;
        std::string attached;
        bool hasAttached = false;
        const OptionSpec *found = nullptr;
        if (arg.starts_with("--")) {
            if (const auto equals = arg.find('='); equals != std::string::npos) {
                name = std::string_view(arg).substr(0, equals);
                attached = arg.substr(equals + 1);
                hasAttached = true;
            }
            for (const OptionSpec &option : options) {
                if (option.name == name)
                    found = &option;
            }
        } else {
            name = std::string_view(arg).substr(0, 2);
            for (const OptionSpec &option : options) {
                if (option.shortName == arg[1])
                    found = &option;
            }
            if (found && arg.size() > 2) {
                if (found->valueName.empty()) {
                    line.error = "unknown option '" + escapedInput(arg) + "'";
                    return line;
                }
                attached = arg.substr(2);
                hasAttached = true;
            }
        }
        if (!found) {
            // Escaped like every echo: an option may hold a line break.
            line.error = "unknown option '" + escapedInput(name) + "'";
            return line;
        }
        if (found->valueName.empty()) {
            if (hasAttached) {
                line.error = std::string(found->name) + " takes no value";
                return line;
            }
            line.items.push_back({found, {}});
        } else if (hasAttached) {
            line.items.push_back({found, attached});
        } else if (i + 1 < args.size()) {
            line.items.push_back({found, args[++i]});
        } else {
            line.error = std::string(name) + " needs a value";
            return line;
        }
    }
    return line;
}

std::vector<std::string> withSystemHelpNames(std::vector<std::string> args)
{
#ifdef _WIN32
    for (std::string &arg : args) {
        if (arg == "/?" || arg == "-?")
            arg = "--help";
    }
#endif
    return args;
}

std::string usageErrorText(std::string_view program, std::string_view message)
{
    std::string text;
    text.append(program).append(": ").append(message).append("\nTry '").append(program).append(" --help'.\n");
    return text;
}

int writeAnswer(std::ostream &out, std::ostream &err, std::string_view program, std::string_view what,
                std::string_view text)
{
    errno = 0;
    out << text;
    out.flush();
    if (out)
        return kExitOk;
    err << program << ": cannot write the " << what << ": " << std::strerror(errno ? errno : EIO) << '\n';
    return kExitWriteFailed;
}

int writeAnswer(std::string_view program, std::string_view what, std::string_view text)
{
    errno = 0;
    std::fwrite(text.data(), 1, text.size(), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return kExitOk;
    const int error = errno ? errno : EIO;
    std::fprintf(stderr, "%.*s: cannot write the %.*s: %s\n", int(program.size()), program.data(), int(what.size()),
                 what.data(), std::strerror(error));
    return kExitWriteFailed;
}

std::string optionsHelp(std::span<const OptionSpec> options, std::size_t nameWidth)
{
    std::string text = "Options:\n";
    for (const OptionSpec &option : options) {
        std::string name = option.shortName ? std::string("-") + option.shortName + ", " : "    ";
        name += option.name;
        if (!option.valueName.empty())
            name.append(" ").append(option.valueName);
        name.resize(std::max(nameWidth, name.size() + 1), ' ');
        std::string help(option.help);
        for (std::size_t at = help.find('\n'); at != std::string::npos; at = help.find('\n', at + 1))
            help.insert(at + 1, 2 + nameWidth, ' ');
        text += "  " + name + help + "\n";
    }
    return text;
}

} // namespace varnel
