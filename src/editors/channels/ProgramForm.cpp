#include "editors/channels/ProgramForm.h"

#include "editors/channels/ChannelFields.h"
#include "editors/channels/ChannelRecord.h"
#include "editors/channels/Consistency.h"
#include "image/Codecs.h"
#include "image/OptionTables.h"

namespace vmr {

const std::array<std::string_view, ProgramForm::kColumns> ProgramForm::kHeaders = {
    "CH",           "Rx Freq", "Tx Freq", "Decode Type", "CTCSS",     "DCS",
    "DCS Polarity", "Power",   "Scan",    "Bandwidth",   "Signaling", "Name"};

const std::array<int, ProgramForm::kColumns> ProgramForm::kColumnTwips = {
    500, 1100, 1100, 1200, 900, 1000, 1400, 1000, 900, 1000, 1000, 1100};

namespace {

constexpr int kHard450Minimum = 40000000; // 400.00000 MHz

// The option table of a list column; nullptr for the other columns.
const Names* ListOf(int col) {
    switch (col) {
    case ProgramForm::kColDecodeType:
        return &DecodeTypeNames;
    case ProgramForm::kColDcsPolarity:
        return &DcsPolarityNames;
    case ProgramForm::kColPower:
        return &PowerNames;
    case ProgramForm::kColScan:
        return &ScanNames;
    case ProgramForm::kColBandwidth:
        return &BandwidthNames;
    case ProgramForm::kColSignaling:
        return &OptionSignalingNames;
    default:
        return nullptr;
    }
}

std::string NameOrUnnamed(const Names& names, int value) {
    if (value >= 0 && value < static_cast<int>(names.size()))
        return std::string(names[static_cast<std::size_t>(value)]);
    return ProgramForm::UnnamedValueText(value);
}

// The stored value for a list cell: the text's position in its table, 0 when it
// has none. A value without a name is shown as UnnamedValueText and kept.
int ValueOf(const Names& names, const std::string& text, int stored) {
    const int i = IndexOf(names, text);
    if (i >= 0) return i;
    return text == ProgramForm::UnnamedValueText(stored) ? stored : 0;
}

} // namespace

std::string ProgramForm::UnnamedValueText(int value) {
    return "(" + std::to_string(value) + ")";
}

ProgramForm::ProgramForm(AppContext& ctx)
    : ctx_(ctx), cells_(static_cast<std::size_t>(kRows * kColumns)) {
    for (int c = 0; c < kColumns; ++c) cells_[static_cast<std::size_t>(c)] = kHeaders[c];
    for (int r = 1; r < kRows; ++r)
        cells_[static_cast<std::size_t>(r * kColumns)] = std::to_string(r);
    freqEdit.maxLength = 9;
    freqEdit.accepts = FreqKeyAllowed;
    nameEdit.maxLength = 6;
    nameEdit.accepts = NameKeyAllowed;
    ctcssEdit.items.assign(CtcssToneList.begin(), CtcssToneList.end());
    ctcssEdit.editable = true;
    dcsEdit.items.assign(DcsCodeList.begin(), DcsCodeList.end());
    dcsEdit.editable = true;
    for (TextField* t : {&freqEdit, &nameEdit}) t->visible = false;
    for (ComboField* c : {&ctcssEdit, &dcsEdit, &listEdit}) c->visible = false;
}

void ProgramForm::SetCell(int row, int col, std::string text) {
    std::string& cell = cells_[static_cast<std::size_t>(row * kColumns + col)];
    if (cell == text) return;
    cell = std::move(text);
    MarkChanged(row);
}

void ProgramForm::MarkChanged(int row) {
    if (changed_.Empty()) {
        changed_ = {row, row};
        return;
    }
    if (row < changed_.first) changed_.first = row;
    if (row > changed_.last) changed_.last = row;
}

ProgramForm::RowRange ProgramForm::TakeChangedRows() {
    const RowRange r = changed_;
    changed_ = {1, 0};
    return r;
}

void ProgramForm::ClearRow(int row) {
    for (int c = kColRx; c < kColumns; ++c) SetCell(row, c, std::string());
}

void ProgramForm::LoadRow(int n) {
    const BandLimitCache& cache = ctx_.bandLimits;
    const ChannelRecordView rec(ctx_.image, RecordOffset(n));
    if (rec.IsEmpty()) {
        if (n != 1) {
            ClearRow(n);
            return;
        }
        // Channel 1 is never empty.
        const int t = FirstEnabledTxBand(cache);
        const int f = t == -1 || cache.RxLower[t] <= 0 ? kHard450Minimum : cache.RxLower[t];
        FillDefaultRecord(ctx_.image, RecordOffset(1), f, cache);
    }
    SetCell(n, kColRx, FormatFreqText(rec.RxFreq()));
    SetCell(n, kColTx, rec.HasTx() ? FormatFreqText(rec.TxFreq()) : std::string());
    SetCell(n, kColDecodeType,
            std::string(DecodeTypeNames[static_cast<std::size_t>(rec.Get(Field::DecodeType) & 3)]));
    SetCell(n, kColCtcss, CtcssToText(rec.Ctcss()));
    SetCell(n, kColDcs, DcsToText(rec.Dcs()));
    SetCell(n, kColDcsPolarity, NameOrUnnamed(DcsPolarityNames, rec.Get(Field::DcsPolarity)));
    SetCell(n, kColPower, NameOrUnnamed(PowerNames, rec.Get(Field::Power)));
    SetCell(n, kColScan, NameOrUnnamed(ScanNames, rec.Get(Field::Scan)));
    SetCell(n, kColBandwidth, NameOrUnnamed(BandwidthNames, rec.Get(Field::Bandwidth)));
    SetCell(n, kColSignaling, NameOrUnnamed(OptionSignalingNames, rec.Get(Field::OptionSignaling)));
    SetCell(n, kColName, rec.Name());
}

void ProgramForm::StoreRow(int n) {
    const std::size_t at = RecordOffset(n);
    if (IsRowEmpty(n)) {
        // The reset record of an empty row: defaults, no frequencies, 7.6 MHz offset.
        FillDefaultRecord(ctx_.image, at, 0, ctx_.bandLimits);
        ChannelRecord(ctx_.image, at).SetOffsetFreq(kOffset760);
        return;
    }
    ChannelRecord rec(ctx_.image, at);
    rec.SetRxFreq(ParseFreqText(Cell(n, kColRx)));
    rec.SetTxFreq(ParseFreqText(Cell(n, kColTx)));
    DeriveOffsetDirection(rec);

    // The grid shows decode types 0..3; bit 2 of the field is carried through.
    const int decode = IndexOf(DecodeTypeNames, Cell(n, kColDecodeType));
    rec.Set(Field::DecodeType, (rec.Get(Field::DecodeType) & 4) | (decode < 0 ? 0 : decode));
    // The cells hold normalised texts unless the image held a word no tone or
    // code encodes; such a word is replaced by the default, not re-encoded.
    rec.SetCtcss(CtcssFromText(NormaliseCtcssText(Cell(n, kColCtcss))));
    rec.SetDcs(AtoI(NormaliseDcsText(Cell(n, kColDcs))));
    rec.Set(Field::DcsPolarity,
            ValueOf(DcsPolarityNames, Cell(n, kColDcsPolarity), rec.Get(Field::DcsPolarity)));
    rec.Set(Field::Power, ValueOf(PowerNames, Cell(n, kColPower), rec.Get(Field::Power)));
    rec.Set(Field::Scan, ValueOf(ScanNames, Cell(n, kColScan), rec.Get(Field::Scan)));
    rec.Set(Field::Bandwidth,
            ValueOf(BandwidthNames, Cell(n, kColBandwidth), rec.Get(Field::Bandwidth)));
    rec.Set(Field::OptionSignaling,
            ValueOf(OptionSignalingNames, Cell(n, kColSignaling), rec.Get(Field::OptionSignaling)));
    rec.SetName(Cell(n, kColName));
    rec.Set(Field::TxStop, 0);
    ConstrainSqlMode(rec);
}

void ProgramForm::RefreshFromImage() {
    CancelEditor(); // the image is the truth now
    for (int n = 1; n <= kLastRow; ++n) LoadRow(n);
    RecomputeBandEnables(ctx_.bandLimits, ctx_.image);
}

void ProgramForm::CommitToImage() {
    CommitEditor(); // an edit in progress is part of the grid
    for (int n = 1; n <= kLastRow; ++n) StoreRow(n);
    FinaliseImage(ctx_.image, ctx_.bandLimits);
}

void ProgramForm::BeginEdit() {
    CommitEditor();
    if (currentRow < 1 || currentRow > kLastRow) return;
    if (IsRowEmpty(currentRow)) currentCol = kColRx; // a channel starts with its frequency
    if (currentCol < kColRx || currentCol > kLastColumn) return;
    editRow_ = currentRow;
    editCol_ = currentCol;
    const std::string& text = Cell(editRow_, editCol_);
    switch (editCol_) {
    case kColRx:
    case kColTx:
        freqEdit.text = text;
        freqEdit.visible = true;
        active_ = Editor::Freq;
        break;
    case kColCtcss:
        ctcssEdit.text = text;
        SelectText(ctcssEdit, text);
        ctcssEdit.visible = true;
        active_ = Editor::Ctcss;
        break;
    case kColDcs:
        dcsEdit.text = text;
        SelectText(dcsEdit, text);
        dcsEdit.visible = true;
        active_ = Editor::Dcs;
        break;
    case kColName:
        nameEdit.text = text;
        nameEdit.visible = true;
        active_ = Editor::Name;
        break;
    default:
        SetItems(listEdit, *ListOf(editCol_));
        SelectText(listEdit, text);
        listEdit.text = listEdit.CurrentText();
        listEdit.visible = true;
        active_ = Editor::List;
        break;
    }
}

std::string ProgramForm::Row1Text(int v, const std::string& oldText, std::string newText) const {
    const BandLimitCache& cache = ctx_.bandLimits;
    if (TxClassOf(cache, v) != -1) return newText;
    if (!oldText.empty() && TxClassOf(cache, ParseFreqText(oldText)) != -1) return oldText;
    const int t = FirstEnabledTxBand(cache);
    // Without an enabled transmit band there is nothing valid to offer: the cell
    // keeps what it had rather than losing channel 1's frequency.
    if (t == -1) return oldText;
    return FormatFreqText(cache.RxLower[t]);
}

void ProgramForm::CommitFreqEditor() {
    const BandLimitCache& cache = ctx_.bandLimits;
    const int row = editRow_;
    const std::string oldRx = Cell(row, kColRx);
    const std::string oldTx = Cell(row, kColTx);

    int v = ParseFreqText(freqEdit.text);
    std::string text;
    if (v != 0) {
        const int b = BandOf(cache, v, false);
        if (b == -1) {
            const int first = FirstConfiguredBand(cache, false);
            // No band has both limits set: nothing to correct to, the cell is
            // left as it was.
            if (first == -1) return;
            v = cache.RxLower[first];
        }
        v = SnapFrequency(v, b);
        text = FormatFreqText(v);
    }

    if (editCol_ == kColRx) {
        if (!text.empty()) {
            if (oldRx.empty()) {
                FillDefaultRecord(ctx_.image, RecordOffset(row), v, cache);
                LoadRow(row);
            } else {
                SetCell(row, kColRx, row == 1 ? Row1Text(v, oldRx, text) : text);
            }
        } else if (row != 1) {
            ClearRow(row);
            if (!oldRx.empty()) FillDefaultRecord(ctx_.image, RecordOffset(row), 0, cache);
        }
        return;
    }
    if (oldRx.empty())
        SetCell(row, kColTx, std::string());
    else if (!text.empty())
        SetCell(row, kColTx, row == 1 ? Row1Text(v, oldTx, text) : text);
}

void ProgramForm::CommitEditor() {
    const Editor was = active_;
    if (was == Editor::None) return;
    active_ = Editor::None; // hidden first: committing never re-enters
    const bool hasRx = !IsRowEmpty(editRow_);
    switch (was) {
    case Editor::Freq:
        CommitFreqEditor();
        freqEdit.visible = false;
        break;
    case Editor::Ctcss:
        SetCell(editRow_, editCol_, NormaliseCtcssText(ctcssEdit.text));
        ctcssEdit.visible = false;
        break;
    case Editor::Dcs:
        SetCell(editRow_, editCol_, NormaliseDcsText(dcsEdit.text));
        dcsEdit.visible = false;
        break;
    case Editor::Name:
        SetCell(editRow_, editCol_, hasRx ? StorableName(nameEdit.text) : std::string());
        nameEdit.visible = false;
        break;
    case Editor::List:
        // A list left without a selection (a value that has no name) keeps the cell.
        if (!hasRx)
            SetCell(editRow_, editCol_, std::string());
        else if (listEdit.current >= 0)
            SetCell(editRow_, editCol_, listEdit.CurrentText());
        listEdit.visible = false;
        break;
    case Editor::None:
        break;
    }
}

void ProgramForm::CancelEditor() {
    active_ = Editor::None;
    for (TextField* t : {&freqEdit, &nameEdit}) t->visible = false;
    for (ComboField* c : {&ctcssEdit, &dcsEdit, &listEdit}) c->visible = false;
}

void ProgramForm::OnEditorEnter() {
    const Editor was = active_;
    if (was == Editor::None) return;
    const bool emptyFreq = was == Editor::Freq && freqEdit.text.empty();
    CommitEditor();
    if (emptyFreq) {
        if (currentRow < kLastRow) ++currentRow;
    } else if (currentCol < kLastColumn) {
        ++currentCol;
    }
}

bool ProgramForm::OnGridKey(Key key) {
    switch (key) {
    case Key::Enter:
        BeginEdit();
        return true;
    case Key::Right:
        if (currentCol >= kLastColumn) {
            if (currentRow < kLastRow) {
                ++currentRow;
                currentCol = kColRx;
            }
        } else {
            ++currentCol;
        }
        return true;
    case Key::Left:
        if (currentCol <= kColRx) {
            if (currentRow > 1) {
                --currentRow;
                currentCol = kLastColumn;
            }
        } else {
            --currentCol;
        }
        return true;
    case Key::Up:
        if (currentRow > 1) --currentRow;
        return true;
    case Key::Down:
        if (currentRow < kLastRow) ++currentRow;
        return true;
    }
    return false;
}

void ProgramForm::OnMouseDown(int row, int col) {
    if (row < 1 || row > kLastRow || col < 0 || col > kLastColumn) return;
    if (col == kColNumber) {
        CommitEditor();
        rowHighlight = true;
        currentRow = row;
        return;
    }
    rowHighlight = false;
    currentRow = row;
    currentCol = col;
    BeginEdit();
}

void ProgramForm::OnCurrentCellChanged(int row, int col, int colUnderMouse) {
    if (row >= 1 && row <= kLastRow) currentRow = row;
    if (col >= kColRx && col <= kLastColumn) currentCol = col;
    rowHighlight = colUnderMouse == kColNumber;
}

void ProgramForm::OnScroll() {
    CommitEditor();
}

int ProgramForm::BeginChannelEdit() {
    CommitEditor();
    CommitToImage();
    return currentRow;
}

void ProgramForm::EndChannelEdit() {
    RefreshFromImage();
}

void ProgramForm::AfterRead() {
    // The radio's band limits, not the ones of the data held before the read:
    // every correction and the consistency pass depend on them.
    RefreshBandLimits(ctx_.bandLimits, ctx_.image);
    RefreshFromImage();
    EnsureFirstChannels(ctx_.image, ctx_.bandLimits);
}

} // namespace vmr
