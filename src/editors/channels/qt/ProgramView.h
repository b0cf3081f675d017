// The "Channel setting" window: the channel table of bank A in a cell grid
// below the "Channel edit" button, with its five cell editors. The rules are
// ProgramForm's; this view shows the form's cells and editors and passes the
// grid's keys, clicks and scrolling on to it.
#pragma once

#include "app/qt/BaseFormView.h"
#include "app/qt/RadioCommands.h"
#include "editors/channels/ProgramForm.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace vmr {

class CCellGrid;
class EditorRegistry;

class CProgramView : public CBoundView<ProgramForm> {
    Q_OBJECT
public:
    explicit CProgramView(AppContext& ctx, QWidget* parent = nullptr);

    void RefreshFromImage() override;
    void CommitToImage() override;
    // Read, Write, Port, Print and Print Preview are this view's own while it
    // is the active one.
    bool HandleCommand(int commandId) override;

    // The "Channel edit" button: commit, the dialog on the current row, refresh.
    void OnChannelEdit();

    // The dialogs the view runs; tests put their own in.
    using EditRunner = std::function<void(AppContext&, int channel, QWidget*)>;
    void SetRadioDialogs(TransferRunner transfer, PortRunner port);
    void SetChannelEditRunner(EditRunner run) { editRunner_ = std::move(run); }

    CCellGrid* Grid() const { return grid_; }
    QPushButton* EditButton() const { return editButton_; }
    QLineEdit* FreqEditor() const { return freqEdit_; }
    QLineEdit* NameEditor() const { return nameEdit_; }
    QComboBox* CtcssEditor() const { return ctcssEdit_; }
    QComboBox* DcsEditor() const { return dcsEdit_; }
    QComboBox* ListEditor() const { return listEdit_; }
    // The editor widget shown over the grid, or nullptr.
    QWidget* ShownEditor() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetUpGrid();
    void SetUpEditors();
    // Runs a form handler between a store and a load of the bound widgets, then
    // brings the grid in step with the form.
    void Run(const std::function<void()>& handler);
    void RunImageOperation(const std::function<void()>& operation);
    void SyncGrid();
    bool OnGridKey(QKeyEvent* event);
    void PrintBlankPage(bool preview);

    AppContext& ctx_;
    CCellGrid* grid_ = nullptr;
    QPushButton* editButton_ = nullptr;
    QLineEdit* freqEdit_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QComboBox* ctcssEdit_ = nullptr;
    QComboBox* dcsEdit_ = nullptr;
    QComboBox* listEdit_ = nullptr;
    // The editor as last placed over the grid.
    ProgramForm::Editor placed_ = ProgramForm::Editor::None;
    int placedRow_ = 0;
    int placedCol_ = 0;
    bool syncing_ = false;
    bool resync_ = false;
    TransferRunner transfer_;
    PortRunner port_;
    EditRunner editRunner_;
};

// Registers the channel table (a child window) and the VFO editor (a dialog).
void RegisterChannelEditors(EditorRegistry& registry);

} // namespace vmr
