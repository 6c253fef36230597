#include "catalogue/CatalogueFixture.h"

#include "search/TViewSwitch.h"
#include "storage/IQueryFileEditor.h"
#include "tree/TTreeModel.h"

#include <QFile>

using namespace qbx;
using namespace qbx::test;

namespace {

const QString kBadFormat =
    "\rФайл базы данных недоступен или имеет неверный формат.\r\n\nПроверьте его содержимое.";

} // namespace

TEST_F(CatalogueTest, OpenChecksTheFileAndTheFirstEntireViewLoadsIt)
{
    const QString path = Write("cat.db", kDisc);
    files.OpenFile(path);
    EXPECT_EQ(window.DbState(), DbOpen);
    EXPECT_EQ(document.DbName, "cat");
    EXPECT_EQ(document.FileName, path);
    EXPECT_FALSE(document.DbReadOnly);
    EXPECT_TRUE(Nodes().isEmpty()) << "opening alone reads no record";

    modes.SetDbState(DbEntire);
    EXPECT_EQ(Nodes(), QStringList({"CD1||0", "CD1\\Музыка||5000000000",
                                    "CD1\\Музыка\\a.mp3|Мелодия|4096"}));
    EXPECT_EQ(window.TotalText, "Всего записей: 3");
    EXPECT_FALSE(commands.Enabled(cmd::SaveDbAction));
    EXPECT_TRUE(commands.Enabled(cmd::AddDbAction)) << "commands are restored after the load";
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(CatalogueTest, FilesThatAreNoCatalogueAreRefusedWithTheFormatWarning)
{
    const QString good = Write("good.db", kDisc);
    files.OpenFile(good);

    // Another table, a missing file and a file that is no table at all.
    const QString other = PathOf("other.db");
    engine::Table::Create(other.toStdString(), {engine::FieldDef::Alpha("Name", 20)});
    const QString text = PathOf("text.db");
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a table at all");
    f.close();

    // The status bar keeps why the engine could not read the file.
    const QList<std::pair<QString, QString>> cases = {
        {other, ""},
        {PathOf("missing.db"), "Файл не найден"},
        {text, "Файл повреждён или не является таблицей"}};
    for (const auto &[bad, reason] : cases) {
        boxes.shown.clear();
        files.OpenFile(bad);
        EXPECT_EQ(view.status, reason);
        ASSERT_EQ(boxes.shown.size(), 1);
        EXPECT_EQ(boxes.shown[0].text, bad + kBadFormat);
        EXPECT_EQ(boxes.shown[0].caption, "Проверка формата базы данных");
        EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Warning);
        EXPECT_EQ(files.Document().FileName, good) << "the table object points back at the old file";
    }
}

TEST_F(CatalogueTest, LockedFileIsRefused)
{
    const QString path = Write("cat.db", kDisc);
    engine::Table holder;
    holder.Open(path.toStdString(), engine::OpenMode::Exclusive);
    files.OpenFile(path);
    EXPECT_EQ(window.DbState(), DbNone);
    EXPECT_EQ(view.status, "Файл занят другой программой");
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, path + kBadFormat);
}

TEST_F(CatalogueTest, OldFormatOpensAndLoadsAndEmptyCatalogueIsTheRootAlone)
{
    QList<Rec> old = kDisc;
    old[1].size = 70000; // integer sizes
    files.OpenFile(Write("old.db", old, true));
    EXPECT_EQ(window.DbState(), DbOpen);
    modes.SetDbState(DbEntire);
    EXPECT_EQ(Nodes().size(), 3);

    files.CloseCatalogue();
    files.OpenFile(Write("empty.db", {}));
    modes.SetDbState(DbEntire);
    EXPECT_TRUE(Nodes().isEmpty());
    EXPECT_EQ(window.TotalText, "Всего записей: 0");
}

