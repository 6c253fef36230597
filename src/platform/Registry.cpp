#include "platform/Registry.h"

#include "platform/AppPaths.h"
#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>

#include <vector>

namespace qbx {

namespace {

const QByteArray kHeader = QByteArrayLiteral("Qubrix registry store 1");
// A store larger than this is not a store the program wrote.
constexpr qint64 kMaxStoreSize = 64 * 1024 * 1024;
// The registry's own limit of key nesting.
constexpr qsizetype kMaxDepth = 512;

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QStringList SplitPath(const QString &path)
{
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

// Key names hold no control characters, so a key path is one line of the store.
bool UsableKeyNames(const QStringList &keys)
{
    if (keys.size() > kMaxDepth)
        return false;
    for (const QString &k : keys)
        for (QChar c : k)
            if (c.unicode() < 0x20)
                return false;
    return true;
}

QString Escape(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString Unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar n = text[++i];
            c = n == QLatin1Char('t')   ? QChar(u'\t')
                : n == QLatin1Char('n') ? QChar(u'\n')
                : n == QLatin1Char('r') ? QChar(u'\r')
                                        : n;
        }
        out += c;
    }
    return out;
}

RegKey *Walk(RegKey *root, const QStringList &keys, bool create)
{
    RegKey *key = root;
    for (const QString &name : keys) {
        RegKey *next = create ? key->AddSubKey(name) : key->FindSubKey(name);
        if (!next)
            return nullptr;
        key = next;
    }
    return key;
}

void SerializeKey(const RegKey &key, const QString &path, QByteArray &out)
{
    if (!path.isEmpty())
        out += "K\t" + path.toUtf8() + '\n';
    for (const RegValue &v : key.Values()) {
        if (v.type == RegDataType::Integer)
            out += "I\t" + Escape(v.name).toUtf8() + '\t' + QByteArray::number(v.number) + '\n';
        else
            out += "S\t" + Escape(v.name).toUtf8() + '\t' + Escape(v.text).toUtf8() + '\n';
    }
    for (const auto &sub : key.SubKeys()) {
        const QString &name = sub->name;
        SerializeKey(*sub, path.isEmpty() ? name : path + QLatin1Char('\\') + name, out);
    }
}

std::unique_ptr<RegKey> ReadStoreFile(RegistryHive hive, bool *damaged)
{
    *damaged = false;
    QFile file(Registry::StoreFileName(hive));
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return std::make_unique<RegKey>();
    if (file.size() > kMaxStoreSize) {
        *damaged = true;
        return std::make_unique<RegKey>();
    }
    const QByteArray text = file.readAll();
    bool headerOk = false;
    auto root = Registry::ParseStore(text, &headerOk);
    *damaged = !headerOk && !text.isEmpty();
    return root;
}

} // namespace

RegKey *RegKey::FindSubKey(const QString &keyName) const
{
    return subKeyIndex_.value(keyName.toCaseFolded(), nullptr);
}

RegKey *RegKey::AddSubKey(const QString &keyName)
{
    RegKey *&slot = subKeyIndex_[keyName.toCaseFolded()];
    if (!slot) {
        subKeys_.push_back(std::make_unique<RegKey>());
        slot = subKeys_.back().get();
        slot->name = keyName;
    }
    return slot;
}

bool RegKey::RemoveSubKey(const QString &keyName)
{
    RegKey *key = subKeyIndex_.take(keyName.toCaseFolded());
    if (!key)
        return false;
    std::erase_if(subKeys_, [key](const auto &sub) { return sub.get() == key; });
    return true;
}

const RegValue *RegKey::FindValue(const QString &valueName) const
{
    const auto it = valueIndex_.constFind(valueName.toCaseFolded());
    return it == valueIndex_.constEnd() ? nullptr : &values_[*it];
}

void RegKey::SetValue(const RegValue &value)
{
    const QString folded = value.name.toCaseFolded();
    const auto it = valueIndex_.constFind(folded);
    if (it == valueIndex_.constEnd()) {
        valueIndex_.insert(folded, values_.size());
        values_.append(value);
        return;
    }
    RegValue &stored = values_[*it];
    const QString spelling = stored.name;
    stored = value;
    stored.name = spelling;
}

