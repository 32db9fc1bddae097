// The clipboard shortcuts of the three text fields.
#include "list/clipboard.h"
#include "shell/platform.h"
#include "ui/lexikon.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTextCursor>
#include <QTextEdit>
#include <QValidator>

namespace {

TextState stateOf(QTextEdit* area)
{
    const QTextCursor cursor = area->textCursor();
    return {area->toPlainText(), cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
}

TextState stateOf(QLineEdit* field)
{
    if (field->hasSelectedText())
        return {field->text(), field->selectionStart(), field->selectionLength()};
    return {field->text(), field->cursorPosition(), 0};
}

void select(QTextEdit* area, qsizetype start, qsizetype length)
{
    QTextCursor cursor = area->textCursor();
    cursor.setPosition(int(start));
    cursor.setPosition(int(start + length), QTextCursor::KeepAnchor);
    area->setTextCursor(cursor);
}

void select(QLineEdit* field, qsizetype start, qsizetype length)
{
    if (length > 0)
        field->setSelection(int(start), int(length));
    else
        field->setCursorPosition(int(start));
}

// A text that the field's input rules forbid is reduced to what they allow
// (the year field keeps at most four digits).
QString allowedText(QLineEdit* field, QString text)
{
    if (const QValidator* validator = field->validator()) {
        int pos = 0;
        if (validator->validate(text, pos) == QValidator::Invalid) {
            QString kept;
            for (QChar c : text) {
                QString candidate = kept + c;
                if (validator->validate(candidate, pos) != QValidator::Invalid)
                    kept = candidate;
            }
            text = kept;
        }
    }
    if (field->maxLength() < text.size())
        text.truncate(field->maxLength());
    return text;
}

// Replaces the whole text, so that the field's text-change handling runs as
// for typing; returns the text the field then holds.
QString replaceText(QLineEdit* field, const QString& text)
{
    const QString allowed = allowedText(field, text);
    field->setText(allowed);
    return allowed;
}

QString replaceText(QTextEdit* area, const QString& text)
{
    area->setPlainText(text);
    return text;
}

template <class Field>
void apply(Field* target, const QString& key, QClipboard* clipboard, class Lexikon* window)
{
    const TextState state = stateOf(target);
    const char16_t k = key.size() == 1 ? key.at(0).toLower().unicode() : 0;
    if (k == 28) {
        select(target, 0, 0);
    } else if (k == 29) {
        select(target, state.text.size(), 0);
    } else if (k == u'a') {
        select(target, 0, state.text.size());
    } else if (k == u'x') {
        clipboard->setText(state.text.mid(state.selectionStart, state.selectionLength));
        const TextState cut = cutSelection(state);
        const QString text = replaceText(target, cut.text);
        select(target, std::min(cut.selectionStart, text.size()), 0);
    } else if (k == u'c') {
        clipboard->setText(state.text.mid(state.selectionStart, state.selectionLength));
    } else if (k == u'v') {
        const QMimeData* mime = clipboard->mimeData();
        if (!mime || !mime->hasText()) {
            window->hinweis(QStringLiteral("Kein Text zum Einfügen verfügbar."));
            return;
        }
        const TextState pasted = pasteText(state, clipboard->text());
        const QString text = replaceText(target, pasted.text);
        const qsizetype start = std::min(pasted.selectionStart, text.size());
        select(target, start, std::min(pasted.selectionLength, text.size() - start));
    }
}

} // namespace

void Lexikon::Clipboardfunktionen(const QString& key, QTextEdit* area, QLineEdit* field)
{
    try {
        QClipboard* clipboard = QApplication::clipboard();
        if (!clipboard)
            return;
        if (area)
            apply(area, key, clipboard, this);
        else if (field)
            apply(field, key, clipboard, this);
    } catch (...) {
        const std::optional<QString> areaText = area ? std::optional(area->toPlainText()) : std::nullopt;
        const std::optional<QString> fieldText = field ? std::optional(field->text()) : std::nullopt;
        Fehlerbehandlung(clipboardErrorPlace(areaText, fieldText, key), std::current_exception());
    }
}

void Lexikon::EditField2_KeyDown(const QString& key)
{
    if (platform().commandKeyDown())
        Clipboardfunktionen(key, EditField2, nullptr);
}
