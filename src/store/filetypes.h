#pragma once
#include <QString>
#include <QList>

// The file types offered by every open and save dialog, in this order.
struct FileType {
    QString name;
    QString extension;   // empty: any name
    QString typeCode;
    QString creatorCode; // empty: none
};

const QList<FileType>& FileTypes();
// The names joined by ";": "text;alle;Lexikon;special/any".
QString fileTypesText();
// The same list as a Qt dialog filter.
QString fileTypesFilter();
