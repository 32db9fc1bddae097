#pragma once
// The lexicon file format: header, entry lines of "#"-separated fields,
// "<br>" for the line breaks of the explanation.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

using EntryRow = std::array<QString, 4>;

inline constexpr char16_t kLexHeader[] = u"Sippenkompass - Lexikondatei";
inline constexpr char16_t kEndMarker[] = u"<Ende Zeilentabelle>";
inline constexpr char16_t kTitlePrefix[] = u"<Title>";

// Field n (1-based) of a line cut at every "#"; empty when the line has fewer fields.
QString lineField(QStringView line, int n);

bool isHeaderLine(QStringView line);
bool isEndMarker(QStringView line);
bool isTitleLine(QStringView line);

// The four headings of a title line (its fields 2 to 5).
EntryRow titleHeadings(QStringView line);

// The row an entry line gives: fields 1 to 4, "<br>" in field 2 turned into
// line breaks. The line as UTF-8 bytes (invalid sequences are read as
// replacement characters) or as text.
EntryRow parseEntryLine(QByteArrayView utf8Line);
EntryRow parseEntryLine(const QString& line);

// What a lexicon file holds, read by the loader's rules: the header line
// first, then up to the end marker title lines (the last one gives the
// headings), empty lines (skipped) and entry lines.
struct LexiconContent {
    bool headerOk = false;
    QList<EntryRow> rows;
    std::optional<EntryRow> headings;
};
// The file's bytes are UTF-8; invalid sequences are read as replacement
// characters, and a byte-order mark before the header is skipped.
LexiconContent parseLexicon(const QByteArray& bytes);

// The line the writer produces for a row: cells trimmed, line breaks of the
// explanation written as "<br>", joined by "#". "###" means an empty row.
QString composeEntryLine(const EntryRow& row);

// The lines of the bytes, ended by CR, LF or CR LF (views into bytes). A
// final line ending does not start a line.
QList<QByteArrayView> splitLines(QByteArrayView bytes);
