#include "ScanFixture.h"
#include "support/AudioSamples.h"

#include "scan/TAddTree.h"
#include "scan/TSkipReport.h"
#include "interaction/ModeLogicFixture.h"
#include "tree/TTreeModel.h"

#include <QSignalSpy>

namespace qbx::test {
namespace {

class ScriptedScanDialog : public IScanDialog {
public:
    bool accept = true;
    TScanSettings settings;
    QStringList shownPaths;
    bool Execute(const QString &treeNodePath, TScanSettings &out) override
    {
        shownPaths << treeNodePath;
        if (accept)
            out = settings;
        return accept;
    }
};

class RecordingTreeView : public IScanTreeView {
public:
    int fills = 0;
    std::vector<const TTreeNode *> expanded;
    void BeginFill() override { ++fills; }
    void EndFill() override {}
    void Expand(const TTreeNode *node) override { expanded.push_back(node); }
};

// The scan command with the window's core objects and a catalogue tree.
class AddTree : public ScanFixture {
protected:
    void SetUp() override
    {
        File("Docs/a.txt", 100);
        File("Docs/Sub/b.txt", 200);
        window.SetMode(DbEntire);
    }
    void Select(const TTreeNode *node) { model.Select(node); }

    FakeMainView view;
    ScriptedMessageBoxes boxes;
    TCommandState commands;
    TOptions options;
    TEnvironment environment = TEnvironment::Detect({});
    TCatalogueDocument document;
    TLastSearch lastSearch;
    FakeCatalogue openCatalogue{document, lastSearch};
    TLongOperation operation{options, view, boxes};
    TModeLogic modes{QStringLiteral("Кварнис"), options, environment, commands, view,
                     operation,                  boxes,   openCatalogue, answers};
    TWindowState &window = modes.State();
    TTreeModel model{tree};
    ScriptedScanDialog dialog;
    RecordingTreeView treeView;
    QList<TVolume> volumes;
    int changes = 0;
    TAddTree command{TScanContext{modes, options, operation, boxes, model, prompt, dialog, treeView,
                                  lister, [this] { return volumes; }, [this] { ++changes; }}};
};

TEST_F(AddTree, ScansUnderTheSelectedNodeAndSelectsTheNewFolder)
{
    TTreeNode *cd = Disc(QStringLiteral("CD"));
    Select(cd);
    dialog.settings.FolderPath = FolderPath("Docs");
    commands.SetEnabled(cmd::OpenDbAction, true);
    operation.SetClock([t = qint64(0)]() mutable { return t += 100; });
    QSignalSpy resets(&model, &QAbstractItemModel::modelAboutToBeReset);
    command.AddScannedTree();
    EXPECT_EQ(resets.count(), 0) << "the shown catalogue stays on screen during the scan";
    EXPECT_EQ(dialog.shownPaths, QStringList{QStringLiteral("CD")});
    const TTreeNode *docs = Node(QStringLiteral("CD\\Docs"));
    ASSERT_NE(docs, nullptr);
    EXPECT_EQ(model.SelectedNodes(), std::vector<TTreeNode *>{const_cast<TTreeNode *>(docs)});
    EXPECT_EQ(treeView.expanded, std::vector<const TTreeNode *>{docs});
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(commands.Enabled(cmd::OpenDbAction)) << "commands come back";
    EXPECT_FALSE(view.operationShown);
    EXPECT_EQ(answers.ConflictAnswer, 0);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(AddTree, TheOptionToReadOtherFormatsTagsDecides)
{
    Folder("Music");
    ASSERT_TRUE(WriteAudioSample(FolderPath("Music") + "song.flac", TSampleFormat::Flac,
                                 {"Artist", "Song", 2000, {}}));
    dialog.settings.FolderPath = FolderPath("Music");
    // The scan dialog's own settings say nothing about it.
    dialog.settings.ExtraTags = true;
    for (const bool read : {false, true}) {
        SCOPED_TRACE(read);
        TTreeNode *cd = Disc(read ? QStringLiteral("On") : QStringLiteral("Off"));
        Select(cd);
        options.ReadExtraTags = read;
        command.AddScannedTree();
        const TTreeNode *song = Node(cd->Text() + QStringLiteral("\\Music\\song.flac"));
        ASSERT_NE(song, nullptr);
        ASSERT_NE(song->Description(), nullptr);
        EXPECT_EQ(song->Description()->Producer, read ? QStringLiteral("Artist") : QString());
    }
}

TEST_F(AddTree, ProgressWrapsWhenFull)
{
    for (int i = 0; i < 150; ++i)
        File("Many/f" + std::to_string(i), 1);
    Select(tree.Root());
    dialog.settings.FolderPath = FolderPath("Many");
    operation.SetClock([t = qint64(0)]() mutable { return t += 100; });
    command.AddScannedTree();
    EXPECT_LT(view.progress, 100);
    EXPECT_EQ(view.progress, 151 % 101) << "one step per node, starting again after 100";
    EXPECT_EQ(Node(QStringLiteral("Many"))->ChildCount(), 150);
}

TEST_F(AddTree, CancelledDialogOrInaccessibleFolderChangesNothing)
{
    Select(tree.Root());
    dialog.accept = false;
    command.AddScannedTree();
    EXPECT_FALSE(tree.Root()->HasChildren());

    dialog.accept = true;
    dialog.settings.FolderPath = FolderPath("Missing");
    boxes.Answer(TMsgAnswer::Retry);
    boxes.Answer(TMsgAnswer::Cancel);
    command.AddScannedTree();
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown[0].text,
              FolderPath("Missing") + QStringLiteral("\rНет доступа к указанному ресурсу."));
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("Добавление дерева файлов"));
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Error);
    EXPECT_EQ(boxes.shown[0].buttons, unsigned(MbRetryCancel));
    EXPECT_FALSE(tree.Root()->HasChildren());
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(treeView.fills, 0);
}

