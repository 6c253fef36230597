#include "interaction/ModeLogic.h"

#include "options/SizeUnit.h"
#include "options/TEnvironment.h"
#include "options/TOptions.h"
#include "platform/AppPaths.h"
#include "platform/Check.h"
#include "interaction/CommandLine.h"
#include "interaction/ConflictAnswers.h"
#include "interaction/LongOperation.h"
#include "interaction/MessageBoxes.h"
#include "interaction/OpenCatalogue.h"

#include <QDir>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace qbx {

namespace {

// Commands that follow the selection in modes 2 and 3 and are off otherwise.
constexpr cmd::Id SelectionCommands[] = {
    cmd::AddTreeAction,        cmd::AddSubitemAction,    cmd::RenameItemAction,
    cmd::FolderFileAction,     cmd::CalculateSizeAction, cmd::DeleteItemAction,
    cmd::DeleteSubitemsAction, cmd::PasteDescrAction,    cmd::CopyDescrAction,
    cmd::EditDescrAction,      cmd::CutDescrAction,      cmd::DeleteDescrAction,
    cmd::ExpandNodeAction,     cmd::ExpandNodesAction,   cmd::CollapseNodeAction,
    cmd::CollapseNodesAction};

} // namespace

TModeLogic::TModeLogic(const QString &appCaption, const TOptions &options,
                       const TEnvironment &environment, TCommandState &commands, IMainView &view,
                       TLongOperation &operation, IMessageBoxes &boxes, IOpenCatalogue &catalogue,
                       TConflictAnswers &answers)
    : options_(options), environment_(environment), state_(appCaption), commands_(commands),
      view_(view), operation_(operation), boxes_(boxes), catalogue_(catalogue), answers_(answers)
{
}

void TModeLogic::ApplyModeCommands(TDbState state)
{
    const bool open = state != DbNone;                        // a catalogue is open
    const bool shown = state == DbEntire || state == DbFound; // a tree is shown

    commands_.SetEnabled(cmd::AddDbAction, state == DbEntire);
    if (!open)
        unsaved_.Set(false);
    for (cmd::Id c : {cmd::SaveDbAsAction, cmd::SaveDbToAction, cmd::CloseDbAction})
        commands_.SetEnabled(c, open);
    if (!shown) {
        for (cmd::Id c : SelectionCommands)
            commands_.SetEnabled(c, false);
    }
    commands_.SetRangeEnabled(cmd::GlobalSearchAction, cmd::DescrSearchAction, open);

    commands_.SetEnabled(cmd::EntireViewAction, open);
    commands_.SetChecked(cmd::EntireViewAction, state == DbEntire);
    const bool results = state == DbFound || (open && view_.SearchTreeHasResults());
    commands_.SetEnabled(cmd::FoundViewAction, results);
    commands_.SetChecked(cmd::FoundViewAction, state == DbFound);

    commands_.SetRangeEnabled(FirstSizeUnit, LastSizeUnit, shown);
    commands_.SetEnabled(cmd::StatisticsAction, shown);
    commands_.SetEnabled(cmd::DuplicatesAction, shown);
    commands_.SetItemEnabled(TUiItem::EditMenuItem, shown);
    commands_.SetItemEnabled(TUiItem::FieldSearchMenuItem, open);
    commands_.SetItemEnabled(TUiItem::SizeUnitMenuItem, shown);
    commands_.SetItemEnabled(TUiItem::SimpleSearchToolButton, open);
}

