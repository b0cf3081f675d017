#include "editors/channels/ChannelRecord.h"

#include "image/Codecs.h"
#include "image/OptionTables.h"

namespace vmr {

int ChannelRecordView::Get(Field f) const {
    const BitRange& r = LayoutOf(f);
    return (p_[r.byte] & r.Mask()) >> r.low;
}

int ChannelRecordView::RxFreq() const {
    return DecodeFreqBytes(p_ + kRxFreq);
}
int ChannelRecordView::TxFreq() const {
    return DecodeFreqBytes(p_ + kTxFreq);
}
int ChannelRecordView::OffsetFreq() const {
    return p_[kOffset + 3] == 0xFF ? 0 : DecodeFreqBytes(p_ + kOffset);
}
int ChannelRecordView::Ctcss() const {
    return BcdToByte(p_[kCtcss + 1]) * 100 + BcdToByte(p_[kCtcss]);
}
int ChannelRecordView::Dcs() const {
    return BcdToByte(p_[kDcs + 1]) * 100 + BcdToByte(p_[kDcs]);
}

std::string ChannelRecordView::Name() const {
    return ReadPaddedText(p_ + kName, kNameLength);
}

void ChannelRecord::Set(Field f, int value) {
    const BitRange& r = LayoutOf(f);
    const auto shifted = static_cast<std::uint8_t>((value << r.low) & r.Mask());
    w_[r.byte] = static_cast<std::uint8_t>((w_[r.byte] & ~r.Mask()) | shifted);
}

namespace {

// Eight BCD digits hold at most 999.99999 MHz. A larger count (shown from a
// damaged record) is written as no frequency rather than as the different
// frequency its low eight digits would make.
void EncodeFreqOrNone(std::uint8_t* p, int count) {
    if (count > kMaxFreqCount) {
        for (int i = 0; i < 4; ++i) p[i] = 0xFF;
        return;
    }
    EncodeFreqBytes(p, count);
}

} // namespace

void ChannelRecord::SetRxFreq(int count) {
    EncodeFreqOrNone(w_ + kRxFreq, count);
}
void ChannelRecord::SetTxFreq(int count) {
    EncodeFreqOrNone(w_ + kTxFreq, count);
}
void ChannelRecord::SetNoRx() {
    for (int i = 0; i < 4; ++i) w_[kRxFreq + i] = 0xFF;
}
void ChannelRecord::SetNoTx() {
    for (int i = 0; i < 4; ++i) w_[kTxFreq + i] = 0xFF;
}
void ChannelRecord::SetOffsetFreq(int count) {
    EncodeFreqOrNone(w_ + kOffset, count);
}
void ChannelRecord::SetCtcss(int tenths) {
    w_[kCtcss] = ByteToBcd(tenths % 100);
    w_[kCtcss + 1] = ByteToBcd(tenths / 100);
}
void ChannelRecord::SetDcs(int code) {
    w_[kDcs] = ByteToBcd(code % 100);
    w_[kDcs + 1] = ByteToBcd(code / 100);
}
void ChannelRecord::SetName(std::string_view name) {
    WritePaddedText(w_ + kName, kNameLength, name);
}

bool IsChannelEmpty(const RadioImage& image, int n) {
    return ChannelRecordView(image, RecordOffset(n)).IsEmpty();
}

void FillDefaultRecord(RadioImage& image, std::size_t offset, int rx, const BandLimitCache& cache) {
    image.Fill(offset, kRecordSize, 0xFF);
    ChannelRecord rec(image, offset);
    if (rx != 0) {
        rec.SetRxFreq(rx);
        rec.SetTxFreq(rx);
    }
    rec.SetCtcss(1000);
    rec.SetDcs(23);
    std::uint8_t* b = rec.MutableBytes();
    b[0x0C] = 0xC0;
    b[0x0D] = 0x08;
    b[0x0E] = 0x06;
    b[0x0F] = 0x00;
    b[0x14] = 0x00;
    b[0x15] = 0x00;
    const int band = rx == 0 ? -1 : BandOf(cache, rx, false);
    if (band == k108M) rec.SetFlag(Field::Am, true);
    rec.SetOffsetFreq(band == k450M || band == k850M ? kOffset760 : kOffset060);
}

void DeriveOffsetDirection(ChannelRecord& rec) {
    const int rx = rec.RxFreq();
    const int tx = rec.TxFreq();
    const int off = rec.OffsetFreq();
    const int d = rec.Get(Field::OffsetDirection);
    int result = 3;
    if (rx == tx)
        result = 0;
    else if (d == 1 && tx == rx - off)
        result = 1;
    else if (d == 2 && tx == rx + off)
        result = 2;
    rec.Set(Field::OffsetDirection, result);
}

void ConstrainSqlMode(ChannelRecord& rec) {
    const int s = rec.Get(Field::SqlMode);
    const int t = rec.Get(Field::DecodeType);
    const int o = rec.Get(Field::OptionSignaling);
    bool drop = false;
    if (s == 1) drop = t < 2;
    if (s == 2) drop = o == 0;
    if (s == 3 || s == 4) drop = o == 0 || t < 2;
    if (drop) rec.Set(Field::SqlMode, 0);
}

std::vector<std::string_view> AllowedSqlModes(int decodeType, int optionSignaling) {
    const bool tone = decodeType >= 2;
    const bool signalling = optionSignaling != 0;
    if (!tone && !signalling) return {SqlModeNames[0]};
    if (!tone) return {SqlModeNames[0], SqlModeNames[2]};
    if (!signalling) return {SqlModeNames[0], SqlModeNames[1]};
    return {SqlModeNames.begin(), SqlModeNames.end()};
}

TxFromOffset ComputeTxFromOffset(const BandLimitCache& cache, int rx, int offset, int direction) {
    int tx = rx;
    if (direction == 1) tx = rx - offset;
    if (direction == 2) tx = rx + offset;
    if (!SameBand(cache, rx, tx)) return {rx, 0};
    return {tx, direction};
}

std::string StorableName(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (out.size() == kNameLength) break;
        if (IsPrintableAscii(c)) out.push_back(c);
    }
    return out;
}

bool MapBit(const RadioImage& image, std::size_t map, int n) {
    return (image[map + static_cast<std::size_t>((n - 1) / 8)] >> ((n - 1) % 8)) & 1;
}

void SetMapBit(RadioImage& image, std::size_t map, int n) {
    image[map + static_cast<std::size_t>((n - 1) / 8)] |=
        static_cast<std::uint8_t>(1u << ((n - 1) % 8));
}

} // namespace vmr