bool RegKey::RemoveValue(const QString &valueName)
{
    const auto it = valueIndex_.constFind(valueName.toCaseFolded());
    if (it == valueIndex_.constEnd())
        return false;
    values_.removeAt(*it);
    valueIndex_.clear();
    for (qsizetype i = 0; i < values_.size(); ++i)
        valueIndex_.insert(values_[i].name.toCaseFolded(), i);
    return true;
}

struct Registry::Change {
    enum Kind { CreateKey, SetValue, DeleteValue, DeleteKey } kind;
    QStringList keys;
    RegValue value;
};

Registry::Registry(RegistryHive hive) : hive_(hive)
{
}

Registry::~Registry()
{
    Flush();
}

QString Registry::StoreFileName(RegistryHive hive)
{
    const char *name = hive == HKEY_CURRENT_USER   ? "HKEY_CURRENT_USER.reg"
                       : hive == HKEY_CLASSES_ROOT ? "HKEY_CLASSES_ROOT.reg"
                                                   : "HKEY_LOCAL_MACHINE.reg";
    return paths::ConfigFolder() + QLatin1String(name);
}

bool Registry::StoreUnreadable(RegistryHive hive)
{
    QFile file(StoreFileName(hive));
    if (!file.exists())
        return false;
    if (!file.open(QIODevice::ReadOnly))
        return true;
    bool damaged = false;
    file.close();
    ReadStoreFile(hive, &damaged);
    return damaged;
}

void Registry::EnsureLoaded()
{
    if (!root_) {
        bool damaged = false;
        root_ = ReadStoreFile(hive_, &damaged);
    }
}

RegKey *Registry::Current() const
{
    if (!open_ || !root_)
        return nullptr;
    return Walk(root_.get(), currentKeys_, false);
}

void Registry::Record(Change change)
{
    EnsureLoaded();
    switch (change.kind) {
    case Change::CreateKey:
        Walk(root_.get(), change.keys, true);
        break;
    case Change::SetValue:
        Walk(root_.get(), change.keys, true)->SetValue(change.value);
        break;
    case Change::DeleteValue:
        if (RegKey *key = Walk(root_.get(), change.keys, false))
            key->RemoveValue(change.value.name);
        break;
    case Change::DeleteKey: {
        QStringList parentKeys = change.keys;
        const QString last = parentKeys.takeLast();
        if (RegKey *parent = Walk(root_.get(), parentKeys, false))
            parent->RemoveSubKey(last);
        break;
    }
    }
    pending_.push_back(std::move(change));
}

bool Registry::OpenKey(const QString &path, bool canCreate)
{
    open_ = false;
    currentKeys_.clear();
    const QStringList keys = SplitPath(path);
    if (!UsableKeyNames(keys))
        return false;
    if (pending_.empty())
        root_.reset();
    EnsureLoaded();
    if (!Walk(root_.get(), keys, false)) {
        if (!canCreate)
            return false;
        Record({Change::CreateKey, keys, {}});
    }
    currentKeys_ = keys;
    open_ = true;
    return true;
}

void Registry::CloseKey()
{
    Flush();
    open_ = false;
    currentKeys_.clear();
}

bool Registry::KeyExists(const QString &path)
{
    if (pending_.empty())
        root_.reset();
    EnsureLoaded();
    return Walk(root_.get(), SplitPath(path), false) != nullptr;
}

bool Registry::DeleteKey(const QString &path)
{
    return DeleteKeyPending(path) && Flush();
}

bool Registry::DeleteKeyPending(const QString &path)
{
    const QStringList keys = SplitPath(path);
    if (keys.isEmpty() || !KeyExists(path))
        return false;
    // A current key inside the deleted one is gone with it.
    if (open_ && currentKeys_.size() >= keys.size()) {
        bool inside = true;
        for (qsizetype i = 0; i < keys.size() && inside; ++i)
            inside = SameName(keys[i], currentKeys_[i]);
        if (inside) {
            open_ = false;
            currentKeys_.clear();
        }
    }
    Record({Change::DeleteKey, keys, {}});
    return true;
}

bool Registry::HasSubKeys() const
{
    const RegKey *key = Current();
    return key && !key->SubKeys().empty();
}

QStringList Registry::GetKeyNames() const
{
    QStringList names;
    if (const RegKey *key = Current())
        for (const auto &sub : key->SubKeys())
            names.append(sub->name);
    return names;
}

