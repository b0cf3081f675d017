// Value encodings of the image and the texts the editors show for them.
// Frequencies are counts of 10 Hz (1 MHz = 100000). Every text is produced and
// read without regard to the process locale: the decimal point is always '.'.
#pragma once

#include "image/RadioImage.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vmr {

constexpr int kOffset060 = 60000;   // 0.60000 MHz
constexpr int kOffset760 = 760000;  // 7.60000 MHz
constexpr int kMaxOffset = 5000000; // 50.00000 MHz

// Positions (10 Hz) of the 8.33 kHz channels in a 100 kHz block that are not on
// the 2.5 kHz grid; entry 0 is not used by the snapping rule.
constexpr int kEightKhzRemainders[9] = {0, 833, 1666, 3333, 4166, 5833, 6666, 8333, 9166};

std::uint8_t ByteToBcd(int n);
int BcdToByte(std::uint8_t b);

// FreqBcd: 4 bytes of packed BCD, least significant pair first.
bool IsFreqEmpty(const RadioImage& image, std::size_t offset); // byte 3 is 0xFF
int ReadFreq(const RadioImage& image, std::size_t offset);
void WriteFreq(RadioImage& image, std::size_t offset, int count);
void WriteNoFreq(RadioImage& image, std::size_t offset);
int DecodeFreqBytes(const std::uint8_t* p);
void EncodeFreqBytes(std::uint8_t* p, int count);

// ToneBcd: 2 bytes of packed BCD, lower pair first.
int ReadToneWord(const RadioImage& image, std::size_t offset);
void WriteToneWord(RadioImage& image, std::size_t offset, int n);

// Exact decimal arithmetic on the 15-significant-digit decimal forms of a and b.
double DecimalMul(double a, double b);
double DecimalDiv(double a, double b);

// Locale-free conversions between texts and numbers.
double ParseLeadingNumber(std::string_view text);       // like atof: leading number, else 0
bool ParseLeadingInt(std::string_view text, long& out); // like sscanf("%d")
int AtoI(std::string_view text);                        // like atoi
std::string FormatFixed(double value, int decimals);    // like "%.Nf"

int ParseFreqText(std::string_view text);
std::string FormatFreqText(int count);
std::string CtcssToText(int tenths);
int CtcssFromText(std::string_view text);
std::string DcsToText(int n);
int DcsFromText(std::string_view text);
std::string NormaliseCtcssText(std::string_view text);
std::string NormaliseDcsText(std::string_view text);

int SnapToStepGrid(int count);
int SnapFrequency(int count, int band);
std::string NormaliseOffset(std::string_view text);

std::uint8_t HexCharToCode(char c);
char CodeToHexChar(int n);
std::uint8_t DtmfCharToCode(char c);
char DtmfCodeToChar(int n);

int ToneCoefficient(int tenths);

// Texts in the image: characters from the start of a field while they pass
// accept, at most width of them; the rest of a written field is 0xFF.
bool IsPrintableAscii(char c);
std::string ReadPaddedText(const std::uint8_t* field, std::size_t width,
                           bool (*accept)(char) = IsPrintableAscii);
void WritePaddedText(std::uint8_t* field, std::size_t width, std::string_view text);

std::string ToUpper(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

} // namespace vmr
