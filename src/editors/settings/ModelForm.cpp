#include "editors/settings/ModelForm.h"

#include "image/Codecs.h"

#include <string_view>

namespace vmr {

namespace {

constexpr std::size_t kSerial = addr::kModelInfo;
constexpr std::size_t kModelName = addr::kModelInfo + 0x08;
constexpr std::size_t kModelCode = addr::kModelInfo + 0x10;
constexpr std::size_t kFirmware = addr::kModelInfo + 0x20;
constexpr std::size_t kEditableEnd = addr::kModelInfo + 0x20;

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Reads a decimal integer as "%d" does: blanks, an optional sign, digits.
bool ScanInt(std::string_view s, std::size_t& i, int& out) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool neg = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
    if (i >= s.size() || s[i] < '0' || s[i] > '9') return false;
    long v = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        if (v < 100000) v = v * 10 + (s[i] - '0');
        ++i;
    }
    out = static_cast<int>(neg ? -v : v);
    return true;
}

// Upper-case hexadecimal, padded on the left to width with pad.
std::string Hex(unsigned v, std::size_t width, char pad) {
    std::string s;
    do {
        s.insert(s.begin(), "0123456789ABCDEF"[v % 16]);
        v /= 16;
    } while (v != 0);
    if (s.size() < width) s.insert(0, width - s.size(), pad);
    return s;
}

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

bool IsValidDate(int y, int m, int d) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    const int days = kDays[m - 1] + (m == 2 && IsLeap(y) ? 1 : 0);
    return d <= days;
}

void CopyIdentityText(RadioImage& image, std::size_t offset, std::size_t width,
                      const std::string& text, CharRule test) {
    for (std::size_t i = 0; i < width && i < text.size() && test(text[i]); ++i)
        image[offset + i] = static_cast<std::uint8_t>(text[i]);
}

} // namespace

bool IsIdentityAlnum(char c) {
    c = Upper(c);
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool IsIdentityPrintable(char c) {
    return IsPrintableAscii(c);
}

std::string ReadIdentityText(const RadioImage& image, std::size_t offset, std::size_t width,
                             CharRule test) {
    return ReadPaddedText(image.data() + offset, width, test);
}

std::string LastProgramDateText(const RadioImage& image) {
    // The BCD digits appear as decimal digits: 16 20 03 07 gives 2016-03-07.
    const std::string stamp = Hex(image.Word(addr::kWriteDate), 4, ' ') + "-" +
                              Hex(image[addr::kWriteDate + 2], 2, '0') + "-" +
                              Hex(image[addr::kWriteDate + 3], 2, '0');
    const std::string_view text(stamp);
    std::size_t i = 0;
    int y = 0, m = 0, d = 0;
    const bool parsed = ScanInt(text, i, y) && i < text.size() && text[i++] == '-' &&
                        ScanInt(text, i, m) && i < text.size() && text[i++] == '-' &&
                        ScanInt(text, i, d);
    return parsed && IsValidDate(y, m, d) ? stamp : std::string();
}

void ModelForm::RefreshFromImage() {
    serial.text = ReadIdentityText(image_, kSerial, 8, IsIdentityAlnum);
    modelName.text = ReadIdentityText(image_, kModelName, 8, IsIdentityAlnum);
    modelCode.text = ReadIdentityText(image_, kModelCode, 16, IsIdentityPrintable);
    firmware.text = ReadIdentityText(image_, kFirmware, 8, IsIdentityPrintable);
    date.text = LastProgramDateText(image_);
}

void ModelForm::CommitToImage() {
    image_.Fill(addr::kModelInfo, kEditableEnd - addr::kModelInfo, 0xFF);
    CopyIdentityText(image_, kSerial, 8, serial.text, IsIdentityAlnum);
    CopyIdentityText(image_, kModelName, 8, modelName.text, IsIdentityAlnum);
    CopyIdentityText(image_, kModelCode, 16, modelCode.text, IsIdentityPrintable);
}

} // namespace vmr
