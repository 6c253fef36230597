#include "edit/ItemNames.h"

#include "platform/Codec.h"
#include "platform/TextRules.h"
#include "tree/FieldCapacities.h"
#include "tree/NodePaths.h"
#include "tree/TTree.h"
#include "tree/TTreeNode.h"

#include <QCoreApplication>
#include <QList>

namespace qbx {

TNameCheck CheckItemName(QStringView name)
{
    if (name.isEmpty())
        return TNameCheck::Invalid;
    const QString upper = text::Upper(name);
    for (const char *reserved : {"AUX", "CON", "NUL", "PRN"}) {
        if (upper == QLatin1String(reserved))
            return TNameCheck::Invalid;
    }
    // "\\" separates the catalogue's path components and "/" those of the
    // disc the item stands for; control characters would break text trees
    // and query files. Everything else Linux allows in a file name is an
    // ordinary character.
    for (const QChar c : name) {
        if (c.unicode() < 32 || c.unicode() == 0x7F || c == u'\\' || c == u'/')
            return TNameCheck::BadCharacters;
    }
    return TNameCheck::Ok;
}

QString MakeUniqueChildName(QString name, const TTree &tree, const TTreeNode *parent)
{
    while (tree.FindChild(parent, name)) {
        const qsizetype space = name.lastIndexOf(u' ');
        if (space < 0) {
            name += QStringLiteral(" 1");
        } else if (space == name.size() - 1) {
            name += u'1';
        } else {
            bool number = false;
            const qulonglong n = QStringView(name).mid(space + 1).toULongLong(&number);
            // Only plain digits count: "+1" or " 1e3" are words.
            for (const QChar c : QStringView(name).mid(space + 1))
                number = number && c.isDigit() && c.unicode() < 128;
            if (number)
                name = name.left(space + 1) + QString::number(n + 1);
            else
                name += QStringLiteral(" 1");
        }
    }
    return name;
}

std::optional<QString> TypedText(const QString &text)
{
    return codec::ToCatalogueText(text);
}

TTreeNode *NodeByFullPath(const TTree &tree, QStringView fullPath)
{
    TTreeNode *node = tree.Root();
    if (fullPath.isEmpty())
        return node;
    for (const QStringView part : fullPath.split(u'\\')) {
        node = tree.FindChild(node, part);
        if (!node)
            return nullptr;
    }
    return node;
}

std::vector<QString> ExpandedPathsBelow(const TTreeNode *top,
                                        const std::function<bool(const TTreeNode *)> &isExpanded)
{
    std::vector<QString> paths;
    std::vector<std::pair<const TTreeNode *, QString>> pending{{top, QString()}};
    while (!pending.empty()) {
        auto [node, rel] = std::move(pending.back());
        pending.pop_back();
        if (!node->HasChildren() || !isExpanded(node))
            continue; // what lies below a folded node is not shown
        for (int i = 0; i < node->ChildCount(); ++i) {
            const TTreeNode *child = node->Child(i);
            pending.emplace_back(child,
                                 rel.isEmpty() ? child->Text() : rel + u'\\' + child->Text());
        }
        paths.push_back(std::move(rel));
    }
    return paths;
}

QString PathTooLongText()
{
    // The table cuts a longer path when the catalogue is saved: the item
    // would come back under another name, or merged with another item.
    return QCoreApplication::translate("ItemNames", "Путь элемента внутри диска в каталоге не может быть длиннее %1 символов.")
        .arg(kPathCapacity);
}

bool FitsAsFolder(const TTreeNode *node)
{
    return ItemPath(node).size() + 1 <= kPathCapacity;
}

} // namespace qbx