void TModeLogic::SetDbState(TDbState state)
{
    QBX_CHECK(state <= DbFound, "unknown mode");
    state_.StatusText.clear();
    view_.AttachSelectionHandler(TTreeKind::None);

    QString caption;
    switch (state) {
    case DbNone:
        activeTree_ = TTreeKind::None;
        catalogue_.CatalogueClosed();
        state_.FoundText.clear();
        state_.TotalText.clear();
        caption = state_.AppCaption();
        break;
    case DbOpen:
        activeTree_ = TTreeKind::None;
        caption = catalogue_.DbName() + QStringLiteral(" - ") + state_.AppCaption();
        break;
    case DbEntire:
        activeTree_ = TTreeKind::Main;
        caption = catalogue_.DbName() + QStringLiteral(" - ") + state_.AppCaption();
        break;
    case DbFound:
        activeTree_ = TTreeKind::Search;
        caption = catalogue_.DbName() + QCoreApplication::translate("MainShell", " (выборка) - ") + state_.AppCaption();
        break;
    }
    view_.SetWindowCaption(caption);
    ApplyModeCommands(state);

    const bool shown = state == DbEntire || state == DbFound;
    if (state == DbEntire && catalogue_.EnterEntireView())
        view_.ExpandAndSelectRoot();
    if (state == DbEntire && hooks.SelectPath)
        hooks.SelectPath(state_.EntireSelPath);

    if (shown)
        view_.ShowTree(activeTree_);
    view_.ShowOpenHint(state == DbOpen);
    view_.ShowPanes(shown);
    if (state == DbEntire)
        view_.SetPaneWidths(state_.Panes.EntireTreeWidth, state_.Panes.EntireValueWidth);
    else if (state == DbFound)
        view_.SetPaneWidths(state_.Panes.FoundTreeWidth, state_.Panes.FoundValueWidth);
    view_.SetSplitterCursor(shown);

    commands_.SetEnabled(cmd::HelpContentsAction, paths::HelpFileExists(environment_.HelpFile));
    operation_.EndOperation();
    state_.SetMode(state);

    if (shown) {
        view_.FinishModeSwitch(activeTree_);
        view_.AttachSelectionHandler(activeTree_);
        if (hooks.SelectionChange)
            hooks.SelectionChange(activeTree_);
    }
}

void TModeLogic::EnableCommands(bool enable)
{
    // Only the first freezing call remembers, and only a frozen state is
    // restored: a repeated call must not turn the frozen states into the
    // remembered ones, nor a stray restore disable every command.
    if (enable != !frozen_) {
        for (int i = 0; i < cmd::AppOptionsAction; ++i) {
            if (!enable) {
                remembered_[i] = commands_.Enabled(CommandAt(i));
                commands_.SetEnabled(CommandAt(i), false);
            } else {
                commands_.SetEnabled(CommandAt(i), remembered_[i]);
            }
        }
    }
    frozen_ = !enable;
    commands_.SetEnabled(cmd::ExitAppAction, true);
    for (TUiItem item : {TUiItem::EditMenuItem, TUiItem::SearchMenuItem, TUiItem::ViewMenuItem,
                         TUiItem::SimpleSearchToolButton})
        commands_.SetItemEnabled(item, enable);
}

void TModeLogic::FreezeCommands()
{
    EnableCommands(false);
    view_.SetTreePopupEnabled(false);
}

void TModeLogic::RestoreCommands()
{
    operation_.EndOperation();
    EnableCommands(true);
    view_.SetTreePopupEnabled(true);
    answers_.ConflictAnswer = ConflictNotAsked;
}

void TModeLogic::ShowStatusHint(const QString &hint)
{
    if (operation_.Running())
        return;
    view_.SetStatusPanelText(hint.isEmpty() ? state_.StatusText : hint);
}

void TModeLogic::PrepareMainMenu()
{
    if (state_.DbState() == DbEntire && hooks.EndLabelEdit)
        hooks.EndLabelEdit();
}

void TModeLogic::PrepareViewMenu()
{
    PrepareMainMenu();
    commands_.SetRangeEnabled(FirstFoundViewSet, LastFoundViewSet, state_.DbState() == DbFound);
    commands_.SetChecked(SizeCommandShown(view_.SizeRowText(), options_.SizeUnit), true);
}

