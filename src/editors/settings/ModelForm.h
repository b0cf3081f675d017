// The model information editor: the radio's identity block at 0xFF00..0xFF2B
// (serial number, model name, model code, firmware version, last program date).
#pragma once

#include "app/FormState.h"
#include "image/RadioImage.h"

#include <string>

namespace vmr {

// Character tests of the identity texts; a letter passes in either case.
bool IsIdentityAlnum(char c);
bool IsIdentityPrintable(char c);

// The text of an identity field: its characters from the start while they pass
// test, at most width of them.
std::string ReadIdentityText(const RadioImage& image, std::size_t offset, std::size_t width,
                             CharRule test);

// "YYYY-MM-DD" of the last-program stamp at 0xFF28..0xFF2B when it is a valid
// calendar date, otherwise empty text.
std::string LastProgramDateText(const RadioImage& image);

class ModelForm : public EditorForm {
public:
    static constexpr int kFormId = 200;

    explicit ModelForm(RadioImage& image) : image_(image) {}

    TextField serial = EditBox(8, IsIdentityAlnum);
    TextField modelName = EditBox(8, IsIdentityAlnum);
    TextField modelCode = EditBox(16, IsIdentityPrintable);
    TextField firmware = ReadOnlyBox(8);
    TextField date = ReadOnlyBox(10);

    void RefreshFromImage() override;
    void CommitToImage() override;

private:
    RadioImage& image_;
};

} // namespace vmr
