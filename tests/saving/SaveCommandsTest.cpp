// Save, Save As and Save Into as the user sees them: the records written,
// the dialog, the questions and messages, and the catalogue's state after.

#include "saving/SavingFixture.h"

#include <QFileInfo>

using namespace qbx;
using namespace qbx::test;

namespace {

const QString kSaveError = "В процессе сохранения базы данных возникла ошибка.";

TEST_F(SavingTest, ANewCatalogueIsSavedAsItsRecordsInPreOrderAndLoadsBackTheSame)
{
    files.CreateCatalogue();
    // An undescribed disc holding a described folder with one file; an
    // empty disc; an empty folder; a file of 5 GiB.
    catalogue.InsertItem("ДИСК", "Документы\\", "Фирма", "", "", 0, "", true);
    catalogue.InsertItem("ДИСК", "Документы\\письмо.txt", "", "", "", 0, "", false);
    catalogue.InsertItem("EMPTY", "", "", "", "", 0, "", false);
    catalogue.InsertItem("CD2", "Пусто\\", "", "", "", 0, "", true);
    catalogue.InsertItem("CD2", "big.avi", "", "", "", 5368709120, "", false);
    const QStringList before = Nodes();

    saveDialog.answers.push_back({PathOf("new"), 1});
    saving.Save(); // a new catalogue is saved as
    ASSERT_EQ(saveDialog.requests.size(), 1);
    EXPECT_EQ(saveDialog.requests[0].Title, "Сохранение базы данных");
    EXPECT_EQ(saveDialog.requests[0].FileName, options.DbFolder + "Qubrix.db");
    const QString saved = PathOf("new.db");
    // Siblings in tree order: Cyrillic names come before Latin ones.
    EXPECT_EQ(Records(saved),
              QStringList({"ДИСК|Документы\\|Фирма|0", "ДИСК|Документы\\письмо.txt||0",
                           "CD2|Пусто\\||0", "CD2|big.avi||5368709120", "EMPTY|||0"}));
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_FALSE(commands.Enabled(cmd::SaveDbAction));
    EXPECT_FALSE(document.DbIsNew);
    EXPECT_EQ(files.Document().FileName, saved);
    EXPECT_EQ(document.DbName, "new");
    EXPECT_EQ(view.caption, "new - Кварнис");
    EXPECT_EQ(window.TotalText, "Всего записей: 5");
    EXPECT_TRUE(commands.Enabled(cmd::CloseDbAction)) << "commands come back after the save";

    files.CloseCatalogue();
    EXPECT_TRUE(boxes.shown.isEmpty()) << "a saved catalogue closes without a question";
    files.OpenFile(saved);
    modes.SetDbState(DbEntire);
    EXPECT_EQ(Nodes(), before);
}

TEST_F(SavingTest, SaveAsKeepsATypedExtensionAndAsksBeforeReplacingWhenItAddsOne)
{
    OpenChanged(Write("cat.db", kDisc));
    saveDialog.answers.push_back({PathOf("Upper.DB"), 1});
    saving.SaveAs();
    EXPECT_EQ(Records(PathOf("Upper.DB")).size(), 2);
    EXPECT_EQ(saveDialog.requests[0].FileName, PathOf("cat.db"));
    EXPECT_TRUE(saveDialog.requests[0].OverwritePrompt);

    const QString other = Write("other.db", {kDisc[0]});
    const QByteArray old = Bytes(other);
    modes.Unsaved().Set(true);
    saveDialog.answers.push_back({PathOf("other"), 1});
    boxes.Answer(TMsgAnswer::No);
    saving.SaveAs();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, other + "\rФайл базы данных уже существует.\r\n\nЗаменить его?");
    EXPECT_EQ(boxes.shown[0].caption, "Сохранение базы данных");
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Warning);
    EXPECT_EQ(Bytes(other), old);
    EXPECT_EQ(files.Document().FileName, PathOf("Upper.DB"));

    options.ConfirmOverwrite = false; // neither the dialog nor the command asks
    saveDialog.answers.push_back({PathOf("other"), 3});
    saving.SaveAs();
    EXPECT_FALSE(saveDialog.requests.back().OverwritePrompt);
    EXPECT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(Records(other).size(), 2);
    EXPECT_EQ(document.DbName, "other");
}

