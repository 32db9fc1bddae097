#include "shell/platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QWidget>

namespace {
QtPlatform realPlatform;
Platform* current = nullptr;

void cautionBox(const QString& text, const QString& button)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Vokabo"), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.addButton(button, QMessageBox::AcceptRole);
    box.exec();
}
} // namespace

Platform& platform()
{
    return current ? *current : realPlatform;
}

void setPlatform(Platform* p)
{
    current = p;
}

void QtPlatform::notice(const QString& text)
{
    cautionBox(text, QStringLiteral("OK"));
}

void QtPlatform::errorReport(const QString& message)
{
    cautionBox(message, QStringLiteral("Weiter"));
}

Platform::SaveAnswer QtPlatform::askSaveChanges(const QString& message, const QString& explanation)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Vokabo"), message, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setInformativeText(explanation);
    QPushButton* save = box.addButton(QStringLiteral("Sichern"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    QPushButton* dontSave = box.addButton(QStringLiteral("Nicht sichern"), QMessageBox::DestructiveRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveAnswer::Save;
    if (box.clickedButton() == dontSave)
        return SaveAnswer::DontSave;
    return SaveAnswer::Cancel;
}

std::optional<QString> QtPlatform::openFile(const QString& title, const QString& folder,
                                            const QString& filter)
{
    const QString file = QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<QString> QtPlatform::saveFile(const QString& folder, const QString& proposedName,
                                            const QString& filter)
{
    const QString file = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(),
                                                      folder + QLatin1Char('/') + proposedName, filter);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

void QtPlatform::beep()
{
    QApplication::beep();
}

bool QtPlatform::commandKeyDown()
{
    return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier;
}

bool QtPlatform::optionKeyDown()
{
    return QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier;
}

void QtPlatform::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

void QtPlatform::bringToFront()
{
    if (QWidget* w = QApplication::activeWindow())
        w->activateWindow();
    else if (!QApplication::topLevelWidgets().isEmpty())
        QApplication::topLevelWidgets().constFirst()->activateWindow();
}

QString QtPlatform::applicationFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString QtPlatform::desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

// --- ScriptedPlatform -------------------------------------------------------

void ScriptedPlatform::notice(const QString& text)
{
    notices << text;
}

void ScriptedPlatform::errorReport(const QString& message)
{
    errorReports << message;
}

Platform::SaveAnswer ScriptedPlatform::askSaveChanges(const QString& message, const QString&)
{
    dialogs << QStringLiteral("close prompt");
    if (closeAnswers.isEmpty()) {
        unexpected << QStringLiteral("close prompt: ") + message;
        return SaveAnswer::Cancel;
    }
    return closeAnswers.takeFirst();
}

std::optional<QString> ScriptedPlatform::openFile(const QString& title, const QString& folder,
                                                  const QString& filter)
{
    dialogs << QStringLiteral("open: ") + title;
    lastFolder = folder;
    lastFilter = filter;
    if (openAnswers.isEmpty()) {
        unexpected << QStringLiteral("open dialog: ") + title;
        return std::nullopt;
    }
    return openAnswers.takeFirst();
}

std::optional<QString> ScriptedPlatform::saveFile(const QString& folder, const QString& proposedName,
                                                  const QString& filter)
{
    dialogs << QStringLiteral("save: ") + proposedName;
    lastFolder = folder;
    lastFilter = filter;
    lastProposedName = proposedName;
    if (saveAnswers.isEmpty()) {
        unexpected << QStringLiteral("save dialog");
        return std::nullopt;
    }
    return saveAnswers.takeFirst();
}
