#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <stdexcept>

namespace qbx::cli {

// A usage error: the message is printed on one line and the program ends
// with status 2.
// A message of the program in the user's language, as TUsageError and
// TCliError carry it.
std::string CliText(const char *source);

struct TUsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The command line split GNU-style: "--name value", "--name=value", flags
// without a value, "--" ending the options; everything else is positional.
class TArgs {
public:
    // valued: the options that take a value; flags: those that do not;
    // counts: options taking more than one value (name -> count).
    TArgs(const QStringList &args, const QStringList &valued, const QStringList &flags,
          const std::map<QString, int> &multi = {});

    bool Has(const QString &name) const { return values_.count(name) > 0; }
    QString Value(const QString &name, const QString &fallback = QString()) const;
    QStringList Values(const QString &name) const;
    const QStringList &Positional() const { return positional_; }

private:
    std::map<QString, QStringList> values_;
    QStringList positional_;
};

// A size in bytes: "N", or N with a unit b, k/kb, m/mb, g/gb (powers of
// 1024), any case. Throws TUsageError for anything else.
int64_t ParseSize(const QString &text);

} // namespace qbx::cli