// The typed extension of an offered format chooses it whatever filter is
// selected; another typed extension is kept and the filter's added.
TEST_F(SavingTest, SaveAsFollowsATypedExtension)
{
    const QString path = Write("c2.db", kDisc);
    OpenChanged(path);
    saveDialog.answers.push_back({PathOf("c2.txt"), 1});
    saving.SaveAs();
    EXPECT_TRUE(boxes.shown.isEmpty()) << "the open catalogue is not offered for replacing";
    EXPECT_EQ(Bytes(PathOf("c2.txt")),
              codec::ToCp1251Bytes("\\\r\n\tCD1\r\n\t\tМузыка\r\n\t\t\ta.mp3\r\n"));
    EXPECT_EQ(files.Document().FileName, path);

    saveDialog.answers.push_back({PathOf("c3.DB"), 2});
    saving.SaveAs();
    EXPECT_EQ(Records(PathOf("c3.DB")).size(), 2);
    EXPECT_EQ(files.Document().FileName, PathOf("c3.DB"));

    modes.Unsaved().Set(true);
    saveDialog.answers.push_back({PathOf("disc.list"), 1});
    saving.SaveAs();
    EXPECT_EQ(files.Document().FileName, PathOf("disc.list.db"));
    saveDialog.answers.push_back({PathOf("tree.v2"), 2});
    saving.SaveAs();
    EXPECT_TRUE(QFileInfo::exists(PathOf("tree.v2.txt")));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(SavingTest, TextTreeIsWrittenExactlyAndLeavesTheCatalogueAsItWas)
{
    const QString path = Write("cat.db", kDisc);
    OpenChanged(path);
    saveDialog.answers.push_back({PathOf("tree"), 2});
    saving.SaveAs();
    EXPECT_EQ(saveDialog.requests[0].Filter,
              "Базы данных по компакт-дискам (*.db)|*.db|Текстовые деревья (*.txt)|*.txt|Все "
              "файлы (*.*)|*.*");
    const QByteArray expected =
        codec::ToCp1251Bytes("\\\r\n\tCD1\r\n\t\tМузыка\r\n\t\t\ta.mp3\r\n");
    EXPECT_EQ(Bytes(PathOf("tree.txt")), expected);
    EXPECT_EQ(files.Document().FileName, path);
    EXPECT_EQ(document.DbName, "cat");
    EXPECT_TRUE(commands.Enabled(cmd::SaveDbAction));
    // The dialog remembers the text filter and proposes the text name next.
    saving.SaveAs();
    EXPECT_EQ(saveDialog.requests[1].FilterIndex, 2);
    EXPECT_EQ(saveDialog.requests[1].FileName, PathOf("cat.txt"));

    // With the catalogue open but not shown, the export reads it first and
    // leaves the tree for the first switch to the entire view.
    options.ConfirmUnsaved = "0";
    files.CloseCatalogue();
    files.OpenFile(path);
    ASSERT_EQ(window.DbState(), DbOpen);
    saveDialog.answers.push_back({PathOf("mode1.txt"), 2});
    saving.SaveAs();
    EXPECT_EQ(Bytes(PathOf("mode1.txt")), expected);
    EXPECT_EQ(window.DbState(), DbOpen);
    EXPECT_TRUE(Nodes().isEmpty());
    modes.SetDbState(DbEntire);
    EXPECT_EQ(Nodes().size(), 3);
}

TEST_F(SavingTest, AnUnchangedCatalogueIsCopiedWhenTheFolderHasRoom)
{
    const QString path = Write("cat.db", kDisc);
    files.OpenFile(path);
    modes.SetDbState(DbEntire);
    freeBytes = 100;
    saveDialog.answers.push_back({PathOf("copy.db"), 1});
    saving.SaveAs();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, "Невозможно сохранить файл базы данных из-за недостатка "
                                   "свободного места на диске " +
                                       QDir::toNativeSeparators(dir.path()) + ".");
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Error);
    EXPECT_FALSE(QFile::exists(PathOf("copy.db")));
    EXPECT_EQ(files.Document().FileName, path);
    EXPECT_EQ(document.DbName, "cat");

    freeBytes = -1; // not known: the copy goes ahead
    saveDialog.answers.push_back({PathOf("copy.db"), 1});
    saving.SaveAs();
    EXPECT_EQ(Bytes(PathOf("copy.db")), Bytes(path));
    EXPECT_EQ(files.Document().FileName, PathOf("copy.db"));

    // A changed tree too large for the folder is refused before writing.
    modes.Unsaved().Set(true);
    freeBytes = 1000;
    saving.Save();
    EXPECT_EQ(boxes.shown.size(), 2);
    EXPECT_TRUE(commands.Enabled(cmd::SaveDbAction));
    EXPECT_EQ(Bytes(PathOf("copy.db")), Bytes(path));
}

TEST_F(SavingTest, ReadOnlyCatalogueIsNotSaved)
{
    const QString path = Write("cat.db", kDisc);
    OpenChanged(path);
    document.DbReadOnly = true;
    const QByteArray old = Bytes(path);
    saving.Save();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, path + "\rЭтот файл базы данных существует и доступен только "
                                          "для чтения.\r\n\nУкажите другое имя файла.");
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Warning);
    EXPECT_EQ(Bytes(path), old);
    EXPECT_TRUE(commands.Enabled(cmd::SaveDbAction));
}

