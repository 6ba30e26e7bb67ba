#include "win32/design/error_reporter.h"

#include "win32/design/text.h"

namespace varnel::win32 {

void MessageBoxReporter::report(HWND owner, ErrorKind kind, const std::string &detail)
{
    const std::string text = std::string(errorName(kind)) + "\n\n" + detail;
    MessageBoxW(owner, widen(text).c_str(), L"varnel", MB_OK | MB_ICONERROR);
}

} // namespace varnel::win32
