#include "image/Codecs.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace vmr {

namespace {

__extension__ typedef __int128 Int128;

// mant * 10^exp, exact.
struct Decimal {
    Int128 mant = 0;
    int exp = 0;
};

// The decimal form of a double with 15 significant digits ("%.15g").
Decimal ToDecimal15(double v) {
    Decimal d;
    if (!std::isfinite(v) || v == 0.0) return d;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    bool neg = false;
    std::size_t i = 0;
    if (s[i] == '-') {
        neg = true;
        ++i;
    }
    int fracDigits = 0;
    bool inFrac = false;
    for (; i < s.size() && s[i] != 'e'; ++i) {
        if (s[i] == '.') {
            inFrac = true;
            continue;
        }
        d.mant = d.mant * 10 + (s[i] - '0');
        if (inFrac) ++fracDigits;
    }
    int e = 0;
    if (i < s.size()) std::from_chars(s.data() + i + 1 + (s[i + 1] == '+'), s.data() + s.size(), e);
    d.exp = e - fracDigits;
    while (d.mant != 0 && d.mant % 10 == 0) {
        d.mant /= 10;
        ++d.exp;
    }
    if (neg) d.mant = -d.mant;
    return d;
}

std::string Int128ToString(Int128 v) {
    if (v == 0) return "0";
    bool neg = v < 0;
    if (neg) v = -v;
    std::string s;
    while (v > 0) {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    }
    if (neg) s.insert(s.begin(), '-');
    return s;
}

double ToDouble(const Decimal& d) {
    std::string s = Int128ToString(d.mant) + "e" + std::to_string(d.exp);
    double out = 0;
    std::from_chars(s.data(), s.data() + s.size(), out);
    return out;
}

Decimal Mul(double a, double b) {
    Decimal x = ToDecimal15(a), y = ToDecimal15(b);
    return {x.mant * y.mant, x.exp + y.exp};
}

// The exact product truncated toward zero, clamped to the int range.
int MulTrunc(double a, double b) {
    Decimal p = Mul(a, b);
    Int128 v = p.mant;
    constexpr Int128 kLimit = static_cast<Int128>(INT_MAX) + 1;
    if (p.exp >= 0) {
        for (int i = 0; i < p.exp && v != 0; ++i) {
            v *= 10;
            if (v > kLimit || v < -kLimit) break;
        }
    } else {
        for (int i = 0; i < -p.exp && v != 0; ++i) v /= 10;
    }
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string IntText(long long v, int minDigits) {
    std::string digits = std::to_string(v < 0 ? -v : v);
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
    return (v < 0 ? "-" : "") + digits;
}

// "%d.%0Nd" of a count scaled by 10^decimals.
std::string ScaledText(long long count, int decimals) {
    long long scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const bool neg = count < 0;
    const long long a = neg ? -count : count;
    return (neg ? "-" : "") + std::to_string(a / scale) + "." + IntText(a % scale, decimals);
}

} // namespace

std::uint8_t ByteToBcd(int n) {
    return static_cast<std::uint8_t>((n / 10) * 16 + n % 10);
}
int BcdToByte(std::uint8_t b) {
    return (b >> 4) * 10 + (b & 0x0F);
}

int DecodeFreqBytes(const std::uint8_t* p) {
    long long v = 0;
    for (int i = 3; i >= 0; --i) v = v * 100 + BcdToByte(p[i]);
    return v > INT_MAX ? INT_MAX : static_cast<int>(v);
}

void EncodeFreqBytes(std::uint8_t* p, int count) {
    unsigned v = count < 0 ? 0u : static_cast<unsigned>(count);
    for (int i = 0; i < 4; ++i) {
        p[i] = ByteToBcd(static_cast<int>(v % 100));
        v /= 100;
    }
}

bool IsFreqEmpty(const RadioImage& image, std::size_t offset) {
    return image[offset + 3] == 0xFF;
}
int ReadFreq(const RadioImage& image, std::size_t offset) {
    return DecodeFreqBytes(image.data() + offset);
}
void WriteFreq(RadioImage& image, std::size_t offset, int count) {
    EncodeFreqBytes(image.data() + offset, count);
}
void WriteNoFreq(RadioImage& image, std::size_t offset) {
    image.Fill(offset, 4, 0xFF);
}

int ReadToneWord(const RadioImage& image, std::size_t offset) {
    return BcdToByte(image[offset + 1]) * 100 + BcdToByte(image[offset]);
}
void WriteToneWord(RadioImage& image, std::size_t offset, int n) {
    image[offset] = ByteToBcd(n % 100);
    image[offset + 1] = ByteToBcd(n / 100);
}

double DecimalMul(double a, double b) {
    return ToDouble(Mul(a, b));
}

double DecimalDiv(double a, double b) {
    Decimal x = ToDecimal15(a), y = ToDecimal15(b);
    if (y.mant == 0) return a / b; // the caller's infinity or NaN, as a plain division gives
    // Scale the dividend so that the quotient carries 20 digits or more.
    Int128 m = x.mant;
    int e = x.exp - y.exp;
    const Int128 kTarget = static_cast<Int128>(1000000000000000000LL) * 100000000000000000LL / 10;
    while (m != 0 && (m < 0 ? -m : m) < kTarget) {
        m *= 10;
        --e;
    }
    return ToDouble({m / y.mant, e});
}

double ParseLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    std::size_t start = i;
    bool neg = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        neg = text[i] == '-';
        ++i;
    }
    std::size_t numStart = i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            end = j;
        }
    }
    (void)start;
    double v = 0;
    std::from_chars(text.data() + numStart, text.data() + end, v);
    return neg ? -v : v;
}

