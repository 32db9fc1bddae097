#pragma once
// Everything that would block a test or needs a person goes through Platform.
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

class QWidget;

class Platform {
public:
    enum class SaveAnswer { Save, DontSave, Cancel };

    virtual ~Platform() = default;

    // Modal message with the caution icon and one "OK" button.
    virtual void notice(const QString& text) = 0;
    // Modal message with the caution icon and one "Weiter" button.
    virtual void errorReport(const QString& message) = 0;
    // The close prompt: "Sichern", "Nicht sichern" or "Abbrechen".
    virtual SaveAnswer askSaveChanges(const QString& message, const QString& explanation) = 0;
    virtual std::optional<QString> openFile(const QString& title, const QString& folder,
                                            const QString& filter) = 0;
    virtual std::optional<QString> saveFile(const QString& folder, const QString& proposedName,
                                            const QString& filter) = 0;
    virtual void beep() = 0;
    // Live state of the menu-shortcut key (Control; Command on macOS) and of Option (Alt).
    virtual bool commandKeyDown() = 0;
    virtual bool optionKeyDown() = 0;
    virtual void openUrl(const QUrl& url) = 0;
    virtual void bringToFront() = 0;
    virtual QString applicationFolder() = 0;
    virtual QString desktopFolder() = 0;
};

// The platform in use; the real one unless a test or benchmark installed another.
Platform& platform();
// Installs p (not owned); nullptr goes back to the real platform.
void setPlatform(Platform* p);

class QtPlatform : public Platform {
public:
    void notice(const QString& text) override;
    void errorReport(const QString& message) override;
    SaveAnswer askSaveChanges(const QString& message, const QString& explanation) override;
    std::optional<QString> openFile(const QString& title, const QString& folder,
                                    const QString& filter) override;
    std::optional<QString> saveFile(const QString& folder, const QString& proposedName,
                                    const QString& filter) override;
    void beep() override;
    bool commandKeyDown() override;
    bool optionKeyDown() override;
    void openUrl(const QUrl& url) override;
    void bringToFront() override;
    QString applicationFolder() override;
    QString desktopFolder() override;
};

// A platform for tests and benchmarks: records every notice, error report,
// beep and dialog, answers dialogs from queues, and lists every dialog that
// came without a prepared answer in `unexpected`.
class ScriptedPlatform : public Platform {
public:
    QStringList notices;
    QStringList errorReports;
    QStringList dialogs;            // titles / kinds of the file dialogs shown
    QStringList unexpected;
    QList<std::optional<QString>> openAnswers;
    QList<std::optional<QString>> saveAnswers;
    QList<SaveAnswer> closeAnswers;
    QString lastFilter;
    QString lastFolder;
    QString lastProposedName;
    int beeps = 0;
    bool command = false;
    bool option = false;
    QList<QUrl> openedUrls;
    int broughtToFront = 0;
    QString appFolder;
    QString desktop;

    void notice(const QString& text) override;
    void errorReport(const QString& message) override;
    SaveAnswer askSaveChanges(const QString& message, const QString& explanation) override;
    std::optional<QString> openFile(const QString& title, const QString& folder,
                                    const QString& filter) override;
    std::optional<QString> saveFile(const QString& folder, const QString& proposedName,
                                    const QString& filter) override;
    void beep() override { ++beeps; }
    bool commandKeyDown() override { return command; }
    bool optionKeyDown() override { return option; }
    void openUrl(const QUrl& url) override { openedUrls << url; }
    void bringToFront() override { ++broughtToFront; }
    QString applicationFolder() override { return appFolder; }
    QString desktopFolder() override { return desktop; }
};
