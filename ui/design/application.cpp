#include "ui/design/application.h"

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
    QFont::insertSubstitutions(QString::fromUtf8(kDesignFontFamily.data(), kDesignFontFamily.size()),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Arimo"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});

    // The designs draw sunken three-dimensional borders on every box, which
    // is the classic Windows look; Qt ships it on every platform.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
    // Every window shows the application icon in its title bar.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/assets/icons/hicolor/%1x%1/apps/varnel.png").arg(size), QSize(size, size));
    app.setWindowIcon(icon);
}

} // namespace varnel
