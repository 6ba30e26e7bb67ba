// The PNG painter as a module that varnel-sheet loads only when it writes
// a PNG: Qt's libraries take more to load than a whole PDF sheet takes to
// make, so a PDF or SVG sheet starts without them.
#include "qt/drawing/sheet_png_module.h"

#include "qt/drawing/page_painter.h"

#include <QGuiApplication>

#include <cstdio>

namespace {

constexpr int kPngDotsPerInch = 150;

// Qt's own chatter (a missing XDG_RUNTIME_DIR, say) is no business of a
// command-line tool's user; its real failures still get through.
void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "varnel-sheet: %s\n", qPrintable(message));
}

} // namespace

extern "C" Q_DECL_EXPORT const char *varnelSheetPngBoundary()
{
    static const std::string boundary = sheetPngBoundary();
    return boundary.c_str();
}

extern "C" Q_DECL_EXPORT bool varnelSheetPng(const std::vector<varnel::Page> &pages, std::string &png)
{
    // Fonts and painting, no window: the offscreen platform serves anywhere.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietHandler);
    static int argc = 1;
    static char name[] = "varnel-sheet";
    static char *argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    png = varnel::pngOfPages(pages, kPngDotsPerInch);
    return !png.empty();
}
