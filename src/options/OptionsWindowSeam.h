#pragma once

#include <QRect>
#include <QString>

namespace qbx {

// What the options need of the main window to remember and restore its
// geometry and to set the initial folders of its file dialogs. The main
// window implements it; tests use a plain fake.
class IOptionsWindow {
public:
    virtual ~IOptionsWindow() = default;

    virtual bool IsMaximized() const = 0;
    virtual void Maximize() = 0;
    // The window's place and size in pixels while not maximised: left and top
    // as QWidget::pos() (the frame's corner), width and height as
    // QWidget::size(), so that what is read back restores the same window.
    virtual QRect WindowRect() const = 0;
    virtual void SetWindowRect(const QRect &rect) = 0;

    // Width of LeftPanel, the pane holding the tree views.
    virtual int LeftPanelWidth() const = 0;
    virtual void SetLeftPanelWidth(int width) = 0;
    // Width of the description list's second column ("Значение").
    virtual int ValueColumnWidth() const = 0;
    virtual void SetValueColumnWidth(int width) = 0;
    // True while MainTreeView (the catalogue tree) is the visible tree.
    virtual bool IsMainTreeViewVisible() const = 0;

    // Initial folder of the main window's OpenDialog and SaveDialog.
    virtual void SetDbDialogsFolder(const QString &folder) = 0;
    // Initial folder of the query dialog's open and save dialogs.
    virtual void SetQueryDialogsFolder(const QString &folder) = 0;
};

} // namespace qbx