TEST_F(AddTree, DriveRootsBecomeDiscsNamedByTheirLabel)
{
    Select(tree.Root());
    dialog.settings.FolderPath = FolderPath("Docs");
    TVolume cd;
    cd.root = FolderPath("Docs");
    cd.label = QStringLiteral("GAMES");
    volumes = {cd};
    command.AddScannedTree();
    EXPECT_EQ(Node(QStringLiteral("GAMES"))->Image(), ImageDisc);
    EXPECT_NE(Node(QStringLiteral("GAMES\\Sub\\b.txt")), nullptr);

    volumes[0].label.clear();
    Select(tree.Root());
    command.AddScannedTree();
    EXPECT_NE(Node(QStringLiteral("Безымянный\\a.txt")), nullptr);

    EXPECT_EQ(DriveRootLabel(FolderPath("Docs/Sub"), volumes), std::nullopt);
    volumes[0].label = QStringLiteral("Ö") + QString(40, u'x');
    EXPECT_EQ(DriveRootLabel(FolderPath("Docs"), volumes), QStringLiteral("O") + QString(31, u'x'));
}

TEST_F(AddTree, AFileTargetWithoutExtensionBecomesAFolder)
{
    TTreeNode *cd = Disc(QStringLiteral("CD"));
    TTreeNode *plain = tree.AddChild(cd, QStringLiteral("Drivers"), ImageFile);
    TTreeNode *dotted = tree.AddChild(cd, QStringLiteral("pack.zip"), ImageFile);
    Folder("Nothing");
    dialog.settings.FolderPath = FolderPath("Nothing");
    dialog.settings.NoTopNode = true;
    Select(plain);
    command.AddScannedTree();
    EXPECT_EQ(plain->Image(), ImageFolder) << "even when nothing was added";
    Select(dotted);
    command.AddScannedTree();
    EXPECT_EQ(dotted->Image(), ImageFile);
    EXPECT_EQ(model.SelectedNodes().front(), dotted);
}

