#pragma once
// The text compositions of the clipboard shortcuts.
#include <QString>
#include <optional>

struct TextState {
    QString text;
    qsizetype selectionStart = 0;
    qsizetype selectionLength = 0;
    bool operator==(const TextState&) const = default;
};

// The selection removed; the caret where it began.
TextState cutSelection(const TextState& state);
// The selection replaced by `pasted`, which is then selected.
TextState pasteText(const TextState& state, const QString& pasted);

// The key a shortcut stands for: letters as typed (Shift gives capitals), the
// arrow keys as the control characters 28 (left) to 31 (down). Empty for
// keys without a character.
QString shortcutKeyText(int qtKey, bool shift, const QString& eventText);

// Whether Clipboardfunktionen gives the key a meaning (arrows left/right, a, x, c, v).
bool isClipboardKey(const QString& key);

// The place of the error report of the clipboard functions: four lines.
QString clipboardErrorPlace(const std::optional<QString>& areaText,
                            const std::optional<QString>& fieldText, const QString& key);
