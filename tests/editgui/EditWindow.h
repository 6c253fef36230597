#pragma once

#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "app/gui/TCatalogueGui.h"
#include "app/gui/TItemEditGui.h"
#include "edit/ItemNames.h"
#include "options/TOptions.h"
#include "desktop/QStringPrinter.h"
#include "support/TestSupport.h"
#include "support/TreeNodes.h"
#include "tree/NodePaths.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>

#include <gtest/gtest.h>

namespace qbx::test {

// The real main window, driven by keys; modal windows are answered from the
// test.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        form.show();
        QApplication::processEvents();
    }
    ~MainWindowTest() override
    {
        form.Options().ConfirmDelete = false;
        form.Session().ModeLogic().Unsaved().Set(false); // no save question
        form.close();
    }

    TTree &Tree() { return program.Session().MainTree(); }
    QTreeView &tree() { return *form.MainTreeView(); }
    TTreeNode *Node(const QString &path) { return NodeByFullPath(Tree(), path); }
    // Selects the node as a click would, giving the tree the focus (a closed
    // modal window may leave the main window inactive).
    void Select(const TTreeNode *n)
    {
        form.activateWindow();
        tree().setFocus();
        program.Session().MainModel().Select(n);
        QApplication::processEvents();
    }
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget();
        if (!target || !target->isVisible())
            target = &tree(); // a closed dialog may keep the focus offscreen
        QTest::keyClick(target, Qt::Key(key), mods);
        QApplication::processEvents();
    }
    // Runs when the next modal window shows (it may show a few events later).
    void OnModal(std::function<void(QWidget *)> act)
    {
        auto *timer = new QTimer(&form);
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
            if (QWidget *w = QApplication::activeModalWidget()) {
                timer->deleteLater();
                timer->stop();
                act(w);
            }
        });
        timer->start();
    }
    void AnswerBox(QMessageBox::StandardButton button, QString *text = nullptr)
    {
        OnModal([button, text](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            ASSERT_TRUE(box);
            if (text)
                *text = box->windowTitle() + u'|' + box->text();
            box->button(button)->click();
        });
    }
    QLineEdit *Editor()
    {
        return qobject_cast<QLineEdit *>(tree().indexWidget(tree().currentIndex()));
    }
    // Closes what is open, opens a catalogue file and shows its whole tree.
    void Open(const QString &path)
    {
        if (form.WindowState().DbState() != DbNone)
            form.Action(cmd::CloseDbAction)->trigger();
        program.Session().Files().OpenFile(path);
        form.Action(cmd::EntireViewAction)->trigger();
        QApplication::processEvents();
        tree().setFocus();
    }
    // Lets queued calls and the modal windows they open run until `done`.
    bool Settle(const std::function<bool()> &done)
    {
        for (int i = 0; i < 200 && !done(); ++i)
            QTest::qWait(5);
        return done();
    }
    // The catalogue as the main tree holds it: each node's path, kind and
    // description.
    QStringList Lines() { return TreeLines(Tree(), KindAndDescription); }

    TempConfigHome config;
    QTemporaryDir dir;
    TProgram program;
    TMainForm &form = program.Window();
};

// The main window with a new catalogue in the entire view.
class EditWindow : public MainWindowTest {
protected:
    EditWindow()
    {
        form.Action(cmd::CreateDbAction)->trigger();
        QApplication::processEvents();
        tree().setFocus();
    }
};

} // namespace qbx::test
