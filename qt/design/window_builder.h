// Turns a window design into widgets, each control at its place
// (qt/design/layout), in its colours on the user's theme (qt/design/theme)
// and keyboard rules (qt/design/keyboard). win32/design/ has the same files
// for the Windows front end.
#pragma once

#include "designs/window_design.h"
#include "qt/design/layout.h"
#include "qt/design/theme.h"

#include <QHash>
#include <QString>
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
