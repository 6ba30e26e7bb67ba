// Where run-time errors meet the user. Windows report through this interface
// so tests can record reports instead of meeting a blocking message box.
#pragma once

#include "numbers/error_kind.h"

#include <QString>

class QWidget;

namespace varnel {

class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    // `detail` says what the user did that failed, for the message's body.
    virtual void report(QWidget *parent, ErrorKind kind, const QString &detail) = 0;
};

// A modal message box with the critical icon, titled with the program's name,
// naming the error. The program goes on after OK.
class MessageBoxReporter final : public ErrorReporter
{
public:
    void report(QWidget *parent, ErrorKind kind, const QString &detail) override;
};

QString errorTitle(ErrorKind kind);

} // namespace varnel
