#include "cli/CliArgs.h"

namespace qbx::cli {

TArgs::TArgs(const QStringList &args, const QStringList &valued, const QStringList &flags,
             const std::map<QString, int> &multi)
{
    bool options = true;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (!options || !arg.startsWith(QLatin1String("--")) || arg.size() == 2) {
            if (options && arg == QLatin1String("--"))
                options = false;
            else
                positional_ << arg;
            continue;
        }
        QString name = arg.mid(2);
        QString inlineValue;
        const bool hasInline = name.contains(u'=');
        if (hasInline) {
            inlineValue = name.section(u'=', 1);
            name = name.section(u'=', 0, 0);
        }
        const auto m = multi.find(name);
        const int count = m != multi.end() ? m->second : valued.contains(name) ? 1 : 0;
        if (count == 0 && !flags.contains(name))
            throw TUsageError("неизвестный параметр «--" + name.toStdString() + "»");
        if (count == 0) {
            if (hasInline)
                throw TUsageError("параметр «--" + name.toStdString() + "» не принимает значения");
            values_[name];
            continue;
        }
        QStringList &values = values_[name];
        values.clear();
        int needed = count;
        if (hasInline) {
            values << inlineValue;
            --needed;
        }
        for (; needed > 0; --needed) {
            if (++i >= args.size())
                throw TUsageError("параметру «--" + name.toStdString() + "» не хватает значения");
            values << args[i];
        }
    }
}

QString TArgs::Value(const QString &name, const QString &fallback) const
{
    const auto it = values_.find(name);
    return it == values_.end() || it->second.isEmpty() ? fallback : it->second.first();
}

QStringList TArgs::Values(const QString &name) const
{
    const auto it = values_.find(name);
    return it == values_.end() ? QStringList() : it->second;
}

} // namespace qbx::cli
