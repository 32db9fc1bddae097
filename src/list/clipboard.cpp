#include "list/clipboard.h"

TextState cutSelection(const TextState& s)
{
    const QString& t = s.text;
    return {t.left(s.selectionStart) + t.right(t.size() - s.selectionStart - s.selectionLength),
            s.selectionStart, 0};
}

TextState pasteText(const TextState& s, const QString& pasted)
{
    const QString& t = s.text;
    return {t.left(s.selectionStart) + pasted + t.right(t.size() - s.selectionStart - s.selectionLength),
            s.selectionStart, pasted.size()};
}

QString shortcutKeyText(int qtKey, bool shift, const QString& eventText)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        const QChar letter(char16_t((shift ? 'A' : 'a') + (qtKey - Qt::Key_A)));
        return QString(letter);
    }
    switch (qtKey) {
    case Qt::Key_Left: return QString(QChar(28));
    case Qt::Key_Right: return QString(QChar(29));
    case Qt::Key_Up: return QString(QChar(30));
    case Qt::Key_Down: return QString(QChar(31));
    default: return eventText;
    }
}

bool isClipboardKey(const QString& key)
{
    if (key.size() != 1)
        return false;
    const char16_t c = key.at(0).toLower().unicode();
    return c == 28 || c == 29 || c == u'a' || c == u'x' || c == u'c' || c == u'v';
}

QString clipboardErrorPlace(const std::optional<QString>& areaText,
                            const std::optional<QString>& fieldText, const QString& key)
{
    const QString keyText = !key.isEmpty() && key.at(0).unicode() < 30 ? QString::number(key.at(0).unicode()) : key;
    return QStringLiteral("Clipboardfunktionen\nFeld=") + areaText.value_or(QStringLiteral("nil"))
        + QStringLiteral("\nFeld1=") + fieldText.value_or(QStringLiteral("nil")) + QStringLiteral("\nKey=")
        + keyText;
}
