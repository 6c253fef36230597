#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace qbx {

class IHelp;

// The About box: the program's icon, its description, version and maker's
// notice, and an OK button. Made once at start-up; the version is read then.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(IHelp &help, QWidget *parent = nullptr);

    QLabel *LogoImage() const { return logoImage_; }
    QLabel *AboutLabel() const { return aboutLabel_; }
    QPushButton *OKButton() const { return okButton_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void SizeToText();

    IHelp &help_;
    QLabel *logoImage_ = nullptr;
    QLabel *aboutLabel_ = nullptr;
    QPushButton *okButton_ = nullptr;
};

} // namespace qbx
