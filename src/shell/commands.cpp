// The timer, the load button and the commands that route to the store.
#include "shell/platform.h"
#include "store/entrytable.h"
#include "ui/lexikon.h"

#include <QLabel>
#include <QPushButton>

void Lexikon::updateCount()
{
    Label2->setText(QString::number(entries().count()));
    Label2->setVisible(true);
    Label2->repaint();
}

void Lexikon::Timer1_Action()
{
    guard(QStringLiteral("Lexikon/Timer1/Action"), Report::Failure, [&] {
        // The captions change only when the Option key changes.
        const bool option = platform().optionKeyDown();
        const QString loadCaption = option ? QStringLiteral("Lexikon hinzu") : QStringLiteral("Lexikon laden");
        if (PushButton1->text() != loadCaption) {
            PushButton1->setText(loadCaption);
            PushButton1->repaint();
            sichern->setText(option ? QStringLiteral("Sichern als") : QStringLiteral("Lexikon sichern"));
            sichern->repaint();
            update();
        }
        updateCount();
    });
}

void Lexikon::PushButton1_Action()
{
    if (PushButton1->text() == QStringLiteral("Lexikon laden"))
        LexikonOeffnen();
    // Adding another lexicon ("Lexikon hinzu") is not offered yet.
}

void Lexikon::LexikonOeffnen()
{
    // LexikonDatei keeps naming the file whose rows are shown: a cancelled
    // dialog or a refused file leaves it as it was, so that a later save
    // neither asks where to save unchanged rows nor writes them over the
    // refused file.
    const std::optional<QString> previous = LexikonDatei;
    LexikonDatei.reset();
    if (!LexikonLaden())
        LexikonDatei = previous;
}
