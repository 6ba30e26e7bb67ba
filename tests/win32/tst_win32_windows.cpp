// The Windows front end's windows, driven through their messages as a user's
// keys and clicks reach them: WM_SETTEXT into the input, BM_CLICK on a
// button, WM_GETTEXT back; run under Wine. The expected texts are the same
// table the core's and the Qt window's tests read.
#include "calc/compute_command.h"
#include "designs/main_window_design.h"
#include "designs/messages.h"
#include "designs/notes_window_design.h"
#include "designs/web_link_window_design.h"
#include "tests/shared/texts_written.h"
#include "win32/companion/companion_windows.h"
#include "win32/design/text.h"
#include "win32/main/main_window.h"

#include <doctest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace varnel;
using namespace varnel::win32;
using namespace varnel::testing;

namespace {

struct Report
{
    ErrorKind kind;
    std::string detail;
};

struct RecordingReporter final : ErrorReporter
{
    std::vector<Report> reports;
    void report(HWND, ErrorKind kind, const std::string &detail) override { reports.push_back({kind, detail}); }
};

struct RecordingStarter final : ProgramStarter
{
    std::vector<std::pair<std::string, WindowStyle>> calls;
    bool fail = false;
    bool noOpener = false;
    StartResult start(std::string_view commandLine, WindowStyle style) override
    {
        calls.emplace_back(std::string(commandLine), style);
        if (fail)
            return {ErrorKind::CannotStartProgram, 0, "start.exe", "The system cannot find the file (error 2)",
                    noOpener};
        return {ErrorKind::None, 42, "start.exe", {}};
    }
};

std::string text(HWND control)
{
    const auto length = static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
    std::wstring buffer(length + 1, L'\0');
    SendMessageW(control, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(length);
    return narrow(buffer);
}

void setText(HWND control, const std::string &value)
{
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(widen(value).c_str()));
}

// The twelve result fields, blank separated, in the command's write order.
std::string results(const Form1 &window)
{
    std::string all;
    for (const ResultFieldInfo &field : kResultFields)
        all += (all.empty() ? "" : " ") + text(window.control(field.name));
    return all;
}

void pumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!DesignWindow::translateDesignKeys(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// A key as the message loop meets it, sent to the focused control.
void press(WPARAM key)
{
    const MSG down {GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
    if (!DesignWindow::translateDesignKeys(down))
        SendMessageW(down.hwnd, WM_KEYDOWN, key, 0);
    if (key == VK_RETURN) {
        const MSG character {GetFocus(), WM_CHAR, L'\r', 0, 0, {}};
        if (!DesignWindow::translateDesignKeys(character))
            SendMessageW(character.hwnd, WM_CHAR, L'\r', 0);
    }
}

struct Fixture
{
    RecordingReporter reporter;
    RecordingStarter starter;
    CompanionWindows companions {reporter, starter, 96};
};

} // namespace

TEST_CASE("COMPUTE writes the texts of the shared table")
{
    for (const TextsWrittenRow &row : kTextsWritten) {
        INFO(std::string(row.tag));
        Fixture f;
        const auto separator = [&] { return std::string(row.separator); };
        Form1 form1(f.reporter, f.companions, separator, 96);
        form1.show(SW_SHOWNOACTIVATE);
        setText(form1.control("Text3"), row.input);
        SendMessageW(form1.control("Command1"), BM_CLICK, 0, 0);
        CHECK(results(form1) == row.texts);
        CHECK(f.reporter.reports.empty());
    }
}

TEST_CASE("a failure is told and writes nothing")
{
    const struct
    {
        const char *input;
        const char *separator;
        ErrorKind kind;
        const char *message;
    } rows[] = {
        {"abc", ".", ErrorKind::TypeMismatch,
         "The frequency \u201Cabc\u201D is not a number. Type the frequency in MHz, for example 137.5."},
        {"", ".", ErrorKind::TypeMismatch,
         "The frequency \u201C\u201D is not a number. Type the frequency in MHz, for example 137.5."},
        {"0", ".", ErrorKind::DivisionByZero,
         "The frequency \u201C0\u201D is zero. Type a frequency in MHz other than zero."},
        {"1e39", ".", ErrorKind::Overflow, "The frequency \u201C1e39\u201D is too large or too small to compute."},
        {"1.000,5", ",", ErrorKind::TypeMismatch,
         "The frequency \u201C1.000,5\u201D is not a number. Type the frequency in MHz, for example 137,5 or 137.5."},
        {"13\t7.5", ".", ErrorKind::TypeMismatch,
         "The frequency \u201C13\u24097.5\u201D is not a number. Type the frequency in MHz, for example 137.5."},
    };
    for (const auto &row : rows) {
        INFO(std::string(row.input));
        Fixture f;
        const auto separator = [&] { return std::string(row.separator); };
        Form1 form1(f.reporter, f.companions, separator, 96);
        form1.show(SW_SHOWNOACTIVATE);
        SendMessageW(form1.control("Command1"), BM_CLICK, 0, 0); // the design's 137.500 first
        const std::string before = results(form1);
        setText(form1.control("Text3"), row.input);
        SendMessageW(form1.control("Command1"), BM_CLICK, 0, 0);
        REQUIRE(f.reporter.reports.size() == 1);
        CHECK(f.reporter.reports[0].kind == row.kind);
        CHECK(f.reporter.reports[0].detail == row.message);
        CHECK(results(form1) == before);
        CHECK(text(form1.control("Text3")) == row.input);
    }
}

// Each control at its design rectangle, converted at the window's DPI
// independently of the builder: 15 twips a pixel at 96, 10 at 144.
TEST_CASE("every control where its design puts it, at 96, 120, 144 and 192 DPI")
{
    const WindowDesign *designs[] = {&kForm1Design, &kForm2Design, &kWebDesign};
    for (UINT dpi : {96u, 120u, 144u, 192u}) {
        for (const WindowDesign *design : designs) {
            DesignWindow window(*design, dpi);
            RECT client;
            GetClientRect(window.hwnd(), &client);
            CHECK(client.right == (design->clientWidth * static_cast<int>(dpi) + 720) / 1440);
            CHECK(client.bottom == (design->clientHeight * static_cast<int>(dpi) + 720) / 1440);
            CHECK(text(window.hwnd()) == design->title);
            for (const ControlDesign &row : design->controls) {
                const std::string where
                    = std::string(design->name) + "." + std::string(row.name) + " at " + std::to_string(dpi);
                INFO(where);
                const HWND control = window.control(row.name);
                RECT at;
                GetWindowRect(control, &at);
                MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT *>(&at), 2);
                const auto pixels = [dpi](int twips) { return (twips * static_cast<int>(dpi) + 720) / 1440; };
                CHECK(at.left == pixels(row.left));
                CHECK(at.top == pixels(row.top));
                if (!row.autoSize) {
                    CHECK(at.right - at.left == pixels(row.width));
                    CHECK(at.bottom - at.top == pixels(row.height));
                }
                if (row.kind != ControlKind::PictureBox)
                    CHECK(text(control) == row.text);
                CHECK(((GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0) == row.tabStop);
                if (!row.parent.empty())
                    CHECK(GetParent(control) == window.control(row.parent));
            }
        }
    }
}

namespace {

// A picture box's client area as it paints itself, 0xRRGGBB a pixel.
std::vector<std::uint32_t> painted(HWND picture, SIZE &size)
{
    RECT client;
    GetClientRect(picture, &client);
    size = {client.right, client.bottom};
    BITMAPINFO info {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP canvas = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, canvas);
    SendMessageW(picture, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    const auto *pixels = static_cast<const std::uint32_t *>(bits);
    std::vector<std::uint32_t> result(pixels, pixels + size.cx * size.cy);
    SelectObject(dc, old);
    DeleteObject(canvas);
    DeleteDC(dc);
    for (std::uint32_t &pixel : result)
        pixel &= 0xFFFFFF;
    return result;
}

// The bitmap resource's own pixels.
std::vector<std::uint32_t> resourcePixels(const wchar_t *name, SIZE &size)
{
    auto bitmap
        = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    REQUIRE(bitmap);
    BITMAP header {};
    GetObjectW(bitmap, sizeof header, &header);
    size = {header.bmWidth, header.bmHeight};
    BITMAPINFO info {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.cx * size.cy));
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(bitmap);
    for (std::uint32_t &pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}

int channelDifference(std::uint32_t a, std::uint32_t b)
{
    int sum = 0;
    for (int shift : {0, 8, 16})
        sum += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
    return sum / 3;
}

} // namespace

// At every DPI a picture fills its box as at 96: its image scaled by
// dpi / 96, each pixel over the image's pixel at the same point (within
// what a smoothing filter blends at the drawing's edges), and the labels
// inside over the same points of the image.
TEST_CASE("pictures scale with the DPI, their labels on the same points")
{
    const struct
    {
        const WindowDesign *design;
        const char *picture;
        const wchar_t *resource;
    } rows[] = {
        {&kForm1Design, "Picture1", L"ANTENNA_PHOTO"},
        {&kForm2Design, "Picture1", L"DIMENSION_DIAGRAM"},
        {&kForm2Design, "Picture2", L"CAPACITOR_SKETCH"},
    };
    for (const auto &row : rows) {
        SIZE imageSize {};
        const std::vector<std::uint32_t> image = resourcePixels(row.resource, imageSize);
        for (UINT dpi : {96u, 120u, 144u, 192u}) {
            const std::string where = std::string(row.design->name) + "." + row.picture + " at " + std::to_string(dpi);
            INFO(where);
            DesignWindow window(*row.design, dpi);
            const HWND picture = window.control(row.picture);
            SIZE size {};
            const std::vector<std::uint32_t> shown = painted(picture, size);
            const int scale = static_cast<int>(dpi);
            if (std::string_view(row.picture) != "Picture1" || row.design == &kForm2Design) {
                // Sized to its image: the image at this DPI, no more.
                CHECK(size.cx == (imageSize.cx * scale + 48) / 96);
                CHECK(size.cy == (imageSize.cy * scale + 48) / 96);
            }
            long long total = 0;
            long long count = 0;
            for (int y = 0; y < size.cy; ++y) {
                for (int x = 0; x < size.cx; ++x) {
                    const int sx = (2 * x + 1) * 96 / (2 * scale);
                    const int sy = (2 * y + 1) * 96 / (2 * scale);
                    if (sx >= imageSize.cx || sy >= imageSize.cy)
                        continue;
                    total += channelDifference(shown[static_cast<std::size_t>(y * size.cx + x)],
                                               image[static_cast<std::size_t>(sy * imageSize.cx + sx)]);
                    ++count;
                }
            }
            REQUIRE(count > 0);
            // Unscaled, or grey beyond a 96-DPI image, gives 40 and more.
            if (dpi == 96)
                CHECK(total == 0);
            else
                CHECK(total / count <= 8);
            for (const ControlDesign &control : row.design->controls) {
                if (control.parent != row.picture)
                    continue;
                RECT at;
                GetWindowRect(window.control(control.name), &at);
                MapWindowPoints(nullptr, picture, reinterpret_cast<POINT *>(&at), 2);
                const int at96 = (control.left + 7) / 15;
                CHECK(std::abs(at.left - (at96 * scale + 48) / 96) <= 1);
                CHECK(std::abs(at.top - ((control.top + 7) / 15 * scale + 48) / 96) <= 1);
            }
        }
    }
}

namespace {

// WCAG's contrast ratio, worked out here apart from the program's rule.
double contrast(COLORREF a, COLORREF b)
{
    const auto luminance = [](COLORREF c) {
        const auto linear = [](int v) {
            const double x = v / 255.0;
            return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(GetRValue(c)) + 0.7152 * linear(GetGValue(c)) + 0.0722 * linear(GetBValue(c));
    };
    const double x = luminance(a);
    const double y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

struct Painted
{
    COLORREF background;
    COLORREF text;
};

// The colours each text of a window is painted in, as the control asks
// its window for them.
std::vector<std::pair<std::string, Painted>> textColours(const DesignWindow &window)
{
    std::vector<std::pair<std::string, Painted>> colours;
    HDC dc = CreateCompatibleDC(nullptr);
    for (const ControlDesign &row : window.design().controls) {
        if (row.kind != ControlKind::TextBox && row.kind != ControlKind::Label)
            continue;
        SetBkColor(dc, RGB(1, 2, 3));
        SetTextColor(dc, RGB(4, 5, 6));
        SendMessageW(window.hwnd(), row.kind == ControlKind::TextBox ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC,
                     reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window.control(row.name)));
        colours.emplace_back(std::string(window.design().name) + "." + std::string(row.name),
                             Painted {GetBkColor(dc), GetTextColor(dc)});
    }
    DeleteDC(dc);
    return colours;
}

std::vector<std::pair<std::string, Painted>> allTexts()
{
    std::vector<std::pair<std::string, Painted>> texts;
    for (const WindowDesign *design : {&kForm1Design, &kForm2Design, &kWebDesign}) {
        DesignWindow window(*design, 96);
        const auto colours = textColours(window);
        texts.insert(texts.end(), colours.begin(), colours.end());
    }
    return texts;
}

} // namespace

// On the light theme every text as designed; on a dark one readable
// (4.5:1, or no less than the design gives on the light theme); in high
// contrast in the user's own colours only.
TEST_CASE("every text reads on every theme")
{
    const SystemColours light {{255, 255, 255}, {0, 0, 0}, {0, 0, 0}, {240, 240, 240}, {0, 0, 0}, false};
    const SystemColours dark {{32, 32, 32}, {255, 255, 255}, {255, 255, 255}, {43, 43, 43}, {255, 255, 255}, false};
    const SystemColours highContrastBlack {{0, 0, 0}, {255, 255, 255}, {255, 255, 255}, {0, 0, 0}, {255, 255, 0}, true};
    struct Restore
    {
        ~Restore() { useThemeForTesting(nullptr); }
    } restore;
    useThemeForTesting(&light);
    const auto designed = allTexts();
    REQUIRE(designed.size() == 27 + 7 + 3);
    // As designed: the peach captions' text black, the results red on white.
    for (const auto &[name, colours] : designed) {
        if (name == "Form1.Text6")
            CHECK(colours.text == RGB(0, 0, 0));
        if (name == "Form1.Text10")
            CHECK((colours.background == RGB(255, 255, 255) && colours.text == RGB(255, 0, 0)));
    }
    useThemeForTesting(&dark);
    const auto onDark = allTexts();
    for (std::size_t i = 0; i < designed.size(); ++i) {
        INFO(onDark[i].first);
        const double floor = std::min(4.5, contrast(designed[i].second.background, designed[i].second.text));
        const double ratio = contrast(onDark[i].second.background, onDark[i].second.text);
        CHECK(ratio >= floor - 0.01);
    }
    useThemeForTesting(&highContrastBlack);
    for (const auto &[name, colours] : allTexts()) {
        INFO(name);
        const bool label = name.starts_with("web.");
        CHECK(colours.background == (label ? RGB(0, 0, 0) : RGB(0, 0, 0)));
        CHECK(colours.text == (label ? RGB(255, 255, 0) : RGB(255, 255, 255)));
    }
}

TEST_CASE("stacking follows the tab index")
{
    DesignWindow form1(kForm1Design, 96);
    // The topmost child comes first: the last in tab order.
    HWND child = GetWindow(form1.hwnd(), GW_CHILD);
    for (auto row = kForm1Design.controls.rbegin(); row != kForm1Design.controls.rend(); ++row) {
        if (!row->parent.empty())
            continue;
        INFO(std::string(row->name));
        CHECK(child == form1.control(row->name));
        child = GetWindow(child, GW_HWNDNEXT);
    }
}

TEST_CASE("Tab follows the tab index; Enter presses a button, not the input")
{
    Fixture f;
    const auto dot = [] { return std::string("."); };
    Form1 form1(f.reporter, f.companions, dot, 96);
    form1.show();
    CHECK(GetFocus() == form1.control("Picture1"));
    const std::string_view cycle[]
        = {"Picture1", "Text3",  "Text5",  "Text7",  "Command1", "Text10", "Text12",   "Text15",   "Text17",
           "Text20",   "Text11", "Text16", "Text18", "Text22",   "Text25", "Command2", "Command3", "Picture1"};
    for (std::size_t step = 1; step < std::size(cycle); ++step) {
        press(VK_TAB);
        CHECK(form1.designOf(GetFocus())->name == cycle[step]);
    }
    SetFocus(form1.control("Text3"));
    press(VK_RETURN);
    CHECK(text(form1.control("Text10")) == "00.00");
    SetFocus(form1.control("Command1"));
    press(VK_RETURN);
    CHECK(text(form1.control("Text10")) == "237.99");
}

TEST_CASE("one of each companion window, made afresh after it is closed")
{
    Fixture f;
    const auto dot = [] { return std::string("."); };
    Form1 form1(f.reporter, f.companions, dot, 96);
    SendMessageW(form1.control("Command2"), BM_CLICK, 0, 0);
    Form2 *notes = f.companions.notes();
    REQUIRE(notes);
    // The focus where Qt puts it: on the notes, the first control Tab visits.
    CHECK(GetFocus() == notes->control("Text1"));
    const HWND first = notes->hwnd();
    CHECK(GetWindow(first, GW_OWNER) == nullptr);
    SendMessageW(form1.control("Command2"), BM_CLICK, 0, 0);
    CHECK(f.companions.notes()->hwnd() == first);
    // Closed by the user: gone, and the next click loads it anew.
    SendMessageW(first, WM_CLOSE, 0, 0);
    pumpMessages();
    CHECK(f.companions.notes() == nullptr);
    CHECK(!IsWindow(first));
    CHECK(IsWindow(form1.hwnd()));
    SendMessageW(form1.control("Command2"), BM_CLICK, 0, 0);
    REQUIRE(f.companions.notes());
    CHECK(IsWindow(f.companions.notes()->hwnd()));

    SendMessageW(form1.control("Command3"), BM_CLICK, 0, 0);
    REQUIRE(f.companions.webLink());
    // The main window closed leaves the others open.
    SendMessageW(form1.hwnd(), WM_CLOSE, 0, 0);
    pumpMessages();
    CHECK(IsWindow(f.companions.notes()->hwnd()));
    CHECK(IsWindow(f.companions.webLink()->hwnd()));
}

TEST_CASE("the link hands one command line to program start, hidden")
{
    // Started; failed; failed because nothing opens web addresses.
    for (int outcome : {0, 1, 2}) {
        INFO(outcome);
        const bool fails = outcome != 0;
        Fixture f;
        f.starter.fail = fails;
        f.starter.noOpener = outcome == 2;
        Web web(f.reporter, f.starter, 96);
        const HWND link = web.control("lblWebPage");
        const int id = GetDlgCtrlID(link);
        SendMessageW(web.hwnd(), WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(link));
        REQUIRE(f.starter.calls.size() == 1);
        CHECK(f.starter.calls[0].first == "start.exe " + std::string(WebPageAddress) + "/");
        CHECK(f.starter.calls[0].second == WindowStyle::Hidden);
        CHECK(f.reporter.reports.size() == (fails ? 1u : 0u));
        if (fails) {
            CHECK(f.reporter.reports[0].kind == ErrorKind::CannotStartProgram);
            CHECK(f.reporter.reports[0].detail.find("\n" + std::string(WebPageAddress) + "/") != std::string::npos);
            CHECK((f.reporter.reports[0].detail.find("no program is set to open web addresses") != std::string::npos)
                  == (outcome == 2));
        }
    }
}
