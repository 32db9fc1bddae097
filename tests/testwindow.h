#pragma once
// Builds the real main window offscreen with a scripted platform.
#include "shell/platform.h"
#include "store/entrytable.h"
#include "ui/lexikon.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

struct TestWindow {
    ScriptedPlatform platform;
    QTemporaryDir appDir;
    QTemporaryDir desktop;

    TestWindow()
    {
        platform.appFolder = appDir.path();
        platform.desktop = desktop.path();
        setPlatform(&platform);
        if (lexikonExists())
            delete &Lexikon();
    }
    ~TestWindow()
    {
        // A dialog that came without a prepared answer fails the test.
        if (!platform.unexpected.isEmpty())
            QTest::qFail(qPrintable("unexpected dialog: " + platform.unexpected.join("; ")), __FILE__, __LINE__);
        if (lexikonExists())
            delete &Lexikon();
        setPlatform(nullptr);
    }

    // Writes a file beside the application (or anywhere, with an absolute name).
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = QDir::isAbsolutePath(name) ? name : appDir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        f.write(bytes);
        return path;
    }

    auto& open()
    {
        auto& w = Lexikon();
        return w;
    }
};

inline QByteArray lexFile(const QByteArray& body)
{
    return "Sippenkompass - Lexikondatei\n\n" + body;
}

// The rows of the window's table, each as "a|b|c|d".
inline QStringList tableRows(const EntryTable& t)
{
    QStringList out;
    for (const EntryRow& r : t.rows())
        out << QStringList{r[0], r[1], r[2], r[3]}.join(QLatin1Char('|'));
    return out;
}
