#include "cli/CliArgs.h"

#include <QRegularExpression>

#include <limits>
#include <QCoreApplication>

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
            throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "неизвестный параметр «--")) + name.toStdString() + "»");
        if (count == 0) {
            if (hasInline)
                throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "параметр «--")) + name.toStdString() + CliText(QT_TRANSLATE_NOOP("qubrix-cli", "» не принимает значения")));
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
                throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "параметру «--")) + name.toStdString() + CliText(QT_TRANSLATE_NOOP("qubrix-cli", "» не хватает значения")));
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

// "N" or "N" followed by a unit: b, k/kb, m/mb, g/gb (powers of 1024).
int64_t ParseSize(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^(\\d+)\\s*([kmg]?)b?$"),
                                       QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(text.trimmed());
    bool ok = m.hasMatch();
    const qint64 value = ok ? m.captured(1).toLongLong(&ok) : 0;
    if (!ok)
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "неверный размер «")) + text.toStdString() + "»");
    const QString unit = m.captured(2).toLower();
    const int shift = unit == u"k" ? 10 : unit == u"m" ? 20 : unit == u"g" ? 30 : 0;
    if (value > (std::numeric_limits<int64_t>::max() >> shift))
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "слишком большой размер «")) + text.toStdString() + "»");
    return int64_t(value) << shift;
}

std::string CliText(const char *source)
{
    return QCoreApplication::translate("qubrix-cli", source).toStdString();
}

} // namespace qbx::cli
