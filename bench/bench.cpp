// Times the main window's work on a lexicon of 200,000 entries:
// loading, sorting, saving, selecting, scrolling and typing in the search field.
#include "shell/platform.h"
#include "store/entrytable.h"
#include "ui/lexikon.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>

namespace {

QString randomWord(QRandomGenerator& rng, int minLength, int maxLength)
{
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzäöüßeeeennrrsstt");
    const int length = minLength + int(rng.bounded(maxLength - minLength + 1));
    QString word;
    for (int i = 0; i < length; ++i)
        word += letters.at(int(rng.bounded(letters.size())));
    if (rng.bounded(2))
        word[0] = word[0].toUpper();
    return word;
}

QByteArray generateLexicon(int entries)
{
    QRandomGenerator rng(20261211);
    QByteArray out = "Sippenkompass - Lexikondatei\n\n";
    for (int i = 0; i < entries; ++i) {
        QString explanation;
        const int words = 6 + int(rng.bounded(14));
        for (int w = 0; w < words; ++w)
            explanation += randomWord(rng, 2, 10) + (w == 5 && rng.bounded(4) == 0 ? "<br>" : " ");
        out += (randomWord(rng, 4, 14) + '#' + explanation.trimmed() + '#' + randomWord(rng, 4, 8) + '#'
                + randomWord(rng, 4, 10) + '\n')
                   .toUtf8();
    }
    return out;
}

void report(const char* what, double value, const char* unit)
{
    std::printf("%-40s %10.3f %s\n", what, value, unit);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int entries = 200000;

    QTemporaryDir dir;
    ScriptedPlatform scripted;
    scripted.appFolder = dir.path();
    scripted.desktop = dir.path();
    setPlatform(&scripted);

    const QByteArray file = generateLexicon(entries);
    {
        QFile f(dir.filePath("Lexikon.LEX"));
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(file);
    }
    std::printf("lexicon: %d entries, %.1f MB\n", entries, file.size() / 1e6);

    QElapsedTimer timer;
    timer.start();
    auto& w = Lexikon(); // builds the window and loads Lexikon.LEX beside the application
    app.processEvents();
    report("start-up with load", timer.nsecsElapsed() / 1e6, "ms");

    timer.restart();
    w.LexikonLaden();
    report("load (LexikonLaden)", timer.nsecsElapsed() / 1e6, "ms");

    timer.restart();
    w.ListBox1_HeaderPressed(0);
    app.processEvents();
    report("sort by column 0 (header click)", timer.nsecsElapsed() / 1e6, "ms");

    timer.restart();
    w.ListBox1_HeaderPressed(1);
    app.processEvents();
    report("sort by column 1 (header click)", timer.nsecsElapsed() / 1e6, "ms");

    timer.restart();
    w.FileLexikonSichern();
    report("save (sort by term + write)", timer.nsecsElapsed() / 1e6, "ms");

    QRandomGenerator rng(7);
    timer.restart();
    for (int i = 0; i < 1000; ++i) {
        w.ListBox1->selectRow(int(rng.bounded(entries)));
        app.processEvents();
    }
    report("1000 selection changes (with repaint)", timer.nsecsElapsed() / 1e6, "ms");

    QScrollBar* bar = w.ListBox1->verticalScrollBar();
    timer.restart();
    for (int i = 0; i < 1000; ++i) {
        bar->setValue(int(rng.bounded(bar->maximum() + 1)));
        w.ListBox1->viewport()->repaint();
    }
    report("scroll + repaint, per step", timer.nsecsElapsed() / 1e6 / 1000, "ms");

    // Keystrokes in the search field: Soundex, search, selection, scroll.
    QStringList prefixes;
    for (int i = 0; i < 1000; ++i)
        prefixes << w.entries().cell(rng.bounded(entries), 0).left(1 + int(rng.bounded(5)));
    timer.restart();
    for (const QString& prefix : prefixes)
        w.EditField1->setText(prefix);
    report("search keystroke, per keystroke", timer.nsecsElapsed() / 1e3 / prefixes.size(), "us");

    if (!scripted.notices.isEmpty() || !scripted.errorReports.isEmpty())
        std::printf("unexpected messages: %s\n", qPrintable((scripted.notices + scripted.errorReports).join("; ")));
    delete &w;
    setPlatform(nullptr);
    return 0;
}
