// Started by the program-start tests on Windows: writes its own command line,
// as UTF-8, to the file that VARNEL_RECORD names.
#include <windows.h>

#include <string>

int main()
{
    wchar_t record[MAX_PATH];
    if (GetEnvironmentVariableW(L"VARNEL_RECORD", record, MAX_PATH) == 0)
        return 2;
    const wchar_t *line = GetCommandLineW();
    const int size = WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line, -1, text.data(), size, nullptr, nullptr);
    text.resize(text.size() - 1);
    const std::wstring partial = std::wstring(record) + L".tmp";
    HANDLE file
        = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 3;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return MoveFileW(partial.c_str(), record) ? 0 : 4;
}
