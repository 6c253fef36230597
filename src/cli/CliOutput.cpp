#include "cli/CliOutput.h"

#include "cli/CliArgs.h"
#include "engine/Query.h"
#include "platform/Codec.h"
#include "platform/TextRules.h"
#include "search/FoundRows.h"
#include "storage/CatalogueFields.h"
#include "tree/SizeText.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>
#include <QCoreApplication>

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
    throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "неизвестный формат «")) + value.toStdString() + CliText(QT_TRANSLATE_NOOP("qubrix-cli", "» (text, tsv или json)")));
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
    return bytes == 0 ? QCoreApplication::translate("qubrix-cli", "0 байт") : SizeText(bytes, SuAuto, true, QLocale::c());
}

namespace {

// Names never hold tabs or line ends, but descriptions typed by hand might.
void BlankControls(QByteArray &buffer, qsizetype from)
{
    char *const end = buffer.data() + buffer.size();
    for (char *c = buffer.data() + from; c != end; ++c)
        if (*c == '\t' || *c == '\n' || *c == '\r')
            *c = ' ';
}

} // namespace

void TRecordWriter::AppendTsv(const QString &field)
{
    const qsizetype from = buffer_.size();
    buffer_ += field.toUtf8();
    BlankControls(buffer_, from);
}

// A catalogue's fields hold no more characters than their capacities, so
// the bytes are the record's texts as they are.
void TRecordWriter::AppendTsvBytes(const engine::Query &query, size_t field)
{
    if (field >= query.Fields().size())
        return;
    const qsizetype from = buffer_.size();
    codec::AppendCp1251AsUtf8(query.ReadText(field), buffer_);
    BlankControls(buffer_, from);
}

void TRecordWriter::Write(const engine::Query &query)
{
    if (format_ != TFormat::Tsv) {
        Write(ReadFoundRecord(query));
        return;
    }
    for (const size_t field : {CfLabel, CfPath, CfProducer, CfProduct, CfVersion}) {
        AppendTsvBytes(query, field);
        buffer_ += '\t';
    }
    const bool hasSize = query.Fields().size() > CfByteSize;
    char digits[24];
    const qint64 size = hasSize ? ByteSizeFromField(query.ReadNumber(CfByteSize)) : 0;
    buffer_.append(digits, std::to_chars(digits, digits + sizeof digits, size).ptr - digits);
    buffer_ += '\t';
    AppendTsvBytes(query, CfDescription);
    EndRecord();
}

void TRecordWriter::Write(const TFoundRecord &r)
{
    switch (format_) {
    case TFormat::Tsv:
        // The commonest output of scripts, so it goes straight into bytes.
        for (const QString *field : {&r.Label, &r.Path, &r.Producer, &r.Product, &r.Version}) {
            AppendTsv(*field);
            buffer_ += '\t';
        }
        buffer_ += QByteArray::number(qint64(r.Size));
        buffer_ += '\t';
        AppendTsv(r.Description);
        break;
    case TFormat::Json: {
        const QJsonObject object{{QStringLiteral("Label"), r.Label},
                                 {QStringLiteral("Path"), r.Path},
                                 {QStringLiteral("Producer"), r.Producer},
                                 {QStringLiteral("Product"), r.Product},
                                 {QStringLiteral("Version"), r.Version},
                                 {QStringLiteral("ByteSize"), qint64(r.Size)},
                                 {QStringLiteral("Description"), r.Description}};
        buffer_ += first_ ? '[' : ',';
        buffer_ += QJsonDocument(object).toJson(QJsonDocument::Compact);
        break;
    }
    case TFormat::Text: {
        QString line = r.Label + u'\\' + r.Path;
        if (r.Size != 0)
            line += QStringLiteral("  (") + HumanSize(r.Size) + u')';
        QStringList product;
        for (const QString &f : {r.Producer, r.Product, r.Version, r.Description})
            if (!f.isEmpty())
                product << f;
        if (!product.isEmpty())
            line += QStringLiteral("  ") + product.join(QStringLiteral(" | "));
        // For people: nothing in a name may hide or reorder the line.
        buffer_ += text::Visible(line).toUtf8();
        break;
    }
    }
    EndRecord();
}

void TRecordWriter::EndRecord()
{
    buffer_ += '\n';
    first_ = false;
    if (buffer_.size() >= (1 << 20))
        Flush();
}

void TRecordWriter::Flush()
{
    std::fwrite(buffer_.constData(), 1, size_t(buffer_.size()), out_);
    buffer_.clear();
}

void TRecordWriter::Finish()
{
    if (format_ == TFormat::Json)
        buffer_ += first_ ? "[]\n" : "]\n";
    Flush();
}

} // namespace qbx::cli
