// The global, one-field and size searches with scripted dialogs, against a
// small real catalogue.
#include "search/SearchFixture.h"

#include "search/TSimpleSearches.h"
#include "tree/NodeRecord.h"

#include <deque>

using namespace qbx;
using namespace qbx::test;

namespace {

// The text dialog answered from a script; what it was shown with is kept.
class ScriptedStringForm : public IStringSearchForm {
public:
    std::deque<std::optional<TStringSearchAnswer>> answers; // nullopt = Cancel
    struct Shown {
        TStringSearchSetup setup;
        QString text;
        int view;
    };
    QList<Shown> shown;

    bool Run(const TStringSearchSetup &setup, const QString &text, int view,
             TStringSearchAnswer &answer) override
    {
        shown.append({setup, text, view});
        if (answers.empty() || !answers.front()) {
            if (!answers.empty())
                answers.pop_front();
            return false;
        }
        answer = *answers.front();
        answers.pop_front();
        return true;
    }
};

class ScriptedSizeForm : public ISizeSearchForm {
public:
    std::deque<TSizeSearchAnswer> answers;
    bool Run(int, TSizeSearchAnswer &answer) override
    {
        if (answers.empty())
            return false;
        answer = answers.front();
        answers.pop_front();
        return true;
    }
};

TStringSearchAnswer Typed(const QString &text, bool substring = true, bool caseSensitive = false,
                          int view = PresentStandard)
{
    TStringSearchAnswer a;
    a.text = text;
    a.substring = substring;
    a.caseSensitive = caseSensitive;
    a.kinds.view = view;
    return a;
}

const QList<Rec> kCatalogue = {
    {"CD1", "", "", "", "", 0, ""},
    {"CD1", "Docs\\", "", "", "", 0, ""},
    {"CD1", "Docs\\readme.txt", "Acme", "", "", 1048576, ""},
    {"CD1", ".TXT", "", "", "", 5, ""},
    {"CD1", "Елка.doc", "", "", "", 2 * 1048576, ""},
    {"CD1", "Docs\\big.iso", "", "", "", 3 * 1048576, ""},
};

class SimpleSearchesTest : public SearchTest {
protected:
    ScriptedStringForm stringForm;
    ScriptedSizeForm sizeForm;
    struct : IDefaultSearch {
        int command = -1;
        void SetDefaultSearch(int c) override { command = c; }
    } toolButton;
    const int &defaultSearch = toolButton.command;
    TSimpleSearches searches{{options, lastSearch, modes, commands, boxes, runner, results, stringForm,
                              sizeForm, toolButton}};

    SimpleSearchesTest() { Open(kCatalogue); }
};

TEST_F(SimpleSearchesTest, ExtensionSearches)
{
    for (const char *typed : {"txt", ".txt"}) {
        stringForm.answers = {Typed(QString::fromLatin1(typed))};
        searches.RunFieldSearch(7);
        EXPECT_EQ(lastSearch.LastCondition, QStringLiteral(R"((UPPER (Path) LIKE "%.TXT"))"));
        EXPECT_EQ(Results(), (QStringList{"CD1/1", "  Docs/2", "    readme.txt/4", "  .TXT/4"}));
    }
    EXPECT_EQ(defaultSearch, cmd::ExtensionSearchAction);
    EXPECT_EQ(stringForm.shown[0].setup.helpContext, 11);
    EXPECT_EQ(stringForm.shown[0].setup.prompt,
              QStringLiteral("Введите расширение файла продукта:"));
    EXPECT_EQ(stringForm.shown[0].setup.maxLength, 253);
    EXPECT_EQ(stringForm.shown[1].text, QStringLiteral("txt")) << "the tag's last text";

    stringForm.answers = {Typed(QStringLiteral("txt"), false)};
    searches.RunFieldSearch(7);
    EXPECT_EQ(lastSearch.LastCondition, QStringLiteral(R"((UPPER (Path) LIKE ".TXT"))"));
    EXPECT_EQ(Results(), (QStringList{"CD1/1", "  .TXT/4"})) << "only the path that is .TXT";
    EXPECT_EQ(lastSearch.ResultName, QStringLiteral("txt"));
}

TEST_F(SimpleSearchesTest, GlobalSearchTriesЕForЁ)
{
    options.ConfirmResearch = false;
    stringForm.answers = {Typed(QStringLiteral("Ёлка"), true, false, PresentList)};
    searches.RunGlobalSearch();
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(lastSearch.LastCondition.count(QStringLiteral("%ЕЛКА%")), 6);
    EXPECT_EQ(Results(), (QStringList{"CD1\\Елка.doc/4"}));
    EXPECT_EQ(CurrentPresentation(commands), PresentList) << "the dialog's presentation";
    EXPECT_EQ(searches.GlobalSearchText, QStringLiteral("Ёлка"));
    EXPECT_EQ(lastSearch.ResultName, QStringLiteral("Ёлка"));
    EXPECT_EQ(stringForm.shown[0].setup.helpContext, 10);
    EXPECT_EQ(stringForm.shown[0].setup.prompt, QStringLiteral("Введите строку для поиска:"));

    // A one-field search does not try again.
    stringForm.answers = {Typed(QStringLiteral("Ёлка"))};
    searches.RunFieldSearch(1);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text,
              QStringLiteral("В базе данных не описан продукт с полным путём \"Ёлка\"."));
    EXPECT_EQ(boxes.shown[0].buttons, unsigned(MbOk));
}

