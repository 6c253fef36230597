#include "scan/gui/TScanForm.h"
#include "interaction/DialogFlags.h"

#include "interaction/MessageText.h"
#include "interaction/FolderPicker.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QCoreApplication>

namespace qbx {

TScanForm::TScanForm(IFolderPicker &picker, const QString &initialFolder, QWidget *parent)
    : QDialog(parent, FixedDialogFlags), picker_(picker), folderPath_(initialFolder)
{
    setObjectName(QStringLiteral("ScanForm"));
    setWindowTitle(QCoreApplication::translate("TScanForm", "Добавление дерева файлов"));
    setModal(true);
    CreatePathControls();
    CreateCheckBoxes();
    okButton_ = new QPushButton(QStringLiteral("O&K"), this);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(QCoreApplication::translate("TScanForm", "&Отмена"), this);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->setAutoDefault(false);
    LayOut();

    connect(autoSizeCheckBox_, &QCheckBox::clicked, this, [this] { AutoSizeCheckBoxClick(); });
    connect(folderSpeedButton_, &QToolButton::clicked, this, [this] { FolderSpeedButtonClick(); });
    connect(okButton_, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

// The node the tree is added under and the folder it is read from.
void TScanForm::CreatePathControls()
{
    treeNodeLabel_ = new QLabel(QCoreApplication::translate("TScanForm", "Элемент дерева:"), this);
    treeNodeLabel_->setObjectName(QStringLiteral("TreeNodeLabel"));
    treeNodeEdit_ = new QLineEdit(this);
    treeNodeEdit_->setObjectName(QStringLiteral("TreeNodeEdit"));
    treeNodeEdit_->setReadOnly(true);
    treeNodeEdit_->setFocusPolicy(Qt::NoFocus);
    folderLabel_ = new QLabel(QCoreApplication::translate("TScanForm", "Папка на диске:"), this);
    folderLabel_->setObjectName(QStringLiteral("FolderLabel"));
    folderEdit_ = new QLineEdit(this);
    folderEdit_->setObjectName(QStringLiteral("FolderEdit"));
    folderEdit_->setReadOnly(true);
    folderEdit_->installEventFilter(this);
    folderSpeedButton_ = new QToolButton(this);
    folderSpeedButton_->setObjectName(QStringLiteral("FolderSpeedButton"));
    folderSpeedButton_->setAutoRaise(true);
    folderSpeedButton_->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    folderSpeedButton_->setToolTip(QCoreApplication::translate("TScanForm", "Выберете папку для обработки"));
    folderSpeedButton_->setFocusPolicy(Qt::StrongFocus);
}

void TScanForm::CreateCheckBoxes()
{
    rootFolderCheckBox_ = AddCheckBox(
        "RootFolderCheckBox", QCoreApplication::translate("TScanForm", "&Начинать добавляемое дерево с указанной папки"),
        QCoreApplication::translate("TScanForm", "Начинать добавляемое дерево с указанной папки"));
    recursionCheckBox_ = AddCheckBox(
        "RecursionCheckBox", QCoreApplication::translate("TScanForm", "Обрабатывать &вложенные папки"),
        QCoreApplication::translate("TScanForm", "Добавлять файлы и папки не только из текущей папки,\r\nно и из вложенных в неё"));
    addFilesCheckBox_ = AddCheckBox(
        "AddFilesCheckBox", QCoreApplication::translate("TScanForm", "&Добавлять не только папки, но и файлы"),
        QCoreApplication::translate("TScanForm", "Добавлять не только папки, но\r\nи файлы (иногда это излишне)"));
    autoSizeCheckBox_ = AddCheckBox(
        "AutoSizeCheckBox",
        QCoreApplication::translate("TScanForm", "Автоматически подсчитывать &размеры добавляемых элементов"),
        QCoreApplication::translate("TScanForm", "Автоматически подсчитывать и выставлять размеры\r\nдобавляемых папок и файлов"));
    terminalSizeCheckBox_ = AddCheckBox(
        "TerminalSizeCheckBox", QCoreApplication::translate("TScanForm", "&только оконечных"),
        QCoreApplication::translate("TScanForm", "Автоматически подсчитывать и выставлять размеры ТОЛЬКО оконечных папок и "
                       "файлов\r\n(суммарные размеры родительских папок не подсчитывать)"));
    terminalSizeLabel_ = new QLabel(this);
    terminalSizeLabel_->setObjectName(QStringLiteral("TerminalSizeLabel"));
    terminalSizeLabel_->setText(QStringLiteral("(                                     )"));
    autoDescrCheckBox_ = AddCheckBox(
        "AutoDescrCheckBox",
        QCoreApplication::translate("TScanForm", "Автоматически указывать о&писание распознаваемых продуктов"),
        QCoreApplication::translate("TScanForm", "Автоматически указывать описание папки по файлу Setup.txt,\r\nфайлов *.mp3 - "
            "по их ярлыкам"));
    archivesCheckBox_ = AddCheckBox(
        "ArchivesCheckBox", QCoreApplication::translate("TScanForm", "Заносить в каталог содержимое &архивов"),
        QCoreApplication::translate("TScanForm", "Добавлять под файлом архива его папки и файлы (архивы не распаковываются)"));
    archivesCheckBox_->setChecked(false);
}

// The paths on top, the boxes one a line, the buttons at the bottom; the tab
// order follows it.
void TScanForm::LayOut()
{
    auto *layout = new QVBoxLayout(this);
    auto *paths = new QGridLayout;
    paths->addWidget(treeNodeLabel_, 0, 0);
    paths->addWidget(treeNodeEdit_, 0, 1, 1, 2);
    paths->addWidget(folderLabel_, 1, 0);
    paths->addWidget(folderEdit_, 1, 1);
    paths->addWidget(folderSpeedButton_, 1, 2);
    paths->setColumnMinimumWidth(1, 320);
    layout->addLayout(paths);
    for (QCheckBox *box : {rootFolderCheckBox_, recursionCheckBox_, addFilesCheckBox_})
        layout->addWidget(box);
    // "только оконечных" sits right of the size box, framed by the label's
    // parentheses.
    auto *sizes = new QHBoxLayout;
    sizes->addWidget(autoSizeCheckBox_);
    auto *frame = new QGridLayout;
    frame->addWidget(terminalSizeLabel_, 0, 0);
    frame->addWidget(terminalSizeCheckBox_, 0, 0, Qt::AlignCenter);
    // The frame only draws: clicks on it and on the box it frames go to the
    // box, which lies on top of it.
    terminalSizeLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    terminalSizeCheckBox_->raise();
    sizes->addLayout(frame);
    sizes->addStretch();
    layout->addLayout(sizes);
    layout->addWidget(autoDescrCheckBox_);
    layout->addWidget(archivesCheckBox_);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(folderEdit_, folderSpeedButton_);
    setTabOrder(folderSpeedButton_, rootFolderCheckBox_);
    setTabOrder(rootFolderCheckBox_, recursionCheckBox_);
    setTabOrder(recursionCheckBox_, addFilesCheckBox_);
    setTabOrder(addFilesCheckBox_, autoSizeCheckBox_);
    setTabOrder(autoSizeCheckBox_, terminalSizeCheckBox_);
    setTabOrder(terminalSizeCheckBox_, autoDescrCheckBox_);
    setTabOrder(autoDescrCheckBox_, archivesCheckBox_);
    setTabOrder(archivesCheckBox_, okButton_);
    setTabOrder(okButton_, cancelButton_);
}

QCheckBox *TScanForm::AddCheckBox(const char *name, const QString &caption, const QString &hint)
{
    auto *box = new QCheckBox(caption, this);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(MessageDisplayText(hint));
    box->setChecked(true);
    return box;
}

bool TScanForm::Execute(const QString &treeNodePath, TScanSettings &settings)
{
    treeNodeEdit_->setText(treeNodePath);
    if (exec() != QDialog::Accepted)
        return false;
    settings.FolderPath = folderPath_;
    settings.NoTopNode = noTopNode_;
    settings.Recursion = recursionCheckBox_->isChecked();
    settings.AddFiles = addFilesCheckBox_->isChecked();
    settings.AutoSize = autoSizeCheckBox_->isChecked();
    settings.TerminalSize = terminalSizeCheckBox_->isChecked();
    settings.AutoDescr = autoDescrCheckBox_->isChecked();
    settings.Archives = archivesCheckBox_->isChecked();
    return true;
}

void TScanForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TScanForm::FormShow()
{
    folderEdit_->setText(folderPath_);
    AutoSizeCheckBoxClick();
    okButton_->setFocus();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TScanForm::AutoSizeCheckBoxClick()
{
    const bool on = autoSizeCheckBox_->isChecked();
    terminalSizeCheckBox_->setEnabled(on);
    terminalSizeLabel_->setEnabled(on);
}

void TScanForm::FolderSpeedButtonClick()
{
    QString folder = folderEdit_->text();
    if (!picker_.PickFolder(PickerPrompt(), folder))
        return;
    if (!folder.endsWith(u'/'))
        folder += u'/';
    folderEdit_->setText(folder);
}

void TScanForm::OKButtonClick()
{
    noTopNode_ = !rootFolderCheckBox_->isChecked();
    folderPath_ = folderEdit_->text();
    accept();
}

bool TScanForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == folderEdit_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const auto mods = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_F4 && mods == Qt::NoModifier) ||
            (key->key() == Qt::Key_Down && mods == Qt::AltModifier)) {
            folderSpeedButton_->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TScanForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        if (OnHelp)
            OnHelp(HelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace qbx