TEST_F(CatalogueTest, WrongLanguageDriverAsksOrFollowsConfirmRecode)
{
    const QString path = Write("latin.db", kDisc, false, "ascii");
    const QString question =
        path + "\rФайл базы данных был сохранён с использованием неверного языкового драйвера, "
               "вследствие чего возможен некорректный поиск русских букв.\r\n\nВы хотите открыть "
               "его в режиме редактирования для сохранения с использованием правильного "
               "языкового драйвера?";

    boxes.Answer(TMsgAnswer::No);
    files.OpenFile(path);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, question);
    EXPECT_EQ(boxes.shown[0].buttons, unsigned(MbYesNo));
    EXPECT_EQ(window.DbState(), DbOpen);

    files.CloseCatalogue();
    boxes.Answer(TMsgAnswer::Yes);
    files.OpenFile(path);
    EXPECT_EQ(window.DbState(), DbEntire) << "Yes opens for editing, loaded and marked changed";
    EXPECT_EQ(Nodes().size(), 3);
    EXPECT_TRUE(commands.Enabled(cmd::SaveDbAction));
    EXPECT_TRUE(modes.Unsaved().Any());

    options.ConfirmUnsaved = "0";
    files.CloseCatalogue();
    boxes.shown.clear();
    options.ConfirmRecode = "0";
    files.OpenFile(path);
    EXPECT_EQ(window.DbState(), DbOpen);
    files.CloseCatalogue();
    options.ConfirmRecode = "1";
    files.OpenFile(path);
    EXPECT_EQ(window.DbState(), DbEntire);
    EXPECT_TRUE(boxes.shown.isEmpty()) << "a stored answer asks nothing";
}

TEST_F(CatalogueTest, AddingTheOpenCatalogueToItselfMakesEveryRecordAConflict)
{
    const QString path = Write("cat.db", kDisc);
    files.OpenFile(path);
    modes.SetDbState(DbEntire);
    conflicts.Answer(ConflictComplement);
    conflicts.Answer(ConflictKeepAll);
    dialogs.answers.push_back(path);
    files.AddCatalogue();

    ASSERT_EQ(dialogs.requests.size(), 1);
    EXPECT_EQ(dialogs.requests[0].Title, "Добавление базы данных");
    EXPECT_EQ(dialogs.requests[0].Filter,
              "Базы данных по компакт-дискам (*.db)|*.db|Все файлы (*.*)|*.*");
    EXPECT_EQ(dialogs.requests[0].FileName, path);
    EXPECT_EQ(conflicts.asked, QStringList({"CD1", "CD1\\Музыка\\"}))
        << "asked until an answer for all is given";
    EXPECT_EQ(Nodes().size(), 3);
    EXPECT_TRUE(commands.Enabled(cmd::SaveDbAction));
    EXPECT_EQ(answers.ConflictAnswer, ConflictNotAsked)
        << "the answer for all ends with the operation";
    EXPECT_EQ(rootExpansions, 1);
    EXPECT_EQ(files.Document().FileName, path);
    EXPECT_EQ(files.OpenDialog().Title, "Открытие базы данных");
}

TEST_F(CatalogueTest, StopDuringLoadKeepsWhatWasRead)
{
    QList<Rec> many;
    for (int i = 0; i < 500; ++i)
        many.append({"CD", QString("f%1.txt").arg(i), "", "", "", double(i), ""});
    files.OpenFile(Write("many.db", many));
    qint64 now = 0;
    operation.SetClock([&] { return now += 10; });
    options.ConfirmInterrupt = false;
    int runs = 0;
    view.onEvents = [&] {
        if (operation.Running() && ++runs == 3)
            operation.PressStop();
    };
    modes.SetDbState(DbEntire);
    const int loaded = Nodes().size();
    EXPECT_GT(loaded, 1);
    EXPECT_LT(loaded, 501);
    EXPECT_TRUE(commands.Enabled(cmd::CloseDbAction));
    EXPECT_FALSE(operation.Running());
}

TEST_F(CatalogueTest, EngineFailureDuringLoadIsReportedAndCommandsComeBack)
{
    const QString path = Write("cat.db", kDisc);
    files.OpenFile(path);
    QFile f(path);
    ASSERT_TRUE(f.resize(100)); // the file is damaged after it was checked
    modes.SetDbState(DbEntire);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, path + "\rОшибка чтения базы данных.\r\n\n"
                                          "Файл повреждён или не является таблицей.");
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Error);
    EXPECT_TRUE(commands.Enabled(cmd::CloseDbAction));
    EXPECT_TRUE(view.popupEnabled);
}

