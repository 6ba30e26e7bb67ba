#include "qt/design/application.h"

#include "designs/window_design.h"
#include "qt/design/to_qstring.h"
#include "qt/design/window_builder.h"
#include "qt/drawing/bitmap_files.h"
#include "varnel/build_info.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>

namespace varnel {

void setApplicationIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("varnel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VARNEL_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("varnel"));
}

void setUpApplication(QApplication &app)
{
    setApplicationIdentity();
    // The desktop entry's name: docks and task bars group the windows with
    // their launcher by it (the Wayland app id, and on X11 with the class).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.varnel"));

    // Message boxes and anything else without a design of its own speak
    // in the designs' default font too, and no other font need be loaded.
    QApplication::setFont(designFont(fonts::standard));

    // The designs draw sunken three-dimensional borders on every box, which
    // is the classic Windows look; Qt ships it on every platform.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
    // Every window shows the application icon in its title bar: the small
    // drawn images of the .ico. Docks and task switchers, on X11 and on
    // Wayland, find the large sizes in the icon theme through the desktop
    // entry; decoding them here would cost an eighth of the start-up.
    QIcon icon;
    for (const IconImage &image : readIconFile(readWholeFile(QStringLiteral(":/assets/varnel.ico"))))
        icon.addPixmap(QPixmap::fromImage(image.image));
    app.setWindowIcon(icon);
}

} // namespace varnel
