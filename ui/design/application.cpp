#include "ui/design/application.h"

#include "ui/design/bitmap_files.h"
#include "ui/design/to_qstring.h"
#include "ui/design/window_builder.h"
#include "ui/design/window_design.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>

namespace varnel {

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("varnel"));
    QApplication::setApplicationVersion(QStringLiteral(VARNEL_VERSION));
    QApplication::setOrganizationName(QStringLiteral("varnel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.varnel"));

    // The designs ask for "MS Sans Serif" by name. Where it is missing, take
    // the nearest in metrics, so that captions wrap and fit as designed:
    // Liberation Sans and Arimo share Arial's widths.
    QFont::insertSubstitutions(toQString(kDesignFontFamily),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});

    // Message boxes and anything else without a design of its own speak
    // in the designs' default font too, and no other font need be loaded.
    QApplication::setFont(designFont(fonts::standard));

    // The designs draw sunken three-dimensional borders on every box, which
    // is the classic Windows look; Qt ships it on every platform.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
    // Every window shows the application icon in its title bar.
    QIcon icon;
    for (const IconImage &image : readIconFile(readWholeFile(QStringLiteral(":/assets/varnel.ico"))))
        icon.addPixmap(QPixmap::fromImage(image.image));
    app.setWindowIcon(icon);
}

} // namespace varnel
