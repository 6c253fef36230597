#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace qbx {

// An INI file in the shape of the Windows profile API: "[Section]" headers and
// "Key=Value" lines. Sections and keys are looked up ignoring case; a new
// section or key keeps the spelling of its first write, and later writes keep
// that spelling, so writing the first key under "FOLDERS" and the rest under
// "Folders" gives the header "[FOLDERS]". New sections go to the end of the
// file, new keys to the end of their section.
//
// Reading accepts CR LF or LF line ends, a UTF-8 byte-order mark, and text
// that is not UTF-8 (read as Windows-1251). Keys and values are trimmed and a
// value enclosed in matching quotes loses them, as the profile API does.
// Lines that are neither headers nor keys (comments) are kept. Lookups are
// hashed, so reading a file takes time linear in its size.
//
// Writing produces UTF-8 with CR LF line ends and an empty line between
// sections; a line break inside a key or value is written as a blank, so it
// cannot split the entry. UpdateFile writes beside the file and renames over it.
class IniFile {
public:
    // Reads the file when it exists; a missing or unreadable file is empty.
    explicit IniFile(const QString &fileName);
    // The file exists but could not be read (no permission, not a plain
    // file, or larger than an options file can be): writing this object
    // back would replace text it never saw.
    bool Unreadable() const { return unreadable_; }
    // An in-memory file parsed from bytes (no file name).
    static IniFile FromBytes(const QByteArray &bytes);
    // An empty file that UpdateFile writes to fileName, replacing whatever
    // that file holds only once the new text is safely on disc.
    static IniFile Empty(const QString &fileName);

    QString FileName() const { return fileName_; }

    bool SectionExists(const QString &section) const;
    bool ValueExists(const QString &section, const QString &key) const;
    QStringList Sections() const;
    QStringList Keys(const QString &section) const;

    // A missing key gives the default. ReadInteger also gives the default
    // when the text is not a whole decimal number; ReadBool is
    // ReadInteger(...) != 0.
    QString ReadString(const QString &section, const QString &key,
                       const QString &defaultValue = QString()) const;
    int ReadInteger(const QString &section, const QString &key, int defaultValue) const;
    bool ReadBool(const QString &section, const QString &key, bool defaultValue) const;

    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteInteger(const QString &section, const QString &key, int value);
    // Written as "1" or "0".
    void WriteBool(const QString &section, const QString &key, bool value);

    void DeleteKey(const QString &section, const QString &key);
    void EraseSection(const QString &section);

    // The file's text as UpdateFile writes it.
    QByteArray ToBytes() const;
    // Writes the file beside the old one, flushes it to disc and renames it
    // over the old one; false (the old file untouched) when that failed.
    bool UpdateFile() const;

private:
    struct Line {
        QString key; // empty for a comment or blank line kept as text
        QString value;
    };
    struct Section {
        QString name;
        QList<Line> lines;
        QHash<QString, qsizetype> keyIndex; // case-folded key -> position in lines
    };

    void Parse(const QByteArray &bytes);
    const Section *FindSection(const QString &name) const;
    Section &AddSection(const QString &name);
    static const Line *FindLine(const Section &section, const QString &key);
    static void AddLine(Section &section, const QString &key, const QString &value);
    void Reindex();

    QString fileName_;
    bool unreadable_ = false;
    QList<Section> sections_;
    QHash<QString, qsizetype> sectionIndex_; // case-folded name -> position in sections_
};

} // namespace qbx
