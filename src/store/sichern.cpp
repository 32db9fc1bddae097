// Saving a lexicon: LexikonSichern and the save commands.
#include "shell/platform.h"
#include "store/entrytable.h"
#include "store/filetypes.h"
#include "store/lexformat.h"
#include "ui/lexikon.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QSaveFile>
#include <stdexcept>

namespace {

// Write protection as the user sees it: no write permission for us, or no
// write bit at all (which root would otherwise ignore).
bool writeProtected(const QString& path)
{
    const QFileInfo info(path);
    const QFile::Permissions writeBits = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !info.isWritable() || !(info.permissions() & writeBits);
}

class WriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Lines are collected and written in blocks of this size.
constexpr qsizetype kBlockSize = 1 << 16;

} // namespace

bool Lexikon::LexikonSichern()
{
    QString step;
    qint64 i = 0;
    qint64 bis = 0;
    QString line;
    QSaveFile file;
    try {
        if (!LexikonDatei)
            LexikonDatei = platform().saveFile(platform().desktopFolder(), QStringLiteral("Lexikon.LEX"),
                                               fileTypesFilter());
        step = QStringLiteral("1");
        if (!LexikonDatei)
            return false;
        const QString path = *LexikonDatei;
        step = QStringLiteral("2");
        if (QFileInfo::exists(path) && writeProtected(path)) {
            step = QStringLiteral("3");
            hinweis(QStringLiteral("Die Datei ist schreibgeschützt!"));
            return false;
        }
        step = QStringLiteral("4");
        if (writeProtected(QFileInfo(path).absolutePath())) {
            step = QStringLiteral("4.1");
            hinweis(QStringLiteral("Sie haben keine Schreibrechte im Verzeichnis für die Lexikondatei. "
                                   "Bitte sichern Sie das Lexikon in einem anderen Verzeichnis."));
            return false;
        }
        step = QStringLiteral("4.2");
        // The old file is replaced only once the new one is complete.
        file.setFileName(path);
        if (!file.open(QIODevice::WriteOnly))
            throw WriteError("the file cannot be created");
        step = QStringLiteral("5");
        if (!file.isOpen()) {
            step = QStringLiteral("6");
            hinweis(QStringLiteral("Datei konnte nicht zum Schreiben geöffnet werden!"));
            return false;
        }
        // Qt reports a short write (a full disk, a size limit) as success, so
        // every block is checked against the size the file really has.
        qint64 written = 0;
        auto writeBlock = [&](QByteArray& bytes) {
            if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != written + bytes.size())
                throw WriteError("writing the file failed");
            written += bytes.size();
            bytes.clear();
        };
        step = QStringLiteral("7");
        QByteArray block = QString::fromUtf16(kLexHeader).toUtf8() + "\n\n";
        bis = entries().count() - 1;
        step = QStringLiteral("9");
        block.reserve(kBlockSize + 4096);
        for (i = 0; i <= bis; ++i) {
            step = QStringLiteral("10");
            line = composeEntryLine(entries().row(i));
            step = QStringLiteral("11");
            if (line != QStringLiteral("###")) {
                step = QStringLiteral("12");
                block += line.toUtf8();
                block += '\n';
                if (block.size() >= kBlockSize)
                    writeBlock(block);
            }
            step = QStringLiteral("13");
        }
        step = QStringLiteral("14");
        writeBlock(block);
        if (!file.commit())
            throw WriteError("replacing the file failed");
        return true;
    } catch (...) {
        if (step == QStringLiteral("4.2")) {
            hinweis(QStringLiteral("Datei konnte nicht gesichert werden!"));
        } else {
            file.cancelWriting(); // the old file stays as it was
            Fehlerbehandlung(QStringLiteral("Lexikon/LexikonSichern, Fehlerstelle: ") + step
                                 + QStringLiteral("; i=") + QString::number(i) + QStringLiteral("; bis=")
                                 + QString::number(bis) + QStringLiteral("; Zeile=") + line,
                             std::current_exception(), false);
        }
        return false;
    }
}

void Lexikon::saveSorted()
{
    entries().sortByColumn(0);
    // Only a written file clears LexChanged: a refused or failed save keeps
    // the close prompt protecting the changes.
    if (LexikonSichern())
        LexChanged = false;
}

void Lexikon::FileLexikonSichern()
{
    guard(QStringLiteral("App/FileLexikonSichern"), Report::Failure, [&] { saveSorted(); });
}

void Lexikon::FileLexikonSichernAls()
{
    guard(QStringLiteral("App/FileLexikonSichernAls"), Report::Failure, [&] {
        LexikonDatei.reset();
        saveSorted();
    });
}

void Lexikon::sichern_Action()
{
    guard(QStringLiteral("Lexikon/sichern/Action"), Report::PlaceOnly, [&] {
        if (sichern->text() != QStringLiteral("Lexikon sichern"))
            LexikonDatei.reset();
        sichern->setEnabled(false);
        sichern->setText(QStringLiteral("Sortiere"));
        sichern->repaint();
        entries().sortByColumn(0);
        sichern->setText(QStringLiteral("Sichern"));
        sichern->repaint();
        if (LexikonSichern())
            LexChanged = false;
    });
    // Also after a failure inside the action.
    restoreSaveButton();
}

void Lexikon::restoreSaveButton()
{
    sichern->setEnabled(true);
    sichern->setText(QStringLiteral("Lexikon sichern"));
}
