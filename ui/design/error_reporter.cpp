#include "ui/design/error_reporter.h"

#include <QApplication>
#include <QMessageBox>

namespace varnel {

QString errorTitle(ErrorKind kind)
{
    const std::string_view name = errorName(kind);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void MessageBoxReporter::report(QWidget *parent, ErrorKind kind, const QString &detail)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), errorTitle(kind), QMessageBox::Ok, parent);
    box.setInformativeText(detail);
    box.exec();
}

} // namespace varnel
