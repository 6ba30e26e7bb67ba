#include "win32/design/theme.h"

#include "win32/design/window_builder.h"

namespace varnel::win32 {

namespace {

const SystemColours *g_testTheme = nullptr;

Rgb systemRgb(int index)
{
    const COLORREF colour = GetSysColor(index);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

} // namespace

SystemColours systemColours()
{
    if (g_testTheme)
        return *g_testTheme;
    HIGHCONTRASTW contrast {sizeof contrast, 0, nullptr};
    const bool high = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0)
        && (contrast.dwFlags & HCF_HIGHCONTRASTON);
    return {systemRgb(COLOR_WINDOW),  systemRgb(COLOR_WINDOWTEXT), systemRgb(COLOR_MENUTEXT),
            systemRgb(COLOR_BTNFACE), systemRgb(COLOR_BTNTEXT),    high};
}

void useThemeForTesting(const SystemColours *theme)
{
    g_testTheme = theme;
}

COLORREF colourRef(Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

LRESULT DesignWindow::controlColours(HDC dc, HWND control)
{
    const ControlDesign *row = designOf(control);
    if (!row || row->background.kind == Colour::Kind::Unset)
        return 0;
    // By the designs' one rule: as designed on a light theme, readable on
    // a dark one, the user's own colours in high contrast.
    const ColourPair pair
        = resolvePair(row->background, row->foreground, systemColours(), row->kind == ControlKind::TextBox);
    const COLORREF background = colourRef(pair.background);
    SetBkColor(dc, background);
    if (row->foreground.kind != Colour::Kind::Unset)
        SetTextColor(dc, colourRef(pair.foreground));
    return reinterpret_cast<LRESULT>(brushFor(background));
}

HBRUSH DesignWindow::brushFor(COLORREF colour)
{
    for (auto &[made, brush] : m_brushes) {
        if (made == colour)
            return brush;
    }
    HBRUSH brush = CreateSolidBrush(colour);
    m_brushes.emplace_back(colour, brush);
    return brush;
}

} // namespace varnel::win32