QStringList Registry::GetValueNames() const
{
    QStringList names;
    if (const RegKey *key = Current())
        for (const RegValue &v : key->Values())
            names.append(v.name);
    return names;
}

bool Registry::ValueExists(const QString &name) const
{
    const RegKey *key = Current();
    return key && key->FindValue(name);
}

RegDataType Registry::GetDataType(const QString &name) const
{
    const RegKey *key = Current();
    const RegValue *v = key ? key->FindValue(name) : nullptr;
    return v ? v->type : RegDataType::None;
}

std::optional<QString> Registry::ReadString(const QString &name) const
{
    const RegKey *key = Current();
    const RegValue *v = key ? key->FindValue(name) : nullptr;
    if (!v || v->type != RegDataType::String)
        return std::nullopt;
    return v->text;
}

std::optional<qint32> Registry::ReadInteger(const QString &name) const
{
    const RegKey *key = Current();
    const RegValue *v = key ? key->FindValue(name) : nullptr;
    if (!v || v->type != RegDataType::Integer)
        return std::nullopt;
    return v->number;
}

bool Registry::WriteString(const QString &name, const QString &value)
{
    if (!open_)
        return false;
    RegValue v{name, RegDataType::String, value, 0};
    Record({Change::SetValue, currentKeys_, v});
    return true;
}

bool Registry::WriteInteger(const QString &name, qint32 value)
{
    if (!open_)
        return false;
    RegValue v{name, RegDataType::Integer, QString(), value};
    Record({Change::SetValue, currentKeys_, v});
    return true;
}

bool Registry::DeleteValue(const QString &name)
{
    if (!ValueExists(name))
        return false;
    RegValue v;
    v.name = name;
    Record({Change::DeleteValue, currentKeys_, v});
    return true;
}

bool Registry::Flush()
{
    if (pending_.empty())
        return true;
    std::vector<Change> changes;
    changes.swap(pending_);

    // Replay this object's changes on what the store holds now.
    bool damaged = false;
    root_ = ReadStoreFile(hive_, &damaged);
    for (Change &change : changes)
        Record(std::move(change));
    pending_.clear();

    const QString fileName = StoreFileName(hive_);
    if (!QDir().mkpath(paths::ConfigFolder())) {
        root_ = ReadStoreFile(hive_, &damaged);
        return false;
    }
    if (damaged) {
        // Keep the unreadable store for the user instead of silently losing it.
        QFile::remove(fileName + QLatin1String(".bad"));
        QFile::copy(fileName, fileName + QLatin1String(".bad"));
    }
    if (!WriteFileAtomically(fileName, SerializeStore(*root_))) {
        root_ = ReadStoreFile(hive_, &damaged); // the store kept its old text
        return false;
    }
    return true;
}

QByteArray Registry::SerializeStore(const RegKey &root)
{
    QByteArray out = kHeader + '\n';
    SerializeKey(root, QString(), out);
    return out;
}

std::unique_ptr<RegKey> Registry::ParseStore(const QByteArray &text, bool *headerOk)
{
    auto root = std::make_unique<RegKey>();
    const QList<QByteArray> lines = text.split('\n');
    if (headerOk)
        *headerOk = !lines.isEmpty() && lines.first().trimmed() == kHeader;
    RegKey *key = root.get();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        const QList<QByteArray> parts = line.split('\t');
        const QByteArray &kind = parts.first();
        if (kind == "K" && parts.size() == 2) {
            const QStringList keys = SplitPath(QString::fromUtf8(parts[1]));
            // Values of an unusable key are dropped with it.
            key = UsableKeyNames(keys) ? Walk(root.get(), keys, true) : nullptr;
        } else if (key && kind == "S" && parts.size() == 3) {
            key->SetValue({Unescape(QString::fromUtf8(parts[1])), RegDataType::String,
                           Unescape(QString::fromUtf8(parts[2])), 0});
        } else if (key && kind == "I" && parts.size() == 3) {
            bool ok = false;
            const qint32 n = parts[2].toInt(&ok);
            if (ok)
                key->SetValue(
                    {Unescape(QString::fromUtf8(parts[1])), RegDataType::Integer, QString(), n});
        }
    }
    return root;
}

} // namespace qbx