TEST_F(CatalogueTest, CloseAsksAboutUnsavedChangesUnlessTheCatalogueIsNewAndEmpty)
{
    files.CreateCatalogue();
    EXPECT_EQ(window.DbState(), DbEntire);
    EXPECT_EQ(files.Document().FileName, options.DbFolder + "Qubrix.db");
    EXPECT_TRUE(commands.Enabled(cmd::SaveDbAction));
    files.CloseCatalogue();
    EXPECT_EQ(window.DbState(), DbNone);
    EXPECT_TRUE(boxes.shown.isEmpty()) << "a new catalogue holding only its root asks nothing";

    files.OpenFile(Write("cat.db", kDisc));
    modes.SetDbState(DbEntire);
    modes.Unsaved().Set(true);
    boxes.Answer(TMsgAnswer::Cancel);
    files.CloseCatalogue();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, "База данных cat была изменена.\rСохранить изменения?");
    EXPECT_EQ(boxes.shown[0].caption, "Закрытие базы данных");
    EXPECT_EQ(boxes.shown[0].buttons, unsigned(MbYesNoCancel));
    EXPECT_EQ(window.DbState(), DbEntire) << "Cancel keeps the catalogue";

    options.ConfirmUnsaved = "1"; // save silently; a save that fails keeps it open
    fs.FailWritesAfter(0);
    files.CloseCatalogue();
    EXPECT_EQ(window.DbState(), DbEntire);
    // The failed save is reported, with the full disk as its reason.
    EXPECT_EQ(boxes.shown.size(), 3);
    fs.Reset();

    options.ConfirmUnsaved = "0";
    files.CloseCatalogue();
    EXPECT_EQ(window.DbState(), DbNone);
    EXPECT_TRUE(Nodes().isEmpty());
    EXPECT_EQ(boxes.shown.size(), 3);
}

TEST_F(CatalogueTest, QueryFilesGoToTheQueryEditorAndTheCatalogueStaysOpen)
{
    files.OpenFile(Write("cat.db", kDisc));
    struct Editor : IQueryFileEditor {
        QString handed;
        void EditQueryFile(const QString &f) override { handed = f; }
    } editor;
    const QString &handed = editor.handed;
    files.SetQueryEditor(&editor);
    dialogs.answers.push_back(PathOf("find.CDQ"));
    files.OpenWithDialog();
    EXPECT_EQ(handed, PathOf("find.CDQ"));
    EXPECT_TRUE(document.QueryFilePending);
    EXPECT_EQ(window.DbState(), DbOpen);
    EXPECT_EQ(document.DbName, "cat");
}

TEST_F(CatalogueTest, ViewCommandsSwitchBetweenTheCatalogueAndNoPane)
{
    TTreeModel searchModel(searchTree);
    int &valueWidth = view.valueColumnWidth;
    valueWidth = 250;
    TViewSwitch views(modes, commands, searchModel, view);
    files.OpenFile(Write("cat.db", kDisc));

    commands.SetChecked(cmd::EntireViewAction, true); // as the window toggles it
    views.ShowEntireView();
    EXPECT_EQ(window.DbState(), DbEntire);
    EXPECT_EQ(Nodes().size(), 3) << "the first entry loads the catalogue";

    commands.SetChecked(cmd::EntireViewAction, false);
    views.ShowEntireView();
    EXPECT_EQ(window.DbState(), DbOpen);
    commands.SetChecked(cmd::EntireViewAction, true);
    views.ShowEntireView();
    EXPECT_EQ(Nodes().size(), 3) << "the second entry does not load again";

    commands.SetChecked(cmd::FoundViewAction, true);
    views.ShowFoundView();
    EXPECT_EQ(window.DbState(), DbFound);
    EXPECT_EQ(window.Panes.EntireValueWidth, 250) << "the catalogue view's column width is kept";
    valueWidth = 180;
    commands.SetChecked(cmd::EntireViewAction, true);
    views.ShowEntireView();
    EXPECT_EQ(window.DbState(), DbEntire);
    EXPECT_EQ(window.Panes.FoundValueWidth, 180);
}
