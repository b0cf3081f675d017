#include "app/IniFile.h"

#include "image/Codecs.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace vmr {

namespace {

std::string_view Trim(std::string_view s) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
    return s;
}

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    text = ss.str();
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    return true;
}

struct Line {
    std::string text;   // without its line ending
    std::string ending; // "\r\n", "\n" or "" for the last line
};

std::vector<Line> SplitLines(const std::string& text) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        if (nl == std::string::npos) {
            lines.push_back({text.substr(pos), ""});
            break;
        }
        std::size_t end = nl;
        std::string ending = "\n";
        if (end > pos && text[end - 1] == '\r') {
            --end;
            ending = "\r\n";
        }
        lines.push_back({text.substr(pos, end - pos), ending});
        pos = nl + 1;
    }
    return lines;
}

// The section name of a "[name]" line.
bool SectionOf(std::string_view line, std::string_view& name) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return false;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return false;
    name = Trim(line.substr(1, close - 1));
    return true;
}

// The key and value of a "key=value" line.
bool KeyOf(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    std::string_view trimmed = Trim(line);
    if (!trimmed.empty() && trimmed.front() == ';') return false;
    key = Trim(line.substr(0, eq));
    value = Trim(line.substr(eq + 1));
    return true;
}

} // namespace

std::string CIniFile::GetString(std::string_view section, std::string_view key,
                                std::string_view def) const {
    std::string result(def);
    if (key.empty()) return result.substr(0, kMaxValue);
    std::string text;
    if (ReadText(path_, text)) {
        bool inSection = false;
        bool found = false;
        for (const Line& line : SplitLines(text)) {
            std::string_view name, k, v;
            if (SectionOf(line.text, name)) {
                if (found) break;
                inSection = EqualsNoCase(name, section);
                continue;
            }
            if (inSection && KeyOf(line.text, k, v) && EqualsNoCase(k, key)) {
                // A value in matching quotes is given without them.
                if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') &&
                    v.back() == v.front())
                    v = v.substr(1, v.size() - 2);
                result = std::string(v);
                found = true;
                break;
            }
        }
    }
    if (result.size() > kMaxValue) result.resize(kMaxValue);
    return result;
}

bool CIniFile::WriteString(std::string_view section, std::string_view key,
                           std::string_view value) const {
    if (key.empty() || value.empty()) return false;
    std::string text;
    const bool exists = ReadText(path_, text);
    std::vector<Line> lines = exists ? SplitLines(text) : std::vector<Line>{};

    std::string newline = "\n";
    for (const Line& l : lines)
        if (!l.ending.empty()) {
            newline = l.ending;
            break;
        }
    const std::string entry = std::string(key) + "=" + std::string(value);

    int sectionLine = -1; // index of the matching "[section]" line
    int lastInSection = -1;
    bool done = false;
    bool inSection = false;
    for (int i = 0; i < static_cast<int>(lines.size()) && !done; ++i) {
        std::string_view name, k, v;
        if (SectionOf(lines[i].text, name)) {
            if (sectionLine >= 0) break; // past the end of the first matching section
            inSection = EqualsNoCase(name, section);
            if (inSection) sectionLine = lastInSection = i;
            continue;
        }
        if (!inSection) continue;
        if (KeyOf(lines[i].text, k, v) && EqualsNoCase(k, key)) {
            lines[i].text = entry;
            done = true;
        } else if (!Trim(lines[i].text).empty()) {
            lastInSection = i;
        }
    }
    if (!done) {
        if (!lines.empty() && lines.back().ending.empty()) lines.back().ending = newline;
        if (sectionLine >= 0) {
            lines.insert(lines.begin() + lastInSection + 1, Line{entry, newline});
        } else {
            lines.push_back({"[" + std::string(section) + "]", newline});
            lines.push_back({entry, newline});
        }
    }

    std::string out;
    for (const Line& l : lines) out += l.text + l.ending;

    // Replace the file in one step so that a failed write never leaves half a file.
    namespace fs = std::filesystem;
    const std::string tmp = path_ + ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        if (!f) return false;
        f << out;
        f.flush();
        if (!f) {
            std::error_code ec;
            fs::remove(tmp, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(tmp, path_, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

} // namespace vmr
