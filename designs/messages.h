// What the windows say, in words that both front ends show: the message
// after a failed COMPUTE and after a link that could not be opened, and the
// command line the link hands to the system.
#pragma once

#include "numbers/error_kind.h"
#include "platform/program_start.h"

#include <string>
#include <string_view>

namespace varnel {

// The typed input as a message quotes it, in UTF-8: at most 40 characters
// and an ellipsis, control characters and the no-break space shown as their
// pictures (␉ ␊ ␍ ⍽), inside curly quotes. A pasted page must not make a
// message box taller than the screen, nor a stray tab hide in it.
std::string quotedInput(std::string_view input);

// The body of the message after COMPUTE failed on `input`; the example
// follows the locale's decimal separator.
std::string computeErrorDetail(ErrorKind kind, std::string_view input, std::string_view decimalSeparator);

// The command line a click on the link hands to the system.
std::string webPageCommandLine();

// The body of the message when the link could not be opened: what failed
// and why, then the address on its own line, to copy.
std::string linkFailureDetail(std::string_view program, std::string_view reason);
// The same when the program that opens web pages could not be started at
// all, for the system's reason ("No such file or directory").
std::string linkStartFailureDetail(std::string_view program, std::string_view systemReason);
// The same when nothing on the system is set to open web addresses; what
// the system said follows in brackets.
std::string linkNoOpenerDetail(std::string_view program, std::string_view reason);

// Which of them a link window shows: when its opener could not be started,
// and when a started one ended in failure.
std::string linkStartFailureMessage(const StartResult &result);
std::string linkEndFailureMessage(const FailedProgram &failed);

} // namespace varnel
