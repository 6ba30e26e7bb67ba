#include "qt/design/error_reporter.h"

#include "qt/design/to_qstring.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

namespace varnel {

QString errorTitle(ErrorKind kind)
{
    return toQString(errorName(kind));
}

namespace {

void prepare(QMessageBox &box, const QString &detail)
{
    box.setInformativeText(detail);
    // An address or an input in the message can be copied from it.
    for (QLabel *label : box.findChildren<QLabel *>())
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

} // namespace

void MessageBoxReporter::report(QWidget *parent, ErrorKind kind, const QString &detail)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), errorTitle(kind), QMessageBox::Ok, parent);
    prepare(box, detail);
    box.exec();
}

void MessageBoxReporter::notify(QWidget *parent, ErrorKind kind, const QString &detail)
{
    auto *box = new QMessageBox(QMessageBox::Critical, QApplication::applicationName(), errorTitle(kind),
                                QMessageBox::Ok, parent);
    prepare(*box, detail);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

} // namespace varnel
