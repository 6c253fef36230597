#pragma once

#include <QHash>
#include <QString>

namespace qbx {

// The program's version record: ten values with their defaults for a value
// that is missing.
struct TVersionInfo {
    QString CompanyName;
    QString LegalTrademarks;
    QString LegalCopyright; // the legal notice
    QString ProductName;
    QString ProductVersion = QStringLiteral("1.0.0.0");
    QString FileDescription;
    QString FileVersion = QStringLiteral("1.0.0.0");
    QString InternalName;
    QString OriginalFilename;
    QString Comments;
};

// Builds the record from values named by their standard entry names
// ("CompanyName", "FileVersion"...); a missing or empty value keeps its default.
TVersionInfo VersionInfoFrom(const QHash<QString, QString> &values);

// The version record of the running program, from the values the build
// compiled in.
TVersionInfo ReadVersionInfo();

// The text of the About box: the file description, the version, an empty
// line and the maker's notice; line breaks are "\r" as in every text the
// program shows.
QString AboutText(const TVersionInfo &info);

} // namespace qbx
