#include "cli/CliOutput.h"

#include "cli/CliArgs.h"
#include "tree/SizeText.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace qbx::cli {

namespace {

// Names never hold tabs or line ends, but descriptions typed by hand might.
QString TsvField(QString text)
{
    return text.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
}

} // namespace

TFormat ParseFormat(const QString &value)
{
    if (value == QLatin1String("text"))
        return TFormat::Text;
    if (value == QLatin1String("tsv"))
        return TFormat::Tsv;
    if (value == QLatin1String("json"))
        return TFormat::Json;
    throw TUsageError("неизвестный формат «" + value.toStdString() + "» (text, tsv или json)");
}

void Print(FILE *out, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
}

QString TsvLine(const QStringList &fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += u'\t';
        line += TsvField(fields[i]);
    }
    return line + u'\n';
}

QString HumanSize(int64_t bytes)
{
    return bytes == 0 ? QStringLiteral("0 байт") : SizeText(bytes, SuAuto, true, QLocale::c());
}

void TRecordWriter::Write(const TFoundRecord &r)
{
    QString line;
    switch (format_) {
    case TFormat::Tsv:
        line = TsvLine({r.Label, r.Path, r.Producer, r.Product, r.Version, QString::number(r.Size),
                        r.Description});
        line.chop(1);
        break;
    case TFormat::Json: {
        const QJsonObject object{{QStringLiteral("Label"), r.Label},
                                 {QStringLiteral("Path"), r.Path},
                                 {QStringLiteral("Producer"), r.Producer},
                                 {QStringLiteral("Product"), r.Product},
                                 {QStringLiteral("Version"), r.Version},
                                 {QStringLiteral("ByteSize"), qint64(r.Size)},
                                 {QStringLiteral("Description"), r.Description}};
        line = (first_ ? QStringLiteral("[") : QStringLiteral(",")) +
               QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
        break;
    }
    case TFormat::Text: {
        line = r.Label + u'\\' + r.Path;
        if (r.Size != 0)
            line += QStringLiteral("  (") + HumanSize(r.Size) + u')';
        QStringList product;
        for (const QString &f : {r.Producer, r.Product, r.Version, r.Description})
            if (!f.isEmpty())
                product << f;
        if (!product.isEmpty())
            line += QStringLiteral("  ") + product.join(QStringLiteral(" | "));
        break;
    }
    }
    first_ = false;
    Print(out_, line + u'\n');
}

void TRecordWriter::Finish()
{
    if (format_ == TFormat::Json)
        Print(out_, first_ ? QStringLiteral("[]\n") : QStringLiteral("]\n"));
}

} // namespace qbx::cli
