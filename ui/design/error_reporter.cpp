#include "ui/design/error_reporter.h"

#include "ui/design/to_qstring.h"

#include <QApplication>
#include <QMessageBox>

namespace varnel {

QString errorTitle(ErrorKind kind)
{
    return toQString(errorName(kind));
}

void MessageBoxReporter::report(QWidget *parent, ErrorKind kind, const QString &detail)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), errorTitle(kind), QMessageBox::Ok, parent);
    box.setInformativeText(detail);
    box.exec();
}

} // namespace varnel
