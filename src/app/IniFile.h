// Program.ini access with the rules of the classic private-profile functions:
// section and key names compare without regard to case, values are read up to
// 255 characters, and a write keeps the rest of the file as it was (comments,
// blank lines, key order and line endings).
#pragma once

#include <string>
#include <string_view>

namespace vmr {

class CIniFile {
public:
    static constexpr std::size_t kMaxValue = 255;

    // path = dir + name (dir ends with a separator, as AppDir does).
    void SetFile(const std::string& dir, const std::string& name) { path_ = dir + name; }
    void SetPath(const std::string& path) { path_ = path; }
    const std::string& Path() const { return path_; }

    // The value of key in section, or def when the file, section or key does
    // not exist; an empty key returns def without reading the file.
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view def) const;

    // Writes key=value into section, creating the file or the section as
    // needed. Refuses an empty key or value (returns false, writes nothing).
    bool WriteString(std::string_view section, std::string_view key, std::string_view value) const;

private:
    std::string path_ = "Program.ini";
};

} // namespace vmr