TEST_F(SimpleSearchesTest, NothingFoundOffersTheDialogAgain)
{
    // Two failures name their own texts; the second No ends the search.
    stringForm.answers = {Typed(QStringLiteral("foo")), Typed(QStringLiteral("bar"))};
    boxes.Answer(TMsgAnswer::Yes);
    boxes.Answer(TMsgAnswer::No);
    searches.RunFieldSearch(2);
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("В базе данных не описан продукт, произведённый "
                                                  "\"foo\".\rИскать по другому производителю?"));
    EXPECT_EQ(boxes.shown[1].text, QStringLiteral("В базе данных не описан продукт, произведённый "
                                                  "\"bar\".\rИскать по другому производителю?"));
    EXPECT_EQ(boxes.shown[1].icon, TMsgIcon::Warning);
    EXPECT_EQ(stringForm.shown[1].text, QStringLiteral("foo")) << "shown again with its text";
    EXPECT_EQ(searches.FieldSearchText[2], QStringLiteral("bar"));
    EXPECT_EQ(window.DbState(), DbOpen);

    // The global search, and a text holding "%" shown as typed.
    boxes.shown.clear();
    stringForm.answers = {Typed(QStringLiteral("50% off"))};
    boxes.Answer(TMsgAnswer::No);
    searches.RunGlobalSearch();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("В базе данных не содержится строка \"50% "
                                                  "off\".\rИскать другую строку?"));

    // Found on the second try after a Yes.
    boxes.shown.clear();
    stringForm.answers = {Typed(QStringLiteral("nothing")), Typed(QStringLiteral("acme"))};
    boxes.Answer(TMsgAnswer::Yes);
    searches.RunFieldSearch(2);
    EXPECT_EQ(window.DbState(), DbFound);
    EXPECT_EQ(Results(), (QStringList{"CD1/1", "  Docs/2", "    readme.txt/4"}));
    EXPECT_EQ(lastSearch.LastCondition, QStringLiteral(R"((UPPER (Producer) LIKE "%ACME%"))"));

    // Cancel ends it without anything.
    boxes.shown.clear();
    stringForm.answers = {std::nullopt};
    searches.RunGlobalSearch();
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(window.DbState(), DbFound);
}

// Names with the characters Linux allows are found by what is typed; "*"
// and "?" stay the user's wildcards, so a typed one also matches itself.
class LinuxNamesSearchTest : public SearchTest {
protected:
    ScriptedStringForm stringForm;
    ScriptedSizeForm sizeForm;
    struct : IDefaultSearch {
        void SetDefaultSearch(int) override {}
    } toolButton;
    TSimpleSearches searches{
        {options, lastSearch, modes, commands, boxes, runner, results, stringForm, sizeForm,
         toolButton}};

    LinuxNamesSearchTest()
    {
        Open({{"CD1", "", "", "", "", 0, ""},
              {"CD1", "man\\Dpkg::BuildTypes.3perl.gz", "", "", "", 1, ""},
              {"CD1", "man\\<in> \"q\" a|b.txt", "", "", "", 1, ""},
              {"CD1", "man\\what?.txt", "", "", "", 1, ""},
              {"CD1", "man\\whatnot.txt", "", "", "", 1, ""}});
    }
    QStringList Found(const char *typed, int field = 1)
    {
        stringForm.answers = {Typed(QString::fromUtf8(typed), true, false, PresentList)};
        searches.RunFieldSearch(field);
        return window.DbState() == DbFound ? Results() : QStringList();
    }
};

