#include "qt/design/theme.h"

#include <QApplication>
#include <QWidget>

namespace varnel {

QColor toQColor(Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

SystemColours systemColours(const QPalette &palette)
{
    const auto rgb = [&](QPalette::ColorRole role) {
        const QColor colour = palette.color(QPalette::Active, role);
        return Rgb {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                    static_cast<std::uint8_t>(colour.blue())};
    };
    return {rgb(QPalette::Base),   rgb(QPalette::Text),       rgb(QPalette::WindowText),
            rgb(QPalette::Button), rgb(QPalette::ButtonText), false};
}

void applyColours(QWidget *widget, const ControlDesign &control, QPalette::ColorRole backgroundRole,
                  QPalette::ColorRole foregroundRole, bool textBox)
{
    const SystemColours system = systemColours(QApplication::palette());
    QPalette palette = widget->palette();
    const bool background = control.background.kind != Colour::Kind::Unset;
    const bool foreground = control.foreground.kind != Colour::Kind::Unset;
    if (background && foreground) {
        const ColourPair pair = resolvePair(control.background, control.foreground, system, textBox);
        palette.setColor(QPalette::All, backgroundRole, toQColor(pair.background));
        palette.setColor(QPalette::All, foregroundRole, toQColor(pair.foreground));
    } else if (background) {
        palette.setColor(QPalette::All, backgroundRole, toQColor(resolveColour(control.background, system)));
    } else if (foreground) {
        palette.setColor(QPalette::All, foregroundRole, toQColor(resolveColour(control.foreground, system)));
    }
    widget->setPalette(palette);
}

QColor resolveColour(const Colour &colour, const QPalette &systemPalette)
{
    if (colour.kind == Colour::Kind::Unset)
        return {};
    return toQColor(varnel::resolveColour(colour, systemColours(systemPalette)));
}

} // namespace varnel
