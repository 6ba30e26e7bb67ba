#include "app/command_line.h"

#include "app/exit_status.h"

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
                    line.error = "unknown option '" + arg + "'";
                    return line;
                }
                attached = arg.substr(2);
                hasAttached = true;
            }
        }
        if (!found) {
            line.error = "unknown option '" + std::string(name) + "'";
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

namespace {

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0
// where its first byte starts none (a stray byte, an overlong form, a
// surrogate, beyond U+10FFFF).
std::size_t utf8SequenceLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

void appendHex(std::string &text, unsigned char byte)
{
    constexpr char hex[] = "0123456789ABCDEF";
    text.append("\\x").append(1, hex[byte >> 4]).append(1, hex[byte & 15]);
}

} // namespace

namespace {

std::string escaped(std::string_view input, bool backslashPlain)
{
    const auto plain = [&](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (backslashPlain || c != '\\') && byte >= 0x20 && byte < 0x7F;
    };
    if (std::all_of(input.begin(), input.end(), plain))
        return std::string(input);
    std::string text;
    text.reserve(input.size());
    while (!input.empty()) {
        const char c = input.front();
        const auto byte = static_cast<unsigned char>(c);
        std::size_t taken = 1;
        if (c == '\\' && !backslashPlain) {
            text += "\\\\";
        } else if (c == '\t') {
            text += "\\t";
        } else if (c == '\n') {
            text += "\\n";
        } else if (c == '\r') {
            text += "\\r";
        } else if (byte < 0x20 || byte == 0x7F) {
            appendHex(text, byte);
        } else if (byte < 0x80) {
            text += c;
        } else if ((taken = utf8SequenceLength(input)) != 0) {
            text.append(input.substr(0, taken));
        } else {
            // Not UTF-8: written as its byte, so every output stays valid
            // UTF-8 and the byte can still be read off it.
            appendHex(text, byte);
            taken = 1;
        }
        input.remove_prefix(taken);
    }
    return text;
}

} // namespace

std::string escapedInput(std::string_view input)
{
    return escaped(input, false);
}

std::string escapedPath(std::string_view path)
{
#ifdef _WIN32
    return escaped(path, true);
#else
    return escaped(path, false);
#endif
}

std::string validUtf8(std::string_view input)
{
    std::string text;
    text.reserve(input.size());
    while (!input.empty()) {
        const auto byte = static_cast<unsigned char>(input.front());
        std::size_t taken = byte < 0x80 ? 1 : utf8SequenceLength(input);
        if (taken == 0) {
            appendHex(text, byte);
            taken = 1;
        } else {
            text.append(input.substr(0, taken));
        }
        input.remove_prefix(taken);
    }
    return text;
}

std::string shortenedForMessage(const std::string &text)
{
    constexpr std::size_t kMaxShown = 40;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && characters++ == kMaxShown)
            return text.substr(0, i) + "\u2026";
    }
    return text;
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
