#pragma once

#include "options/OptionsWindowSeam.h"

namespace qbx::test {

// The main window as the options see it: plain fields that tests set and read.
class FakeOptionsWindow : public IOptionsWindow {
public:
    bool maximized = false;
    QRect rect{100, 50, 600, 450};
    int leftPanel = 225;
    int valueColumn = 245;
    bool mainTreeVisible = true;
    QString dbFolder = "untouched";
    QString queryFolder = "untouched";

    bool IsMaximized() const override { return maximized; }
    void Maximize() override { maximized = true; }
    QRect WindowRect() const override { return rect; }
    void SetWindowRect(const QRect &r) override { rect = r; }
    int LeftPanelWidth() const override { return leftPanel; }
    void SetLeftPanelWidth(int w) override { leftPanel = w; }
    int ValueColumnWidth() const override { return valueColumn; }
    void SetValueColumnWidth(int w) override { valueColumn = w; }
    bool IsMainTreeViewVisible() const override { return mainTreeVisible; }
    void SetDbDialogsFolder(const QString &f) override { dbFolder = f; }
    void SetQueryDialogsFolder(const QString &f) override { queryFolder = f; }
};

} // namespace qbx::test
