#include "shell/errors.h"

#include <any>
#include <new>
#include <regex>
#include <typeinfo>
#include <variant>

namespace {

QString nameOf(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::TypeMismatch: return QStringLiteral("TypeMismatchException");
    case ErrorKind::NilObject: return QStringLiteral("NilObjectException");
    // The report has always spelt this one without the "g"; users search for it.
    case ErrorKind::IllegalCast: return QStringLiteral("IllealCastException");
    case ErrorKind::KeyNotFound: return QStringLiteral("KeyNotFoundException");
    case ErrorKind::OutOfBounds: return QStringLiteral("OutOfBoundsException");
    case ErrorKind::OutOfMemory: return QStringLiteral("OutOfMemoryException");
    case ErrorKind::RegEx: return QStringLiteral("RegExException");
    case ErrorKind::RegExSearch: return QStringLiteral("RegExSearchException");
    case ErrorKind::ShellNotRunning: return QStringLiteral("ShellNotRunningException");
    case ErrorKind::StackOverflow: return QStringLiteral("StackOverflowException");
    case ErrorKind::UnsupportedFormat: return QStringLiteral("UnsupportedFormatException");
    }
    return {};
}

} // namespace

QString errorKindName(const std::exception_ptr& error)
{
    if (!error)
        return {};
    try {
        std::rethrow_exception(error);
    } catch (const ProgramError& e) {
        return nameOf(e.kind());
    } catch (const std::bad_any_cast&) {       // before bad_cast, which it derives from
        return nameOf(ErrorKind::TypeMismatch);
    } catch (const std::bad_variant_access&) {
        return nameOf(ErrorKind::TypeMismatch);
    } catch (const std::bad_cast&) {
        return nameOf(ErrorKind::IllegalCast);
    } catch (const std::out_of_range&) {
        return nameOf(ErrorKind::OutOfBounds);
    } catch (const std::bad_alloc&) {
        return nameOf(ErrorKind::OutOfMemory);
    } catch (const std::regex_error&) {
        return nameOf(ErrorKind::RegEx);
    } catch (...) {
        return {};
    }
}

QString errorReportMessage(const QString& place, const QString& kindName)
{
    QString message = QStringLiteral("Fehler in der Routine >") + place;
    if (!kindName.isEmpty())
        message += QStringLiteral("(Fehlermeldung: ") + kindName + QLatin1Char(')');
    return message;
}
