#pragma once
// The lexicon file format: header, entry lines of "#"-separated fields,
// "<br>" for the line breaks of the explanation.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

using EntryRow = std::array<QString, 4>;

inline constexpr char16_t kLexHeader[] = u"Sippenkompass - Lexikondatei";
inline constexpr char16_t kEndMarker[] = u"<Ende Zeilentabelle>";
inline constexpr char16_t kTitlePrefix[] = u"<Title>";

// Field n (1-based) of a line cut at every "#"; empty when the line has fewer fields.
QString lineField(const QString& line, int n);

bool isHeaderLine(const QString& line);
bool isEndMarker(const QString& line);
bool isTitleLine(const QString& line);

// The four headings of a title line (its fields 2 to 5).
EntryRow titleHeadings(const QString& line);

// The row an entry line gives: fields 1 to 4, "<br>" in field 2 turned into line breaks.
EntryRow parseEntryLine(const QString& line);

// The line the writer produces for a row: cells trimmed, line breaks of the
// explanation written as "<br>", joined by "#". "###" means an empty row.
QString composeEntryLine(const EntryRow& row);

// Decodes file bytes as UTF-8 (invalid sequences become replacement
// characters, a leading byte-order mark is dropped) and splits the text into
// lines ended by CR, LF or CR LF. A final line ending does not start a line.
QStringList decodeLines(const QByteArray& bytes);
