// Turns a window design into widgets. Twips become pixels by the designs'
// one rule (designs/window_design.h) at 96 dots per inch; Qt's high-DPI
// scaling takes the pixels on to larger screens.
#pragma once

#include "designs/window_design.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace varnel {

// The widgets of one built window, found by their design names.
class BuiltControls
{
public:
    // A name the design does not have, or a control of another kind, ends
    // the program at once with a message naming it.
    QWidget *widget(std::string_view name) const;
    template<typename T> T *get(std::string_view name) const
    {
        T *typed = qobject_cast<T *>(widget(name));
        if (!typed)
            qFatal("Control %.*s is not a %s", static_cast<int>(name.size()), name.data(),
                   T::staticMetaObject.className());
        return typed;
    }
    void insert(std::string_view name, QWidget *widget);

private:
    QHash<QString, QWidget *> m_widgets;
};

QColor resolveColour(const Colour &colour, const QPalette &systemPalette);
// The designs' font family, then its metric twins, in the order tried.
QStringList designFontFamilies();
// The first of them installed here: the face every design text is shown in.
QString shownDesignFamily();
QFont designFont(const FontDesign &font);
// A design rectangle in twips, in pixels at 96 dots per inch.
QRect pixelRect(int left, int top, int width, int height);

// A window built from its design, the base of every window of this front
// end, as win32's DesignWindow is of that one: the design's title, frame,
// client size, placement and background, and every control made in tab
// order as its child.
class DesignWindow : public QWidget
{
    Q_OBJECT

public:
    explicit DesignWindow(const WindowDesign &design, QWidget *parent = nullptr);

    const WindowDesign &design() const { return m_design; }
    // The control of the design row named `name`; a misspelt name, or a
    // control of another kind, ends the program at once with a message
    // naming it.
    QWidget *control(std::string_view name) const { return m_controls.widget(name); }
    template<typename T> T *control(std::string_view name) const { return m_controls.get<T>(name); }

protected:
    // The first time the window shows, the focus goes to the first control
    // that Tab visits.
    void showEvent(QShowEvent *event) override;

private:
    const WindowDesign &m_design;
    BuiltControls m_controls;
    bool m_shownBefore = false;
};

} // namespace varnel