void TModeLogic::PrepareViewPopup()
{
    commands_.SetRangeEnabled(FirstFoundViewSet, LastFoundViewSet, true);
}

std::optional<cmd::Id> TModeLogic::PrepareTreePopup()
{
    commands_.SetRangeEnabled(FirstFoundViewSet, LastFoundViewSet, state_.DbState() == DbFound);
    if (commands_.Enabled(cmd::ExpandNodeAction))
        return cmd::ExpandNodeAction;
    if (commands_.Enabled(cmd::CollapseNodeAction))
        return cmd::CollapseNodeAction;
    return std::nullopt;
}

void TModeLogic::RunSimpleSearchDefault()
{
    PrepareMainMenu();
    if (hooks.RunCommand && commands_.Enabled(simpleSearchDefault_))
        hooks.RunCommand(simpleSearchDefault_);
}

void TModeLogic::LeftPaneResized(int leftWidth)
{
    if (state_.DbState() == DbEntire)
        state_.Panes.EntireTreeWidth = leftWidth;
    else if (state_.DbState() == DbFound)
        state_.Panes.FoundTreeWidth = leftWidth;
}

bool TModeLogic::HandleKey(int key, Qt::KeyboardModifiers modifiers)
{
    const auto held = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (key != Qt::Key_Escape || held != Qt::NoModifier || !operation_.Running())
        return false;
    operation_.PressStop();
    return true;
}

TCloseAnswer TModeLogic::Close()
{
    if (operation_.Running()) {
        if (options_.ConfirmInterrupt &&
            boxes_.Show(InterruptQuestionText(), view_.StatusPanelText(), TMsgIcon::Warning,
                        MbYesNo) == TMsgAnswer::No)
            return TCloseAnswer::Stay;
        // The operation's loop is further up the call stack: let it stop at
        // its next check and unwind before anything is saved or cleaned up.
        operation_.SetTerminating();
        return TCloseAnswer::AfterOperation;
    }

    if (!SettleUnsavedChanges(QCoreApplication::translate("MainShell", "Выход из программы"),
                              view_.MainTreeHasMoreThanRoot()))
        return TCloseAnswer::Stay;

    catalogue_.WindowClosing();
    return TCloseAnswer::Close;
}

bool TModeLogic::SettleUnsavedChanges(const QString &caption, bool hasItems)
{
    if (!unsaved_.Any() || (catalogue_.DbIsNew() && !hasItems))
        return true;
    view_.SetStatusPanelText(QString());
    TMsgAnswer answer;
    if (!options_.ConfirmUnsaved.isEmpty()) {
        answer = options_.ConfirmUnsaved == QStringLiteral("0") ? TMsgAnswer::No : TMsgAnswer::Yes;
    } else {
        answer = boxes_.Show(QCoreApplication::translate("MainShell", "База данных %1 была изменена.\rСохранить изменения?")
                                 .arg(catalogue_.DbName()),
                             caption, TMsgIcon::Question, MbYesNoCancel);
    }
    if (answer == TMsgAnswer::Cancel)
        return false;
    if (answer == TMsgAnswer::Yes) {
        return catalogue_.SaveDb();
    }
    return true;
}

void TModeLogic::OpenCommandLine(const QStringList &arguments, const QString &currentDir)
{
    const TCommandLineFile file = ResolveCommandLine(arguments, environment_.AppFolder, currentDir);
    if (file.kind == TCommandLineFile::None)
        return;
    if (!file.folder.isEmpty())
        QDir::setCurrent(file.folder);
    catalogue_.OpenFile(file.path);
}

cmd::Id SizeCommandShown(const QString &sizeText, int sizeUnit)
{
    const int unit = ShownSizeUnit(sizeText.trimmed(), sizeUnit);
    return CommandAt(FirstSizeUnit + (unit >= SuByte && unit <= SuAuto ? unit : int(SuByte)));
}

} // namespace qbx
