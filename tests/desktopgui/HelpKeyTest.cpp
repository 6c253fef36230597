#include "desktop/gui/THelpKeyGui.h"

#include "desktop/Help.h"
#include "desktop/RecordingHelp.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace qbx;

using test::RecordingHelp;

void PressF1(QWidget *target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

// An options-like dialog: a page with a context of its own, a control without
// one on a page without one.
TEST(HelpKey, DialogShowsTheFocusedControlsTopicElseItsOwn)
{
    RecordingHelp help;
    THelpKeyGui keys(help);
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *folderPage = new QWidget(&dialog);
    auto *folderEdit = new QLineEdit(folderPage);
    auto *plainEdit = new QLineEdit(&dialog);
    layout->addWidget(folderPage);
    layout->addWidget(plainEdit);
    SetHelpContext(&dialog, HcTuningOptions);
    SetHelpContext(folderPage, HcTuningFolders);
    keys.Watch(&dialog);
    dialog.show();
    QApplication::setActiveWindow(&dialog);

    folderEdit->setFocus();
    PressF1(folderEdit);
    plainEdit->setFocus();
    PressF1(plainEdit);
    // Other keys still reach the controls.
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(plainEdit, &letter);
    EXPECT_EQ(help.shown, (std::vector<int>{HcTuningFolders, HcTuningOptions}));
    EXPECT_EQ(plainEdit->text(), QStringLiteral("a"));
}

TEST(HelpKey, F1InAnOpenMenuShowsTheMenusTopicAndClosesIt)
{
    RecordingHelp help;
    THelpKeyGui keys(help);
    QMenu menu;
    menu.addAction(QStringLiteral("Всё содержимое"));
    SetHelpContext(&menu, HcMainMenu);
    keys.Watch(&menu);
    menu.popup(QPoint(10, 10));
    ASSERT_TRUE(menu.isVisible());
    PressF1(&menu);
    EXPECT_EQ(help.shown, std::vector<int>{HcMainMenu});
    EXPECT_FALSE(menu.isVisible());
}

} // namespace
