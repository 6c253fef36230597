#include "CliFixture.h"

#include <QFile>
#include <QRegularExpression>

namespace qbx::test {
namespace {

// Runs the completion function in bash for the words typed so far (the last
// one being completed) and gives its answers.
QStringList Complete(const QString &folder, const QStringList &words)
{
    QString array;
    for (const QString &w : words)
        array += " '" + w + "'";
    QProcess bash;
    bash.setWorkingDirectory(folder);
    bash.start("bash", {"-c", "source '" QBX_CLI_COMPLETION "'; COMP_WORDS=(" + array +
                                  "); COMP_CWORD=" + QString::number(words.size() - 1) +
                                  "; _qubrix_cli; printf '%s\\n' \"${COMPREPLY[@]}\""});
    EXPECT_TRUE(bash.waitForFinished(10000));
    QStringList answers =
        QString::fromUtf8(bash.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    answers.sort();
    return answers;
}

TEST_F(CliTest, BashCompletesCommandsOptionsValuesAndFiles)
{
    Write("a.db", {});
    Write("b.DB", {});
    QFile(PathOf("q.cdq")).open(QIODevice::WriteOnly);
    QDir(dir.path()).mkdir("folder");
    const QString d = dir.path();
    EXPECT_EQ(Complete(d, {"qubrix-cli", "s"}), QStringList({"scan", "search", "stats"}));
    EXPECT_EQ(Complete(d, {"qubrix-cli", "search", ""}), QStringList({"a.db", "folder"}));
    EXPECT_EQ(Complete(d, {"qubrix-cli", "search", "a.db", "x", "--view", "l"}),
              QStringList({"leaf", "list"}));
    EXPECT_EQ(Complete(d, {"qubrix-cli", "search", "a.db", "--query", ""}),
              QStringList({"folder", "q.cdq"}));
    EXPECT_EQ(Complete(d, {"qubrix-cli", "search", "a.db", "x", "--kinds", "discs,f"}),
              QStringList({"discs,files", "discs,folders"}));
    EXPECT_EQ(Complete(d, {"qubrix-cli", "scan", ""}), QStringList({"folder"}));
    EXPECT_EQ(Complete(d, {"qubrix-cli", "merge", "a.db", "--on-conflict", ""}),
              QStringList({"complement", "fail", "keep", "overwrite"}));
    // Values that are no file names offer none.
    EXPECT_EQ(Complete(d, {"qubrix-cli", "search", "a.db", "--size-range", "1", ""}),
              QStringList());
    EXPECT_EQ(Complete(d, {"qubrix-cli", "--version", ""}), QStringList());
}

TEST_F(CliTest, CompletionKnowsEveryOptionTheHelpNames)
{
    QFile file(QBX_CLI_COMPLETION);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString script = QString::fromUtf8(file.readAll());
    const QString help = Run({"--help"}).out;
    static const QRegularExpression option("--[a-z][a-z-]*");
    int count = 0;
    for (const QRegularExpressionMatch &m : option.globalMatch(help)) {
        EXPECT_TRUE(script.contains(m.captured() + ' ') || script.contains(m.captured() + '\'') ||
                    script.contains(m.captured() + ')'))
            << m.captured().toStdString();
        ++count;
    }
    EXPECT_GT(count, 25);
}

} // namespace
} // namespace qbx::test
