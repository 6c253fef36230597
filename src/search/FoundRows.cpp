#include "search/FoundRows.h"

#include "engine/Query.h"
#include "platform/Codec.h"
#include "platform/TextRules.h"
#include "storage/CatalogueFields.h"
#include "tree/CataloguePath.h"
#include "tree/NodeOrder.h"
#include "tree/NodeRecord.h"
#include "tree/TTree.h"

namespace qbx {

namespace {

QString TextField(const engine::Query &query, size_t field)
{
    if (field >= query.Fields().size())
        return QString();
    return codec::FromCp1251(query.ReadText(field));
}

TTreeNode *AddStandard(TTree &tree, const QString &full)
{
    TTreeNode *current = tree.Root();
    QStringView rest = full;
    int level = 0;
    do {
        if (level >= 2 && !IsArchiveName(current->Text()))
            tree.SetImage(current, ImageFolder);
        bool folder = false;
        if (const qsizetype slash = rest.indexOf(u'\\'); slash >= 0 && slash == rest.size() - 1) {
            rest.chop(1);
            folder = true;
        }
        const auto [component, after] = SplitFirst(rest);
        int image;
        if (level == 0)
            image = ImageDisc;
        else if (after.isEmpty())
            image = folder ? ImageFolder : ImageFile;
        else
            image = component.contains(u'.') ? ImageFile : ImageFolder;
        current = tree.FindOrAddChild(current, component, image).first;
        ++level;
        rest = after;
    } while (!rest.isEmpty());
    return current;
}

// A total order of texts the collation finds equal: character by
// character, by the lower-case form, then a lower-case letter before its
// upper-case form.
int CaseOrder(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ca = a[i].unicode();
        const char16_t cb = b[i].unicode();
        if (ca == cb)
            continue;
        const char16_t la = text::LowerChar(ca);
        const char16_t lb = text::LowerChar(cb);
        if (la != lb)
            return la < lb ? -1 : 1;
        return la == ca ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

TFoundRecord ReadFoundRecord(const engine::Query &query)
{
    const bool hasSize = query.Fields().size() > CfByteSize;
    return TFoundRecord::Make(TextField(query, CfLabel), TextField(query, CfPath),
                              TextField(query, CfProducer), TextField(query, CfProduct),
                              TextField(query, CfVersion),
                              hasSize ? ByteSizeFromField(query.ReadNumber(CfByteSize)) : 0,
                              TextField(query, CfDescription));
}

TTreeNode *AddFoundRow(TTree &tree, int presentation, TFoundRecord record)
{
    QString full = JoinPath(record.Label, record.Path);
    TTreeNode *node;
    if (presentation == PresentStandard) {
        node = AddStandard(tree, full);
    } else {
        const bool folder = full.endsWith(u'\\');
        if (folder)
            full.chop(1);
        const int image = record.Path.isEmpty() ? ImageDisc : (folder ? ImageFolder : ImageFile);
        TTreeNode *root = tree.Root();
        if (presentation == PresentProducer) {
            TTreeNode *group = tree.FindOrAddChild(root, record.Producer, ImageFolder).first;
            node = tree.AddChild(group, LastComponent(full), image);
        } else if (presentation == PresentList) {
            node = tree.FindOrAddChild(root, full, image).first;
        } else {
            node = tree.AddChild(root, LastComponent(full), image);
        }
    }
    tree.SetFoundRecord(node, std::make_unique<TFoundRecord>(std::move(record)));
    return node;
}

int CompareResultTexts(QStringView a, QStringView b)
{
    if (const int c = text::CompareFileNames(a, b); c != 0)
        return c;
    return CaseOrder(a, b);
}

bool ResultTextLess(const TTreeNode &a, const TTreeNode &b)
{
    if (const int c = CompareResultTexts(a.Text(), b.Text()); c != 0)
        return c < 0;
    const TFoundRecord *ra = a.FoundRecord();
    const TFoundRecord *rb = b.FoundRecord();
    if (!ra || !rb)
        return !ra && rb;
    if (const int c = CaseOrder(ra->Label, rb->Label); c != 0)
        return c < 0;
    return CaseOrder(ra->Path, rb->Path) < 0;
}

bool ResultTextKey(const TTreeNode &node, std::string &key)
{
    return text::AppendFileNameKey(node.Text(), key);
}

void SetPresentationOrder(TTree &tree, int presentation)
{
    if (presentation == PresentStandard)
        tree.SetSiblingOrder(&SiblingLess, &SiblingKey);
    else
        tree.SetSiblingOrder(&ResultTextLess, &ResultTextKey);
}

void FillResultTree(TTree &tree, int presentation, engine::Query &query,
                    const std::function<bool()> &step)
{
    tree.ResetTree();
    SetPresentationOrder(tree, presentation);
    for (bool row = query.First(); row; row = query.Next()) {
        AddFoundRow(tree, presentation, ReadFoundRecord(query));
        if (step && !step())
            break;
    }
}

} // namespace qbx
