#include "storage/gui/TMessageForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace qbx {
namespace {

class MessageForm : public ::testing::Test {
protected:
    template <class T> T *Get(const char *name)
    {
        T *w = form.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void Show(const QString &path = QStringLiteral("CD1\\Docs\\"))
    {
        form.SetPath(path);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    QString Message() { return Get<QLabel>("MessageLabel")->text(); }

    TMessageForm form;
};

TEST_F(MessageForm, CaptionsAndFixedBorderWithoutCloseBox)
{
    Show();
    EXPECT_EQ(form.windowTitle(), "Перенос элементов");
    EXPECT_EQ(Get<QPushButton>("OverwriteButton")->text(), "&Заменить");
    EXPECT_EQ(Get<QPushButton>("ComplementButton")->text(), "&Дополнить");
    EXPECT_EQ(Get<QPushButton>("KeepButton")->text(), "&Сохранить");
    EXPECT_EQ(Get<QPushButton>("CancelButton")->text(), "&Отменить");
    EXPECT_EQ(Get<QCheckBox>("AllCheckBox")->text(),
              "&Принять выбор для всех конфликтующих элементов");
    EXPECT_TRUE(Get<QPushButton>("ComplementButton")->isDefault());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(Get<QLabel>("IconImage")->pixmap().isNull());
    EXPECT_EQ(Message(), "Элемент \"CD1\\Docs\\\" уже существует.\n"
                         "Заменить, дополнить, сохранить его описание или прекратить операцию?");
    // The buttons sit side by side, 100 apart, inside the form.
    const QRect o = Get<QPushButton>("OverwriteButton")->geometry();
    const QRect c = Get<QPushButton>("CancelButton")->geometry();
    EXPECT_GE(o.left(), 0);
    EXPECT_LE(c.right(), form.width());
    EXPECT_EQ(o.top(), c.top());
}

TEST_F(MessageForm, EachButtonGivesItsAnswerPlusOneWithTheBoxChecked)
{
    const struct {
        const char *button;
        uint8_t alone;
    } cases[] = {{"OverwriteButton", 6}, {"ComplementButton", 4}, {"KeepButton", 2}};
    for (const auto &c : cases) {
        for (const bool all : {false, true}) {
            Show();
            if (all)
                Get<QCheckBox>("AllCheckBox")->setChecked(true);
            QTest::mouseClick(Get<QPushButton>(c.button), Qt::LeftButton);
            EXPECT_FALSE(form.isVisible());
            EXPECT_EQ(form.Answer(), c.alone + (all ? 1 : 0)) << c.button << " " << all;
        }
    }
    Show();
    Get<QCheckBox>("AllCheckBox")->setChecked(true);
    QTest::mouseClick(Get<QPushButton>("CancelButton"), Qt::LeftButton);
    EXPECT_EQ(form.Answer(), ConflictCancel);
}

TEST_F(MessageForm, EnterComplementsEscapeAndClosingCancel)
{
    Show();
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_EQ(form.Answer(), ConflictComplement);
    Show();
    Get<QCheckBox>("AllCheckBox")->setChecked(true);
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_EQ(form.Answer(), ConflictComplementAll);
    Show();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.Answer(), ConflictCancel);
    Show();
    form.close();
    EXPECT_EQ(form.Answer(), ConflictCancel);
}

TEST_F(MessageForm, BoxIsUncheckedAtEveryShowing)
{
    Show();
    Get<QCheckBox>("AllCheckBox")->setChecked(true);
    QTest::mouseClick(Get<QPushButton>("KeepButton"), Qt::LeftButton);
    EXPECT_EQ(form.Answer(), ConflictKeepAll);
    Show();
    EXPECT_FALSE(Get<QCheckBox>("AllCheckBox")->isChecked());
    EXPECT_EQ(form.Answer(), ConflictCancel) << "the answer starts as cancel";
    form.reject();
}

TEST_F(MessageForm, LongPathShowsItsTailAfterDots)
{
    QString path = QStringLiteral("CD1");
    for (int i = 0; i < 60; ++i)
        path += QStringLiteral("\\Папка%1").arg(i);
    Show(path);
    const QString text = Message();
    EXPECT_TRUE(text.startsWith("Элемент \"...")) << text.toStdString();
    EXPECT_TRUE(text.contains("\\Папка59\" уже существует.\n"));
    EXPECT_LT(text.size(), path.size());
    EXPECT_LE(form.width(), form.screen()->geometry().width());
    form.reject();
}

TEST_F(MessageForm, AskConflictIsModalAndGivesTheAnswer)
{
    int helpTopic = 0;
    form.OnHelp = [&](int topic) { helpTopic = topic; };
    QTimer::singleShot(0, &form, [&] {
        QTest::keyClick(&form, Qt::Key_F1);
        EXPECT_TRUE(form.isVisible()) << "F1 does not close the form";
        QTest::mouseClick(Get<QPushButton>("OverwriteButton"), Qt::LeftButton);
    });
    EXPECT_EQ(form.AskConflict("CD1\\x"), ConflictOverwrite);
    EXPECT_EQ(helpTopic, TMessageForm::HelpContext);
    EXPECT_TRUE(Message().startsWith("Элемент \"CD1\\x\""));
}

} // namespace
} // namespace qbx
