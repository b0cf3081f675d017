// The channel table: one grid row per channel of bank A (1..800) and one column
// per frequently used field. The grid texts are a working copy of the image:
// RefreshFromImage fills them, CommitToImage writes them back and runs the
// consistency pass. Creating or clearing a channel writes its default record at
// once. Five cell editors are laid over the current cell while it is edited.
#pragma once

#include "app/AppContext.h"
#include "app/FormState.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vmr {

class ProgramForm : public EditorForm {
public:
    static constexpr int kFormId = 101;
    static constexpr int kRows = 801; // row 0 is the header row
    static constexpr int kColumns = 12;
    static constexpr int kLastRow = kRows - 1;
    static constexpr int kLastColumn = kColumns - 1;

    enum Column : int {
        kColNumber = 0,
        kColRx,
        kColTx,
        kColDecodeType,
        kColCtcss,
        kColDcs,
        kColDcsPolarity,
        kColPower,
        kColScan,
        kColBandwidth,
        kColSignaling,
        kColName,
    };
    static const std::array<std::string_view, kColumns> kHeaders;
    static const std::array<int, kColumns> kColumnTwips;
    static constexpr int kRowTwips = 300;

    // The editor laid over the cell being edited.
    enum class Editor { None, Freq, Name, Ctcss, Dcs, List };

    explicit ProgramForm(AppContext& ctx);

    // Grid texts; row 0 holds the headers and column 0 the channel numbers.
    const std::string& Cell(int row, int col) const {
        return cells_[static_cast<std::size_t>(row * kColumns + col)];
    }
    bool IsRowEmpty(int row) const { return Cell(row, kColRx).empty(); }

    // Rows 1..800, then the band enable flags; a shown editor is dropped.
    void RefreshFromImage() override;
    // A shown editor first, then rows 1..800, then the consistency pass.
    void CommitToImage() override;
    void LoadRow(int n);
    void StoreRow(int n);

    // The current cell (a data cell: row 1..800, column 1..11) and the row
    // highlight, on while the user works with the channel-number column.
    int currentRow = 1;
    int currentCol = kColRx;
    bool rowHighlight = false;

    // The cell editors and the cell the shown one edits.
    TextField freqEdit;
    TextField nameEdit;
    ComboField ctcssEdit;
    ComboField dcsEdit;
    ComboField listEdit;
    Editor ActiveEditor() const { return active_; }
    int EditRow() const { return editRow_; }
    int EditCol() const { return editCol_; }

    // Opens the editor of the current cell; an empty row can only be started in
    // its "Rx Freq" cell. Column 0 opens nothing.
    void BeginEdit();
    // The shown editor lost the focus: its text goes to its cell by the rules of
    // its column, and it is hidden. Nothing happens without a shown editor.
    void CommitEditor();
    // Hides the shown editor without committing it.
    void CancelEditor();
    // Enter in the shown editor: commit and move on (one column right; one row
    // down after an empty frequency editor).
    void OnEditorEnter();

    enum class Key { Enter, Left, Right, Up, Down };
    // A key in the grid; false when the grid should handle it itself.
    bool OnGridKey(Key key);
    // A left button press on a cell (row 0 is the header row).
    void OnMouseDown(int row, int col);
    // The grid's current cell changed; colUnderMouse decides the highlight.
    void OnCurrentCellChanged(int row, int col, int colUnderMouse);
    // The grid scrolled: the shown editor is committed and hidden.
    void OnScroll();

    // "Channel edit": commits and returns the channel to open the dialog on.
    int BeginChannelEdit();
    // The dialog closed.
    void EndChannelEdit();
    // The view's own Read finished successfully.
    void AfterRead();

    // Rows whose texts changed since the last call (first > last when none).
    struct RowRange {
        int first;
        int last;
        bool Empty() const { return first > last; }
    };
    RowRange TakeChangedRows();

    // The text shown for a scan or bandwidth value that has no name.
    static std::string UnnamedValueText(int value);

private:
    void SetCell(int row, int col, std::string text);
    void ClearRow(int row);
    void MarkChanged(int row);
    void CommitFreqEditor();
    // Row 1 must keep a frequency of a transmit band.
    std::string Row1Text(int v, const std::string& oldText, std::string newText) const;

    AppContext& ctx_;
    std::vector<std::string> cells_;
    Editor active_ = Editor::None;
    int editRow_ = 0;
    int editCol_ = 0;
    RowRange changed_{1, kLastRow};
};

} // namespace vmr
