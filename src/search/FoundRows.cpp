#include "search/FoundRows.h"

#include "engine/Query.h"
#include "platform/Codec.h"
#include "platform/TextRules.h"
#include "storage/CatalogueFields.h"
#include "tree/CataloguePath.h"
#include "tree/NodeOrder.h"
#include "tree/NodeRecord.h"
#include "tree/TTree.h"

#include <utility>
#include <vector>

namespace qbx {

namespace {

QString TextField(const engine::Query &query, size_t field)
{
    if (field >= query.Fields().size())
        return QString();
    return codec::FromCp1251(query.ReadText(field));
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

namespace {

// Reads the rows of a query into result records and adds them, with what
// one row leaves for the next: the label (most rows share their disc's, and
// then share its text too) and the buffer the full path is joined in.
class TRowAdder {
public:
    TRowAdder(TTree &tree, int presentation) : tree_(tree), presentation_(presentation) {}

    void Add(const engine::Query &query)
    {
        QString label = Label(query);
        QString path = text::Cut(TextField(query, CfPath), TFoundRecord::PathCapacity);
        Join(label, path);
        // The list presentation looks each full path up among the root's
        // children: where it would be found is fetched while the rest of
        // the row is read.
        if (presentation_ == PresentList)
            tree_.PrefetchChild(tree_.Root(), hash_);
        const bool hasSize = query.Fields().size() > CfByteSize;
        TFoundRecord record{
            std::move(label),
            std::move(path),
            text::Cut(TextField(query, CfProducer), TFoundRecord::ProducerCapacity),
            text::Cut(TextField(query, CfProduct), TFoundRecord::ProductCapacity),
            text::Cut(TextField(query, CfVersion), TFoundRecord::VersionCapacity),
            hasSize ? ByteSizeFromField(query.ReadNumber(CfByteSize)) : 0,
            text::Cut(TextField(query, CfDescription), TFoundRecord::DescriptionCapacity)};
        Place(std::move(record));
    }

    TTreeNode *AddRow(TFoundRecord record)
    {
        Join(record.Label, record.Path);
        return Place(std::move(record));
    }

private:
    // The full path as JoinPath makes it, in a buffer kept between rows
    // (the previous row's is kept too: the standard presentation looks back
    // at its components), and in the list presentation the name hash of its
    // node's text.
    void Join(const QString &label, const QString &path)
    {
        std::swap(full_, previousFull_);
        full_.resize(0);
        full_ += label;
        if (!label.isEmpty() && !path.isEmpty())
            full_ += u'\\';
        full_ += path;
        if (presentation_ == PresentList)
            hash_ = text::FoldedHash(WithoutFolderMark(full_));
    }

    static QStringView WithoutFolderMark(QStringView full)
    {
        if (full.endsWith(u'\\'))
            full.chop(1);
        return full;
    }

    // Adds the node of the row joined last, which takes the record.
    TTreeNode *Place(TFoundRecord record)
    {
        TTreeNode *node;
        if (presentation_ == PresentStandard) {
            node = AddStandard(full_);
        } else {
            QStringView full = full_;
            const bool folder = full.endsWith(u'\\');
            if (folder)
                full.chop(1);
            const int image =
                record.Path.isEmpty() ? ImageDisc : (folder ? ImageFolder : ImageFile);
            TTreeNode *root = tree_.Root();
            if (presentation_ == PresentProducer) {
                TTreeNode *group = tree_.FindOrAddChild(root, record.Producer, ImageFolder).first;
                node = tree_.AddChildCopy(group, LastComponentView(full), image);
            } else if (presentation_ == PresentList) {
                node = tree_.FindOrAddChild(root, full, image, hash_).first;
            } else {
                node = tree_.AddChildCopy(root, LastComponentView(full), image);
            }
        }
        tree_.SetFoundRecord(node, std::make_unique<TFoundRecord>(std::move(record)));
        return node;
    }

    // Adds the node of a full path below its disc and folders, made where
    // missing. Rows come in the catalogue's order, so a row mostly shares
    // its disc and folders with the row before: as long as its components
    // are exactly those of that row, its nodes are taken again instead of
    // being looked up (the lookup would find them and change nothing).
    TTreeNode *AddStandard(QStringView full)
    {
        TTreeNode *current = tree_.Root();
        qsizetype start = 0;
        size_t level = 0;
        bool same = true;
        for (;;) {
            // Setting the image it has already changes nothing.
            if (level >= 2 && current->Image() != ImageFolder && !IsArchiveName(current->Text()))
                tree_.SetImage(current, ImageFolder);
            // The component runs to the next "\"; one that ends the path
            // only marks the last component as a folder.
            const qsizetype slash = full.indexOf(u'\\', start);
            const bool last = slash < 0 || slash == full.size() - 1;
            const QStringView component =
                full.sliced(start, (slash < 0 ? full.size() : slash) - start);
            same = same && level < chain_.size() && chain_[level].first == component;
            if (same) {
                current = chain_[level].second;
                chain_[level].first = component; // the text of this row's buffer
            } else {
                int image;
                if (level == 0)
                    image = ImageDisc;
                else if (last)
                    image = slash >= 0 ? ImageFolder : ImageFile;
                else
                    image = component.contains(u'.') ? ImageFile : ImageFolder;
                current = tree_.FindOrAddChild(current, component, image).first;
                chain_.resize(level);
                chain_.emplace_back(component, current);
            }
            ++level;
            if (last)
                break;
            start = slash + 1;
        }
        chain_.resize(level);
        return current;
    }

    // LastComponent without its copy.
    static QStringView LastComponentView(QStringView full)
    {
        if (full.endsWith(u'\\'))
            full.chop(1);
        return full.mid(full.lastIndexOf(u'\\') + 1);
    }

    QString Label(const engine::Query &query)
    {
        const std::string_view bytes =
            query.Fields().size() > CfLabel ? query.ReadText(CfLabel) : std::string_view();
        if (bytes != labelBytes_) {
            labelBytes_.assign(bytes);
            label_ = text::Cut(codec::FromCp1251(bytes), TFoundRecord::LabelCapacity);
        }
        return label_;
    }

    TTree &tree_;
    const int presentation_;
    QString full_;
    QString previousFull_;
    // The previous row's components in the standard presentation (views of
    // previousFull_ once the next row starts) and their nodes.
    std::vector<std::pair<QStringView, TTreeNode *>> chain_;
    std::string labelBytes_;
    QString label_;
    uint32_t hash_ = 0;
};

} // namespace

TTreeNode *AddFoundRow(TTree &tree, int presentation, TFoundRecord record)
{
    return TRowAdder(tree, presentation).AddRow(std::move(record));
}

int CompareFoundTexts(QStringView a, QStringView b)
{
    if (const int c = text::CompareFileNames(a, b); c != 0)
        return c;
    return CaseOrder(a, b);
}

bool FoundTextLess(const TTreeNode &a, const TTreeNode &b)
{
    if (const int c = CompareFoundTexts(a.Text(), b.Text()); c != 0)
        return c < 0;
    const TFoundRecord *ra = a.FoundRecord();
    const TFoundRecord *rb = b.FoundRecord();
    if (!ra || !rb)
        return !ra && rb;
    if (const int c = CaseOrder(ra->Label, rb->Label); c != 0)
        return c < 0;
    return CaseOrder(ra->Path, rb->Path) < 0;
}

bool FoundTextKey(const TTreeNode &node, std::string &key)
{
    return text::AppendFileNameKey(node.Text(), key);
}

void SetPresentationOrder(TTree &tree, int presentation)
{
    if (presentation == PresentStandard)
        tree.SetSiblingOrder(&SiblingLess, &SiblingKey);
    else
        tree.SetSiblingOrder(&FoundTextLess, &FoundTextKey);
}

void FillFoundTree(TTree &tree, int presentation, engine::Query &query,
                   const std::function<bool()> &step)
{
    tree.ResetTree();
    SetPresentationOrder(tree, presentation);
    // The list and leaf presentations put a node per row at the root; the
    // list looks each row's path up there first.
    if (presentation == PresentList || presentation == PresentLeaves)
        tree.ReserveChildren(tree.Root(), query.RecordCount(), presentation == PresentList);
    TRowAdder adder(tree, presentation);
    for (bool row = query.First(); row; row = query.Next()) {
        adder.Add(query);
        if (step && !step())
            break;
    }
}

} // namespace qbx
