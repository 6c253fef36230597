#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace qbx {

// The three registry hives the program uses. Each hive is one store file in
// the program's configuration folder ($XDG_CONFIG_HOME/Qubrix, by default
// ~/.config/Qubrix): HKEY_CURRENT_USER.reg, HKEY_CLASSES_ROOT.reg and
// HKEY_LOCAL_MACHINE.reg.
enum class RegistryHive { HKEY_CURRENT_USER, HKEY_CLASSES_ROOT, HKEY_LOCAL_MACHINE };
inline constexpr RegistryHive HKEY_CURRENT_USER = RegistryHive::HKEY_CURRENT_USER;
inline constexpr RegistryHive HKEY_CLASSES_ROOT = RegistryHive::HKEY_CLASSES_ROOT;
inline constexpr RegistryHive HKEY_LOCAL_MACHINE = RegistryHive::HKEY_LOCAL_MACHINE;

// Type of a stored value.
enum class RegDataType { None, String, Integer };

// One value of a key. The key's default value has the empty name.
struct RegValue {
    QString name;
    RegDataType type = RegDataType::String;
    QString text;      // when type is String
    qint32 number = 0; // when type is Integer
};

// One key: its name as first written, its values in the order they were first
// written and its sub-keys in the order they were created. Names of keys and
// values compare ignoring case; lookups are hashed, so stores with many keys
// or values are read in linear time.
class RegKey {
public:
    QString name;

    const QList<RegValue> &Values() const { return values_; }
    const std::vector<std::unique_ptr<RegKey>> &SubKeys() const { return subKeys_; }

    RegKey *FindSubKey(const QString &keyName) const;
    // The sub-key of that name, created when missing.
    RegKey *AddSubKey(const QString &keyName);
    bool RemoveSubKey(const QString &keyName);

    const RegValue *FindValue(const QString &valueName) const;
    // Replaces the value of that name (keeping the name's first spelling) or
    // appends it.
    void SetValue(const RegValue &value);
    bool RemoveValue(const QString &valueName);

private:
    QList<RegValue> values_;
    QHash<QString, qsizetype> valueIndex_; // case-folded name -> position in values_
    std::vector<std::unique_ptr<RegKey>> subKeys_;
    QHash<QString, RegKey *> subKeyIndex_; // case-folded name -> key in subKeys_
};

// Access to one hive, shaped like the registry API: open a key (with or
// without creating it), read and write typed values of the open key, delete
// keys with all their sub-keys.
//
// Key paths are always given from the hive's root, components separated by
// "\\" ("Software\\Tolvenar\\Qubrix"); a leading "\\" is allowed. Key and
// value names compare ignoring case and keep the spelling they were created
// with.
//
// OpenKey and KeyExists look at the store afresh unless this object has
// changes not yet written; the values of an open key are those it had when it
// was opened. Changes are kept in memory and written to the store file by CloseKey,
// Flush and the destructor (DeleteKey writes at once). Writing re-reads the
// store and replays this object's changes on it, so two Registry objects on
// the same hive do not undo each other's work. The file is written beside
// and renamed over the old one, so a failed write never damages it. A store
// file that cannot be parsed is read as far as it makes sense; when its
// header is wrong it is kept as "<name>.bad" before it is replaced.
class Registry {
public:
    explicit Registry(RegistryHive hive);
    ~Registry();
    Registry(const Registry &) = delete;
    Registry &operator=(const Registry &) = delete;

    RegistryHive Hive() const { return hive_; }

    // The store file of a hive under the current $XDG_CONFIG_HOME.
    static QString StoreFileName(RegistryHive hive);
    // The hive's store file exists but cannot be read as a store (no
    // permission, too large, or not a store's text): it reads as empty, and
    // it is kept as it is until something is written to the hive.
    static bool StoreUnreadable(RegistryHive hive);

    // Makes the key the current key. Without canCreate a missing key is not
    // created and false is returned (the previous current key is closed).
    bool OpenKey(const QString &path, bool canCreate);
    // Writes pending changes and forgets the current key.
    void CloseKey();
    bool HasCurrentKey() const { return open_; }
    // The current key's path as given to OpenKey, components joined by "\\".
    QString CurrentPath() const { return currentKeys_.join(QLatin1Char('\\')); }

    bool KeyExists(const QString &path);
    // Deletes the key with all its sub-keys and writes the store; true when
    // the key existed and the store was written. The root cannot be deleted.
    bool DeleteKey(const QString &path);
    // The same, but the deletion stays pending with this object's other
    // changes, so that replacing a key's contents is written by one Flush:
    // either the store holds the new contents or it keeps the old ones.
    // False when the key does not exist.
    bool DeleteKeyPending(const QString &path);

    // About the current key (false / empty without one).
    bool HasSubKeys() const;
    QStringList GetKeyNames() const;
    QStringList GetValueNames() const;
    bool ValueExists(const QString &name) const;
    RegDataType GetDataType(const QString &name) const;

    // Values of the current key. A missing value, or one of another type,
    // gives nullopt. The default value is named "".
    std::optional<QString> ReadString(const QString &name) const;
    std::optional<qint32> ReadInteger(const QString &name) const;

    // Write a value of the current key (false without a current key).
    bool WriteString(const QString &name, const QString &value);
    bool WriteInteger(const QString &name, qint32 value);
    bool DeleteValue(const QString &name);

    // Writes pending changes to the store; false when the file could not be
    // written (the changes are then dropped, the store keeps its old text).
    bool Flush();

    // The text form of a hive and its reader (public for tests and fuzzing).
    // ParseStore never fails: lines it cannot understand are skipped; *headerOk
    // tells whether the text carried the store's header line.
    static QByteArray SerializeStore(const RegKey &root);
    static std::unique_ptr<RegKey> ParseStore(const QByteArray &text, bool *headerOk = nullptr);

private:
    struct Change;

    void EnsureLoaded();
    RegKey *Current() const;
    void Record(Change change);

    RegistryHive hive_;
    std::unique_ptr<RegKey> root_;
    std::vector<Change> pending_;
    QStringList currentKeys_;
    bool open_ = false;
};

} // namespace qbx
