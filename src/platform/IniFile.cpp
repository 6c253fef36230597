#include "platform/IniFile.h"

#include "platform/AtomicFile.h"
#include "platform/Codec.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace qbx {

namespace {

// An INI file larger than this is not an options file; it is not read.
constexpr qint64 kMaxIniSize = 16 * 1024 * 1024;

QString Decode(const QByteArray &bytes)
{
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(body);
    if (utf8.hasError())
        return codec::FromCp1251(body);
    return text;
}

// The profile API drops one pair of enclosing quotes from a value.
QString Unquote(const QString &value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

} // namespace

IniFile::IniFile(const QString &fileName) : fileName_(fileName)
{
    if (fileName.isEmpty())
        return;
    const QFileInfo info(fileName);
    if (!info.exists())
        return;
    QFile file(fileName);
    if (!info.isFile() || info.size() > kMaxIniSize || !file.open(QIODevice::ReadOnly)) {
        unreadable_ = true;
        return;
    }
    Parse(file.readAll());
}

IniFile IniFile::FromBytes(const QByteArray &bytes)
{
    IniFile ini{QString()};
    ini.Parse(bytes);
    return ini;
}

IniFile IniFile::Empty(const QString &fileName)
{
    IniFile ini = FromBytes(QByteArray());
    ini.fileName_ = fileName;
    return ini;
}

void IniFile::Parse(const QByteArray &bytes)
{
    sections_.clear();
    sectionIndex_.clear();
    const QString text = Decode(bytes);
    Section *current = nullptr;
    for (QStringView raw : QStringView(text).split(QLatin1Char('\n'))) {
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        const QStringView line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            const QString name =
                (close < 0 ? line.mid(1) : line.mid(1, close - 1)).trimmed().toString();
            current = &AddSection(name);
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const bool isKey = eq > 0 && !line.startsWith(QLatin1Char(';'));
        if (!current) {
            // Text before the first header belongs to no section; the profile
            // API ignores it, and so do we.
            continue;
        }
        if (!isKey) {
            if (!line.isEmpty())
                current->lines.append(Line{QString(), raw.toString()});
            continue;
        }
        const QString key = line.left(eq).trimmed().toString();
        const QString value = Unquote(line.mid(eq + 1).trimmed().toString());
        // A repeated key: the first one is the one that is read.
        if (!FindLine(*current, key))
            AddLine(*current, key, value);
    }
}

const IniFile::Section *IniFile::FindSection(const QString &name) const
{
    const auto it = sectionIndex_.constFind(name.toCaseFolded());
    return it == sectionIndex_.constEnd() ? nullptr : &sections_[*it];
}

IniFile::Section &IniFile::AddSection(const QString &name)
{
    const QString folded = name.toCaseFolded();
    const auto it = sectionIndex_.constFind(folded);
    if (it != sectionIndex_.constEnd())
        return sections_[*it];
    sectionIndex_.insert(folded, sections_.size());
    sections_.append(Section{name, {}, {}});
    return sections_.last();
}

const IniFile::Line *IniFile::FindLine(const Section &section, const QString &key)
{
    const auto it = section.keyIndex.constFind(key.toCaseFolded());
    return it == section.keyIndex.constEnd() ? nullptr : &section.lines[*it];
}

void IniFile::AddLine(Section &section, const QString &key, const QString &value)
{
    section.keyIndex.insert(key.toCaseFolded(), section.lines.size());
    section.lines.append(Line{key, value});
}

void IniFile::Reindex()
{
    sectionIndex_.clear();
    for (qsizetype i = 0; i < sections_.size(); ++i) {
        Section &s = sections_[i];
        sectionIndex_.insert(s.name.toCaseFolded(), i);
        s.keyIndex.clear();
        for (qsizetype j = 0; j < s.lines.size(); ++j)
            if (!s.lines[j].key.isEmpty())
                s.keyIndex.insert(s.lines[j].key.toCaseFolded(), j);
    }
}

bool IniFile::SectionExists(const QString &section) const
{
    return FindSection(section);
}

bool IniFile::ValueExists(const QString &section, const QString &key) const
{
    const Section *s = FindSection(section);
    return s && FindLine(*s, key);
}

QStringList IniFile::Sections() const
{
    QStringList names;
    for (const Section &s : sections_)
        names.append(s.name);
    return names;
}

QStringList IniFile::Keys(const QString &section) const
{
    QStringList keys;
    if (const Section *s = FindSection(section))
        for (const Line &l : s->lines)
            if (!l.key.isEmpty())
                keys.append(l.key);
    return keys;
}

QString IniFile::ReadString(const QString &section, const QString &key,
                            const QString &defaultValue) const
{
    const Section *s = FindSection(section);
    const Line *l = s ? FindLine(*s, key) : nullptr;
    return l ? l->value : defaultValue;
}

int IniFile::ReadInteger(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int value = ReadString(section, key).toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool IniFile::ReadBool(const QString &section, const QString &key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    Section &s = AddSection(section);
    const auto it = s.keyIndex.constFind(key.toCaseFolded());
    if (it != s.keyIndex.constEnd())
        s.lines[*it].value = value;
    else
        AddLine(s, key, value);
}

void IniFile::WriteInteger(const QString &section, const QString &key, int value)
{
    WriteString(section, key, QString::number(value));
}

void IniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::DeleteKey(const QString &section, const QString &key)
{
    const Section *s = FindSection(section);
    const Line *l = s ? FindLine(*s, key) : nullptr;
    if (!l)
        return;
    Section &owner = sections_[sectionIndex_.value(section.toCaseFolded())];
    owner.lines.removeAt(l - owner.lines.constData());
    Reindex();
}

void IniFile::EraseSection(const QString &section)
{
    const auto it = sectionIndex_.constFind(section.toCaseFolded());
    if (it == sectionIndex_.constEnd())
        return;
    sections_.removeAt(*it);
    Reindex();
}

QByteArray IniFile::ToBytes() const
{
    // A line break would split the entry and could even start a section.
    const auto oneLine = [](QString text) {
        return text.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
    };
    QString text;
    for (const Section &s : sections_) {
        if (!text.isEmpty())
            text += QLatin1String("\r\n");
        text += QLatin1Char('[') + oneLine(s.name) + QLatin1String("]\r\n");
        for (const Line &l : s.lines) {
            if (l.key.isEmpty())
                text += oneLine(l.value) + QLatin1String("\r\n");
            else
                text +=
                    oneLine(l.key) + QLatin1Char('=') + oneLine(l.value) + QLatin1String("\r\n");
        }
    }
    return text.toUtf8();
}

bool IniFile::UpdateFile() const
{
    return WriteFileAtomically(fileName_, ToBytes());
}

} // namespace qbx
