#include "platform/IniFile.h"

#include "platform/Codec.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace qbx {

namespace {

// An INI file larger than this is not an options file; it is read as empty.
constexpr qint64 kMaxIniSize = 16 * 1024 * 1024;

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

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
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly) && file.size() <= kMaxIniSize)
        Parse(file.readAll());
}

IniFile IniFile::FromBytes(const QByteArray &bytes)
{
    IniFile ini{QString()};
    ini.Parse(bytes);
    return ini;
}

void IniFile::Parse(const QByteArray &bytes)
{
    sections_.clear();
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
            current = FindSection(name);
            if (!current) {
                sections_.append(Section{name, {}});
                current = &sections_.last();
            }
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
            current->lines.append(Line{key, value});
    }
}

const IniFile::Section *IniFile::FindSection(const QString &name) const
{
    for (const Section &s : sections_)
        if (SameName(s.name, name))
            return &s;
    return nullptr;
}

IniFile::Section *IniFile::FindSection(const QString &name)
{
    for (Section &s : sections_)
        if (SameName(s.name, name))
            return &s;
    return nullptr;
}

const IniFile::Line *IniFile::FindLine(const Section &section, const QString &key)
{
    for (const Line &l : section.lines)
        if (!l.key.isEmpty() && SameName(l.key, key))
            return &l;
    return nullptr;
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
    Section *s = FindSection(section);
    if (!s) {
        sections_.append(Section{section, {}});
        s = &sections_.last();
    }
    for (Line &l : s->lines) {
        if (!l.key.isEmpty() && SameName(l.key, key)) {
            l.value = value;
            return;
        }
    }
    s->lines.append(Line{key, value});
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
    if (Section *s = FindSection(section))
        s->lines.removeIf([&](const Line &l) { return !l.key.isEmpty() && SameName(l.key, key); });
}

void IniFile::EraseSection(const QString &section)
{
    sections_.removeIf([&](const Section &s) { return SameName(s.name, section); });
}

QByteArray IniFile::ToBytes() const
{
    QString text;
    for (const Section &s : sections_) {
        if (!text.isEmpty())
            text += QLatin1String("\r\n");
        text += QLatin1Char('[') + s.name + QLatin1String("]\r\n");
        for (const Line &l : s.lines) {
            if (l.key.isEmpty())
                text += l.value + QLatin1String("\r\n");
            else
                text += l.key + QLatin1Char('=') + l.value + QLatin1String("\r\n");
        }
    }
    return text.toUtf8();
}

bool IniFile::UpdateFile() const
{
    if (fileName_.isEmpty())
        return false;
    QSaveFile file(fileName_);
    return file.open(QIODevice::WriteOnly) && file.write(ToBytes()) >= 0 && file.commit();
}

} // namespace qbx
