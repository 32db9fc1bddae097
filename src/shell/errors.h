#pragma once
// Failures and how the error report names them.
#include <QString>
#include <exception>
#include <stdexcept>

// The kinds of failure the error report can name, in the order they are tested.
enum class ErrorKind {
    TypeMismatch,
    NilObject,
    IllegalCast,
    KeyNotFound,
    OutOfBounds,
    OutOfMemory,
    RegEx,
    RegExSearch,
    ShellNotRunning,
    StackOverflow,
    UnsupportedFormat,
};

// Thrown by the program's own checked operations for kinds that have no
// standard exception of their own (an absent control, a missing key, ...).
class ProgramError : public std::runtime_error {
public:
    ProgramError(ErrorKind kind, const char* what) : std::runtime_error(what), m_kind(kind) {}
    ErrorKind kind() const { return m_kind; }

private:
    ErrorKind m_kind;
};

// The name the error report gives a failure; empty for no failure or an unknown kind.
QString errorKindName(const std::exception_ptr& error);

// "Fehler in der Routine >" + place, plus "(Fehlermeldung: " + name + ")" when named.
QString errorReportMessage(const QString& place, const QString& kindName);
