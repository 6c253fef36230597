#include "cli/CliArgs.h"
#include "cli/CliCatalogue.h"
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

#include "platform/TextRules.h"
#include "storage/TextTreeWriter.h"
#include <QCoreApplication>

namespace qbx::cli {

int RunTree(const QStringList &args)
{
    const TArgs a(args, {"disc"}, {});
    if (a.Positional().size() != 1)
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "нужен один аргумент: КАТАЛОГ")));
    StartEngine();
    TLoadedCatalogue catalogue;
    catalogue.Load(a.Positional().first());

    // The whole tree, or one disc's lines (found by its label, case ignored
    // as the catalogue does) one level up.
    const bool oneDisc = a.Has("disc");
    const QString disc = text::Upper(a.Value("disc"));
    bool inside = !oneDisc;
    bool found = !oneDisc;
    QByteArray buffer;
    ForEachTextTreeLine(catalogue.Tree().Root(), [&](int level, const QString &line) {
        if (oneDisc) {
            if (level <= 1)
                inside = level == 1 && text::Upper(line) == disc;
            if (!inside)
                return;
            found = true;
            --level;
        }
        buffer.append(level, '\t');
        buffer += text::Visible(line).toUtf8(); // tabs are the tree's own
        buffer += '\n';
        if (buffer.size() >= (1 << 20)) {
            std::fwrite(buffer.constData(), 1, size_t(buffer.size()), stdout);
            buffer.clear();
        }
    });
    std::fwrite(buffer.constData(), 1, size_t(buffer.size()), stdout);
    if (!found)
        throw TCliError(QCoreApplication::translate("qubrix-cli", "в каталоге нет диска с меткой «%1»").arg(a.Value("disc")));
    return 0;
}

} // namespace qbx::cli