TEST_F(AddTree, FailuresAndSkippedNamesAreReportedAfterTheWalk)
{
    File("Docs/bad\xFF.txt", 1);
    lister.failing = Local("Docs/Sub/");
    Select(Disc(QStringLiteral("CD")));
    dialog.settings.FolderPath = FolderPath("Docs");
    command.AddScannedTree();
    ASSERT_GE(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text,
              FolderPath("Docs/Sub") + QStringLiteral("\rНет доступа к указанному ресурсу."))
        << "the box names the folder that failed, not the chosen one";
    EXPECT_EQ(boxes.shown[0].buttons, unsigned(MbOk));
    EXPECT_EQ(model.SelectedNodes().front(), Node(QStringLiteral("CD\\Docs")));
    EXPECT_EQ(changes, 1) << "the closing steps run";
    EXPECT_EQ(operation.StopState(), 0);
    if (boxes.shown.size() == 2) { // the bad name may come after the failing folder
        EXPECT_TRUE(boxes.shown[1].text.contains(QStringLiteral("bad\uFFFD.txt")));
    }
}

// A message box cannot break a path without spaces: long ones lose their
// middle, never their start or the entry's own name.
TEST_F(AddTree, LongPathsOfTheReportAreShortenedInTheMiddle)
{
    const std::string deep = "Docs/" + std::string(70, 'd');
    File(deep + "/back\\slash-with-a-long-name.txt", 1);
    Select(Disc(QStringLiteral("CD")));
    dialog.settings.FolderPath = FolderPath("Docs");
    command.AddScannedTree();
    ASSERT_EQ(boxes.shown.size(), 1);
    const QStringList lines = boxes.shown[0].text.split(u'\r');
    const QString full = FolderPath(deep) + QStringLiteral("back\\slash-with-a-long-name.txt");
    const QString shown = lines.last();
    EXPECT_EQ(shown, ShortenPath(full, 56));
    EXPECT_EQ(shown.size(), 56);
    EXPECT_TRUE(shown.contains(QChar(0x2026)));
    EXPECT_TRUE(full.startsWith(shown.section(QChar(0x2026), 0, 0)));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("slash-with-a-long-name.txt")));
    EXPECT_EQ(ShortenPath(QStringLiteral("/short/path"), 56), QStringLiteral("/short/path"));
    EXPECT_EQ(ShortenPath(full, 0), full) << "the whole path where lines are not limited";
}

TEST_F(AddTree, AnUnreadableArchiveAloneIsReported)
{
    File("Docs/old.zip", 0, "not an archive");
    Select(Disc(QStringLiteral("CD")));
    dialog.settings.FolderPath = FolderPath("Docs");
    dialog.settings.Archives = true;
    command.AddScannedTree();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Warning);
    EXPECT_TRUE(boxes.shown[0].text.startsWith(
        QStringLiteral("Архивов, содержимое которых не удалось прочитать: 1.")));
    EXPECT_TRUE(boxes.shown[0].text.endsWith(FolderPath("Docs") + QStringLiteral("old.zip")));
}

TEST_F(AddTree, CalculateSizeSumsTheSubItems)
{
    TTreeNode *cd = Disc(QStringLiteral("CD"));
    TTreeNode *a = tree.AddChild(cd, QStringLiteral("A"), ImageFolder);
    TTreeNode *b = tree.AddChild(cd, QStringLiteral("B"), ImageFolder);
    auto sized = [](int64_t size) {
        return std::make_unique<TItemDescription>(TItemDescription::Make({}, {}, {}, size, {}));
    };
    tree.SetDescription(a, sized(7));
    tree.SetDescription(b, sized(9));
    tree.SetDescription(tree.AddChild(a, QStringLiteral("x.bin"), ImageFile), sized(100));
    tree.SetDescription(tree.AddChild(b, QStringLiteral("y.bin"), ImageFile), sized(200));
    Select(cd);
    command.CalculateSize();
    ASSERT_NE(cd->Description(), nullptr);
    EXPECT_EQ(cd->Description()->Size, 300);
    EXPECT_EQ(changes, 1);
}

} // namespace
} // namespace qbx::test
