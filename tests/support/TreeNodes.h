#pragma once

#include "tree/TItemDescription.h"
#include "tree/TTree.h"
#include "tree/TTreeModel.h"

#include <QString>
#include <QStringList>

#include <QItemSelectionModel>

#include <functional>
#include <initializer_list>

namespace qbx::test {

// The node at a full item path ("CD1\\Docs\\a.txt"), or null.
inline TTreeNode *NodeAt(const TTree &tree, const QString &fullPath)
{
    TTreeNode *n = tree.Root();
    for (const QString &part : fullPath.split(u'\\')) {
        n = tree.FindChild(n, part);
        if (!n)
            return nullptr;
    }
    return n;
}

// The names of a node's children, in tree order.
inline QStringList ChildNames(const TTreeNode *n)
{
    QStringList names;
    for (int i = 0; i < n->ChildCount(); ++i)
        names.append(n->Child(i)->Text());
    return names;
}

// Makes exactly these nodes selected in the model; the first one is the
// current node.
inline void SelectNodes(TTreeModel &model, std::initializer_list<const TTreeNode *> nodes)
{
    QItemSelectionModel *sel = model.SelectionModel();
    sel->clear();
    for (const TTreeNode *n : nodes)
        sel->select(model.IndexOf(n), QItemSelectionModel::Select);
    if (nodes.size() > 0)
        sel->setCurrentIndex(model.IndexOf(*nodes.begin()), QItemSelectionModel::NoUpdate);
}

// Every node below the root in tree order, each as its full item path, '|'
// and what `describe` says of it.
inline QStringList TreeLines(const TTree &tree,
                             const std::function<QString(const TTreeNode &)> &describe)
{
    QStringList out;
    std::function<void(const TTreeNode *, const QString &)> walk = [&](const TTreeNode *n,
                                                                       const QString &prefix) {
        for (int i = 0; i < n->ChildCount(); ++i) {
            const TTreeNode *c = n->Child(i);
            const QString p = prefix.isEmpty() ? c->Text() : prefix + u'\\' + c->Text();
            out << p + u'|' + describe(*c);
            walk(c, p);
        }
    };
    walk(tree.Root(), QString());
    return out;
}

// A node's kind and every value of its description, '|' between them.
inline QString KindAndDescription(const TTreeNode &n)
{
    const TDescriptionRef d = n.Description();
    const TItemDescription none;
    const TItemDescription &v = d ? *d : none;
    return QString::number(n.Kind()) + u'|' + v.Producer + u'|' + v.Product + u'|' + v.Version +
           u'|' + QString::number(v.Size) + u'|' + v.Description;
}

} // namespace qbx::test