TEST_F(SavingTest, SaveIntoAppendsAndChecksTheTargetFirst)
{
    OpenChanged(Write("cat.db", kDisc));
    const QString target = Write("into.db", {{"OLD", "x.txt", "", "", "", 1, ""}});
    const QString title = "Сохранение добавлением в базу данных";
    saveDialog.answers.push_back({PathOf("into"), 1});
    saving.SaveInto();
    EXPECT_EQ(saveDialog.requests[0].Title, title);
    EXPECT_EQ(saveDialog.requests[0].Filter,
              "Базы данных по компакт-дискам (*.db)|*.db|Все файлы (*.*)|*.*");
    EXPECT_FALSE(saveDialog.requests[0].OverwritePrompt);
    EXPECT_EQ(Records(target), QStringList({"OLD|x.txt||1", "CD1|Музыка\\||5000000000",
                                            "CD1|Музыка\\a.mp3|Мелодия|4096"}));
    EXPECT_EQ(window.TotalText, "Всего записей: 3");
    EXPECT_TRUE(commands.Enabled(cmd::SaveDbAction)) << "the open catalogue stays unsaved";
    EXPECT_TRUE(boxes.shown.isEmpty());

    saveDialog.answers.push_back({PathOf("missing.db"), 1});
    saving.SaveInto();
    saveDialog.answers.push_back({PathOf("tree.txt"), 1});
    QFile text(PathOf("tree.txt.db"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("no table");
    text.close();
    saving.SaveInto();
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown[0].text, PathOf("missing.db") +
                                       "\rФайл базы данных не существует.\r\n\nПроверьте "
                                       "правильность указания пути и имени файла.");
    EXPECT_EQ(boxes.shown[1].text, PathOf("tree.txt.db") +
                                       "\rФайл базы данных недоступен или имеет неверный "
                                       "формат.\r\n\nПроверьте его содержимое.");
    EXPECT_EQ(boxes.shown[1].caption, title);

    // An old-format target is upgraded first, then appended to.
    const QString old = Write("old.db", {{"OLD", "", "", "", "", 7, ""}}, true);
    saveDialog.answers.push_back({old, 1});
    saving.SaveInto();
    EXPECT_EQ(Records(old).size(), 3);
    engine::Table t;
    t.Open(old.toStdString());
    EXPECT_EQ(t.Fields()[CfByteSize].Kind(), engine::FieldKind::Float);
}

TEST_F(SavingTest, SaveIntoFromAnUnshownCatalogueWritesItsRecordsButNoRoot)
{
    const QString path = Write("cat.db", kDisc);
    files.OpenFile(path);
    const QString target = Write("into.db", {});
    saveDialog.answers.push_back({target, 1});
    saving.SaveInto();
    EXPECT_EQ(Records(target),
              QStringList({"CD1|Музыка\\||5000000000", "CD1|Музыка\\a.mp3|Мелодия|4096"}));
    EXPECT_EQ(window.DbState(), DbOpen);
}

TEST_F(SavingTest, SearchResultsAreSavedAsTheirRecordsUnderTheResultName)
{
    OpenChanged(Write("cat.db", kDisc));
    TTreeNode *group = searchTree.AddChild(searchTree.Root(), "Мелодия", ImageFolder);
    TTreeNode *hit = searchTree.AddChild(group, "a.mp3", ImageFile);
    searchTree.SetFoundRecord(hit, std::make_unique<TFoundRecord>(TFoundRecord::Make(
                                       "CD1", "Музыка\\a.mp3", "Мелодия", "", "", 4096, "")));
    modes.SetDbState(DbFound);
    saveDialog.answers.push_back({PathOf("found.db"), 1});
    saving.SaveAs();
    EXPECT_EQ(saveDialog.requests[0].Title, "Сохранение результатов поиска");
    EXPECT_EQ(saveDialog.requests[0].FileName, PathOf("cat Query.db"));
    EXPECT_EQ(Records(PathOf("found.db")), QStringList({"CD1|Музыка\\a.mp3|Мелодия|4096"}));
    EXPECT_EQ(files.Document().FileName, PathOf("cat.db"));
    EXPECT_TRUE(commands.Enabled(cmd::SaveDbAction));
}

TEST_F(SavingTest, ClosingWithYesSavesAndAFailedSaveKeepsTheCatalogueOpen)
{
    const QString path = Write("cat.db", kDisc);
    OpenChanged(path);
    catalogue.InsertItem("CD9", "", "", "", "", 0, "", false);
    const QByteArray old = Bytes(path);
    fs.FailCall(FaultyFileSystem::Call::Rename, 1, EPERM);
    boxes.Answer(TMsgAnswer::Yes);
    files.CloseCatalogue();
    EXPECT_EQ(window.DbState(), DbEntire);
    EXPECT_EQ(Bytes(path), old);
    ASSERT_EQ(boxes.shown.size(), 3); // the question, the reason, the failure
    EXPECT_EQ(boxes.shown[2].text, kSaveError);

    boxes.Answer(TMsgAnswer::Yes);
    EXPECT_EQ(modes.Close(), TCloseAnswer::Close);
    EXPECT_EQ(Records(path).size(), 3);
    EXPECT_EQ(boxes.shown[3].caption, "Выход из программы");
}

} // namespace
