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
    // The message is modal: the user answers it before going on.
    virtual void report(QWidget *parent, ErrorKind kind, const QString &detail) = 0;
    // The same message without blocking anything, for a failure found later
    // (a started program that ended badly).
    virtual void notify(QWidget *parent, ErrorKind kind, const QString &detail) = 0;
};

// A message box with the critical icon, titled with the program's name,
// naming the error; its text can be selected and copied. The program goes
// on after OK.
class MessageBoxReporter final : public ErrorReporter
{
public:
    void report(QWidget *parent, ErrorKind kind, const QString &detail) override;
    void notify(QWidget *parent, ErrorKind kind, const QString &detail) override;
};

QString errorTitle(ErrorKind kind);

} // namespace varnel