bool ParseLeadingInt(std::string_view text, long& out) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool neg = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        neg = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !IsDigit(text[i])) return false;
    long long v = 0;
    while (i < text.size() && IsDigit(text[i])) {
        if (v < 100000000000LL) v = v * 10 + (text[i] - '0');
        ++i;
    }
    out = static_cast<long>(neg ? -v : v);
    return true;
}

int AtoI(std::string_view text) {
    long v = 0;
    if (!ParseLeadingInt(text, v)) return 0;
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

std::string FormatFixed(double value, int decimals) {
    char buf[512];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (res.ec != std::errc()) return "0";
    return std::string(buf, res.ptr);
}

int ParseFreqText(std::string_view text) {
    if (text.empty()) return 0;
    return MulTrunc(ParseLeadingNumber(text), 100000);
}

std::string FormatFreqText(int count) {
    return ScaledText(count, 5);
}

std::string CtcssToText(int tenths) {
    return ScaledText(tenths, 1);
}

int CtcssFromText(std::string_view text) {
    return MulTrunc(ParseLeadingNumber(text), 10);
}

std::string DcsToText(int n) {
    return IntText(n & 0x3FFF, 3);
}

int DcsFromText(std::string_view text) {
    return AtoI(text);
}

std::string NormaliseCtcssText(std::string_view text) {
    if (text.empty()) return "100.0";
    const std::string upper = ToUpper(text);
    const int t = MulTrunc(ParseLeadingNumber(upper), 10);
    if (t >= 600 && t <= 2600) return ScaledText(t, 1);
    return "100.0";
}

std::string NormaliseDcsText(std::string_view text) {
    if (!text.empty()) {
        long n = 0;
        if (ParseLeadingInt(ToUpper(text), n) && n >= 0 && n <= 777) return IntText(n, 3);
    }
    return "023";
}

int SnapToStepGrid(int v) {
    if (v % 250 == 0 || v % 625 == 0) return v;
    const int r5 = v % 500;
    const int r625 = v % 625;
    return r5 > r625 ? v - r625 : v - r5;
}

int SnapFrequency(int v, int band) {
    if (band == 8) {
        if (v % 500 == 0 || v % 1250 == 0) return v;
        return v - v % 500;
    }
    const int k = (v / 100) % 100;
    for (int i = 1; i <= 8; ++i) {
        if (k == (kEightKhzRemainders[i] / 100) % 100)
            return (v / 10000) * 10000 + kEightKhzRemainders[i];
    }
    if (v % 250 != 0 && v % 625 != 0) return SnapToStepGrid(v);
    return v;
}

std::string NormaliseOffset(std::string_view text) {
    int v = ParseFreqText(text);
    if (v < 0 || v > kMaxOffset)
        v = kOffset760;
    else
        v = SnapToStepGrid(v);
    return FormatFreqText(v);
}

std::uint8_t HexCharToCode(char c) {
    if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<std::uint8_t>(c - 'a' + 10);
    return 0xFF;
}

char CodeToHexChar(int n) {
    if (n < 0 || n >= 16) return 0;
    return "0123456789ABCDEF"[n];
}

std::uint8_t DtmfCharToCode(char c) {
    if (c == '*') return 14;
    if (c == '#') return 15;
    return HexCharToCode(c);
}

char DtmfCodeToChar(int n) {
    if (n == 14) return '*';
    if (n == 15) return '#';
    return CodeToHexChar(n);
}

int ToneCoefficient(int tenths) {
    const double c = 2.0 * std::cos(tenths * 6.2831852 / 80000.0) * 16384.0 + 0.5;
    return static_cast<int>(c);
}

bool IsPrintableAscii(char c) {
    return c >= 0x20 && c <= 0x7E;
}

std::string ReadPaddedText(const std::uint8_t* field, std::size_t width, bool (*accept)(char)) {
    std::string s;
    for (std::size_t i = 0; i < width; ++i) {
        const char c = static_cast<char>(field[i]);
        if (!accept(c)) break;
        s.push_back(c);
    }
    return s;
}

void WritePaddedText(std::uint8_t* field, std::size_t width, std::string_view text) {
    for (std::size_t i = 0; i < width; ++i)
        field[i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0xFF;
}

std::string ToUpper(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

} // namespace vmr
