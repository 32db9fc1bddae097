// The two ways the program speaks to the user about problems.
#include "shell/errors.h"
#include "shell/platform.h"
#include "ui/lexikon.h"

void Lexikon::hinweis(const QString& text)
{
    platform().notice(text);
}

void Lexikon::Fehlerbehandlung(const QString& place, std::exception_ptr error, bool)
{
    platform().errorReport(errorReportMessage(place, errorKindName(error)));
}
