// The two simple-search dialogs and the tool-bar button in the real main
// window: the dialogs are answered while they are shown.
#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "app/gui/TCatalogueGui.h"
#include "app/gui/TSearchGui.h"
#include "engine/Table.h"
#include "options/TOptions.h"
#include "platform/Codec.h"
#include "storage/CatalogueFields.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

QString WriteDialogCatalogue(const QString &path)
{
    engine::Table::Create(path.toStdString(), CatalogueFieldDefs(), {kCatalogueBlockKiB, "ancyrr"});
    engine::Table t;
    t.Open(path.toStdString(), engine::OpenMode::Exclusive);
    using V = engine::Value;
    const V rows[3][7] = {
        {V::Text("CD"), V::Null(), V::Null(), V::Null(), V::Null(), V::Number(0), V::Null()},
        {V::Text("CD"), V::Text("a.txt"), V::Text("Acme"), V::Null(), V::Null(),
         V::Number(2 * 1048576), V::Null()},
        {V::Text("CD"), V::Text("b.txt"), V::Null(), V::Null(), V::Null(), V::Number(5), V::Null()},
    };
    for (const auto &row : rows)
        t.Append(row);
    return path;
}

// Runs `answer` on the dialog once it is shown modally.
void WhenShown(QDialog &dialog, std::function<void()> answer)
{
    QTimer::singleShot(0, &dialog, [&dialog, answer] {
        if (dialog.isVisible())
            answer();
        else
            WhenShown(dialog, answer);
    });
}

// Presses a button of the next message box shown; records its text.
void AnswerNextBox(QMessageBox::StandardButton button, QString &text)
{
    QTimer::singleShot(10, [button, &text] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->text();
            box->button(button)->click();
        } else {
            AnswerNextBox(button, text);
        }
    });
}

class SimpleSearchDialogs : public ::testing::Test {
protected:
    TempConfigHome config;
    QTemporaryDir dir;
    TProgram program;
    TMainForm &form = program.Window();

    SimpleSearchDialogs()
    {
        form.show();
        QApplication::processEvents();
        form.Options().Confirm100.clear();
        form.Options().ConfirmHalf.clear();
        program.Session().Files().OpenFile(WriteDialogCatalogue(dir.filePath(QStringLiteral("c.db"))));
    }
};

TEST_F(SimpleSearchDialogs, TextDialogHistoryOkAndTheRepeatButton)
{
    TSearchStrForm &dialog = program.Search().StringForm();
    bool okWithoutKinds = true;
    WhenShown(dialog, [&] {
        dialog.SearchComboBox()->setEditText(QStringLiteral("abc"));
        for (const char *name : {"CDCheckBox", "FolderCheckBox", "FileCheckBox"})
            dialog.findChild<QCheckBox *>(QString::fromLatin1(name))->setChecked(false);
        okWithoutKinds = dialog.OKButton()->isEnabled();
        dialog.findChild<QCheckBox *>(QStringLiteral("FileCheckBox"))->setChecked(true);
        dialog.SearchComboBox()->setEditText(QStringLiteral("acme"));
        dialog.OKButton()->click();
    });
    form.Action(cmd::ProducerSearchAction)->trigger();
    EXPECT_FALSE(okWithoutKinds);
    EXPECT_EQ(form.WindowState().DbState(), DbFound);
    EXPECT_EQ(program.Search().Simple().FieldSearchText[2], QStringLiteral("acme"));

    // The tool-bar button repeats the producer search with its last text;
    // typing ABC after abc leaves one entry ABC at the top.
    QString shownText;
    WhenShown(dialog, [&] {
        shownText = dialog.SearchComboBox()->currentText();
        dialog.SearchComboBox()->setEditText(QStringLiteral("abc"));
        dialog.OKButton()->click();
    });
    QString question;
    AnswerNextBox(QMessageBox::No, question);
    form.findChild<QToolButton *>(QStringLiteral("SimpleSearchToolButton"))->click();
    EXPECT_EQ(shownText, QStringLiteral("acme"));
    EXPECT_TRUE(question.startsWith(
        QStringLiteral("В базе данных не описан продукт, произведённый \"abc\".")))
        << question.toStdString();

    WhenShown(dialog, [&] {
        dialog.SearchComboBox()->setEditText(QStringLiteral("ABC"));
        dialog.findChild<QPushButton *>(QStringLiteral("CancelButton"))->click();
    });
    form.Action(cmd::GlobalSearchAction)->trigger();
    WhenShown(dialog, [&] {
        dialog.SearchComboBox()->setEditText(QStringLiteral("ACME"));
        dialog.OKButton()->click();
    });
    form.Action(cmd::GlobalSearchAction)->trigger();
    QStringList history;
    for (int i = 0; i < dialog.SearchComboBox()->count(); ++i)
        history << dialog.SearchComboBox()->itemText(i);
    EXPECT_EQ(history, (QStringList{"ACME", "abc"}));
}

TEST_F(SimpleSearchDialogs, SizeDialogRemembersItsUnitAndValues)
{
    form.Options().SizeUnit = 4;
    TSearchIntForm &dialog = program.Search().SizeForm();
    int shownUnit = -2;
    WhenShown(dialog, [&] {
        shownUnit = dialog.SizeComboBox()->currentIndex();
        dialog.SizeComboBox()->setCurrentIndex(2);
        dialog.FromSpinEdit()->setValue(2);
        dialog.ToSpinEdit()->setValue(3);
        dialog.OKButton()->click();
    });
    form.Action(cmd::SizeSearchAction)->trigger();
    EXPECT_EQ(shownUnit, 0) << "automatic with nothing remembered: bytes";
    EXPECT_EQ(dialog.FromBytes, QStringLiteral("2097152"));
    EXPECT_EQ(dialog.ToBytes, QStringLiteral("3145728"));
    EXPECT_EQ(form.WindowState().DbState(), DbFound);

    int from = -1, to = -1;
    QString unit;
    WhenShown(dialog, [&] {
        from = dialog.FromSpinEdit()->value();
        to = dialog.ToSpinEdit()->value();
        unit = dialog.SizeComboBox()->currentText();
        // The upper bound cannot be set below the lower one.
        dialog.ToSpinEdit()->setValue(1);
        EXPECT_EQ(dialog.ToSpinEdit()->value(), 2);
        // Typed below it, it becomes the lower bound when the box is left,
        // whatever it was before.
        dialog.ToSpinEdit()->setValue(7);
        QSpinBox *to = dialog.ToSpinEdit();
        to->setFocus();
        to->selectAll();
        QTest::keyClick(to, Qt::Key_Delete);
        QTest::keyClicks(to, QStringLiteral("1"));
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(to, &out);
        EXPECT_EQ(to->value(), 2);
        EXPECT_EQ(to->text(), QStringLiteral("2"));
        dialog.reject();
    });
    form.Action(cmd::SizeSearchAction)->trigger();
    EXPECT_EQ(from, 2);
    EXPECT_EQ(to, 3);
    EXPECT_EQ(unit, QStringLiteral("МБ"));
}

} // namespace
} // namespace qbx::test