TEST_F(LinuxNamesSearchTest, TypedCharactersMatchThemselves)
{
    EXPECT_EQ(Found("::build"), QStringList{"CD1\\man\\Dpkg::BuildTypes.3perl.gz/4"});
    EXPECT_EQ(Found("\"q\""), QStringList{"CD1\\man\\<in> \"q\" a|b.txt/4"});
    EXPECT_EQ(Found("<in>"), QStringList{"CD1\\man\\<in> \"q\" a|b.txt/4"});
    EXPECT_EQ(Found("a|b"), QStringList{"CD1\\man\\<in> \"q\" a|b.txt/4"});
    EXPECT_EQ(Found("what?.txt"), (QStringList{"CD1\\man\\what?.txt/4", "CD1\\man\\whatnot.txt/4"}))
        << "a typed \"?\" is a wildcard";
}

TEST_F(SimpleSearchesTest, SizeSearches)
{
    TSizeSearchAnswer range;
    range.fromBytes = QStringLiteral("2097152");
    range.toBytes = QStringLiteral("3145728");
    range.from = 2;
    range.to = 3;
    range.unitText = QStringLiteral("МБ");
    range.kinds.discs = range.kinds.folders = false;
    sizeForm.answers = {range};
    searches.RunSizeSearch();
    EXPECT_EQ(lastSearch.LastCondition,
              QStringLiteral(R"(((ByteSize >= 2097152) AND (ByteSize <= 3145728)) AND (NOT )"
                             R"((Path IS NULL)) AND (NOT (Path = "")) AND ((Path IS NULL) OR )"
                             R"((Path = "") OR (NOT (Path LIKE "%\"))))"));
    EXPECT_EQ(Results(), (QStringList{"CD1/1", "  Docs/2", "    big.iso/4", "  Елка.doc/4"}));
    EXPECT_EQ(lastSearch.ResultName, QStringLiteral("2097152"));
    EXPECT_EQ(defaultSearch, cmd::SizeSearchAction);

    TSizeSearchAnswer exact;
    exact.fromBytes = QStringLiteral("7");
    exact.from = 7;
    exact.unitText = QStringLiteral("байт");
    TSizeSearchAnswer huge;
    huge.fromBytes = QStringLiteral("10737418240");
    huge.toBytes = QStringLiteral("2305843008139952128");
    huge.from = 10;
    huge.to = 2147483647;
    huge.unitText = QStringLiteral("ГБ");
    sizeForm.answers = {exact, huge};
    boxes.Answer(TMsgAnswer::Yes);
    boxes.Answer(TMsgAnswer::No);
    searches.RunSizeSearch();
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("В базе данных не описан продукт размером 7 "
                                                  "байт.\rИскать продукт другого размера?"));
    EXPECT_EQ(boxes.shown[1].text, QStringLiteral("В базе данных не описан продукт размером от 10 "
                                                  "до 2147483647 ГБ.\rИскать продукт другого "
                                                  "размера?"));
}

TEST(SizeUnitsTest, UnitChoiceAndRounding)
{
    EXPECT_EQ(ChooseSizeUnit(-1, 4, 0, 0), 0) << "automatic with nothing remembered: bytes";
    EXPECT_EQ(ChooseSizeUnit(-1, 4, 2097152, 3145728), 2);
    EXPECT_EQ(ChooseSizeUnit(-1, 4, 0, 1023), 0);
    EXPECT_EQ(ChooseSizeUnit(-1, 4, 0, 1024), 1);
    EXPECT_EQ(ChooseSizeUnit(-1, 4, 1073741824, 0), 3);
    EXPECT_EQ(ChooseSizeUnit(-1, 2, 5, 5), 2);
    EXPECT_EQ(ChooseSizeUnit(-1, 9, 1 << 30, 0), 0);
    EXPECT_EQ(ChooseSizeUnit(1, 4, 1 << 30, 0), 1) << "the unit already selected stays";

    EXPECT_EQ(BytesInUnit(3145728, 2), 3);
    EXPECT_EQ(BytesInUnit(1536, 1), 2) << "1.5 to even";
    EXPECT_EQ(BytesInUnit(2560, 1), 2) << "2.5 to even";
    EXPECT_EQ(BytesInUnit(2561, 1), 3);
    EXPECT_EQ(BytesInUnit(511, 1), 0);
    // The largest size the dialog takes fits 64 bits.
    EXPECT_EQ(int64_t(2147483647) * SizeUnitBytes(3), 2305843008139952128);
    EXPECT_EQ(SizeUnitText(3), QStringLiteral("ГБ"));
}

} // namespace
