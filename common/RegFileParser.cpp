#include "common/RegFileParser.h"

#include <algorithm>
#include <array>

#include "common/MemoryRegistry.h"
#include "common/NarrowText.h"

namespace vx {
namespace {

struct SyntaxError {
    int line;
    std::string what;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void SkipBlanks(std::string_view& s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
}

constexpr auto kHexValues = [] {
    std::array<int8_t, 256> table{};
    table.fill(-1);
    for (int i = 0; i < 10; ++i)
        table['0' + i] = static_cast<int8_t>(i);
    for (int i = 0; i < 6; ++i) {
        table['a' + i] = static_cast<int8_t>(10 + i);
        table['A' + i] = static_cast<int8_t>(10 + i);
    }
    return table;
}();

int HexDigit(char c) { return kHexValues[static_cast<uint8_t>(c)]; }

// Up to `maxDigits` hex digits from the front of `s`; nullopt when there are none
// or more than that.
std::optional<uint32_t> TakeHexNumber(std::string_view& s, size_t maxDigits)
{
    uint32_t number = 0;
    size_t digits = 0;
    for (int digit; digits < s.size() && (digit = HexDigit(s[digits])) >= 0; ++digits) {
        if (digits == maxDigits)
            return std::nullopt;
        number = (number << 4) | static_cast<uint32_t>(digit);
    }
    if (digits == 0)
        return std::nullopt;
    s.remove_prefix(digits);
    return number;
}

bool IsWideStringType(RegType type)
{
    return type == RegType::Sz || type == RegType::ExpandSz || type == RegType::MultiSz;
}

// Lines without their CR LF or LF ends, counted from `firstLine`.
class LineReader {
public:
    LineReader(std::string_view text, int firstLine) : rest_(text), number_(firstLine - 1), done_(text.empty()) {}

    bool Next(std::string_view& line)
    {
        if (done_)
            return false;
        ++number_;
        size_t cut = rest_.find('\n');
        if (cut == std::string_view::npos) {
            line = rest_;
            done_ = true;
        } else {
            line = rest_.substr(0, cut);
            rest_.remove_prefix(cut + 1);
            done_ = rest_.empty();
        }
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return true;
    }

    int Number() const { return number_; }

private:
    std::string_view rest_;
    int number_;
    bool done_;
};

class Parser {
public:
    Parser(std::string_view text, int firstLine, bool wideData, RegFileSink* sink)
        : lines_(text, firstLine), wideData_(wideData), sink_(sink)
    {
    }

    void Run()
    {
        std::string_view line;
        while (lines_.Next(line)) {
            SkipBlanks(line);
            if (line.empty() || line.front() == ';')
                continue;
            if (line.front() == '[')
                ParseKeyLine(line);
            else if (line.front() == '"' || line.front() == '@')
                ParseValueLine(line);
            else
                Fail("unexpected text (expected a [key], a value or a ; comment)");
        }
    }

private:
    [[noreturn]] void Fail(std::string what) { throw SyntaxError{lines_.Number(), std::move(what)}; }

    struct KeyName {
        bool deletion;
        RegRoot root;
        std::string_view path;  // empty for the root itself
    };

    // "[ROOT\path]" or "[-ROOT\path]", with nothing but blanks after it.
    KeyName SplitKeyLine(std::string_view line)
    {
        size_t close = line.rfind(']');
        if (close == std::string_view::npos)
            Fail("']' expected at the end of the key name");
        std::string_view after = line.substr(close + 1);
        SkipBlanks(after);
        if (!after.empty())
            Fail("unexpected text after the key name");
        std::string_view name = line.substr(1, close - 1);
        RefuseCarriageReturn(name, "key");
        bool deletion = name.starts_with('-');
        if (deletion)
            name.remove_prefix(1);
        size_t cut = std::min(name.find('\\'), name.size());
        std::string_view rootName = name.substr(0, cut);
        std::optional<RegRoot> root = RootByName(rootName);
        if (!root)
            Fail("unknown root key \"" + std::string(rootName) + "\"");
        std::string_view path = name.substr(std::min(cut + 1, name.size()));
        if (cut < name.size() && HasEmptyPart(path))
            Fail("empty key name in the path");
        if (KeyPathDepth(path) > MaxKeyDepth)
            Fail("key nested deeper than " + std::to_string(MaxKeyDepth) + " levels");
        return {deletion, *root, path};
    }

    // No .reg file can carry a line break in a name, so none is taken in: what
    // was loaded can always be saved again.
    void RefuseCarriageReturn(std::string_view name, const char* what)
    {
        if (name.find('\r') != std::string_view::npos)
            Fail(std::string("carriage return in a ") + what + " name");
    }

    static bool HasEmptyPart(std::string_view path)
    {
        return path.empty() || path.front() == '\\' || path.back() == '\\' ||
               path.find("\\\\") != std::string_view::npos;
    }

    void ParseKeyLine(std::string_view line)
    {
        KeyName key = SplitKeyLine(line);
        if (key.deletion && key.path.empty())
            Fail("a root key cannot be deleted");
        if (sink_ && key.deletion)
            sink_->DeleteKey(key.root, key.path);
        else if (sink_)
            sink_->OpenKey(key.root, key.path);
        inKey_ = !key.deletion;
    }

    void ParseValueLine(std::string_view line)
    {
        if (!inKey_)
            Fail("value outside a key");
        if (line.front() == '@') {
            name_.clear();
            line.remove_prefix(1);
        } else {
            ParseQuoted(line, name_);
            RefuseCarriageReturn(name_, "value");
        }
        SkipBlanks(line);
        if (line.empty() || line.front() != '=')
            Fail("'=' expected after the value name");
        line.remove_prefix(1);
        SkipBlanks(line);
        ParseData(line);
    }

    void ParseData(std::string_view& s)
    {
        if (!s.empty() && s.front() == '-') {
            s.remove_prefix(1);
            ExpectEnd(s);
            if (sink_)
                sink_->DeleteValue(name_);
            return;
        }
        if (!s.empty() && s.front() == '"') {
            ParseQuoted(s, text_);
            ExpectEnd(s);
            value_.type = RegType::Sz;
            value_.data.assign(text_.begin(), text_.end());
            value_.data.push_back(0);
        } else if (s.starts_with("dword:")) {
            s.remove_prefix(6);
            std::optional<uint32_t> number = TakeHexNumber(s, 8);
            if (!number)
                Fail("dword: needs 1 to 8 hex digits");
            ExpectEnd(s);
            value_ = RawValue::Dword(*number);
        } else if (s.starts_with("hex:")) {
            s.remove_prefix(4);
            ParseHexData(s, RegType::Binary);
        } else if (s.starts_with("hex(")) {
            s.remove_prefix(4);
            std::optional<uint32_t> type = TakeHexNumber(s, 8);
            if (!type || !s.starts_with("):"))
                Fail("hex(N): needs a type of 1 to 8 hex digits");
            s.remove_prefix(2);
            ParseHexData(s, static_cast<RegType>(*type));
        } else {
            Fail("unknown value data (expected \"text\", dword:, hex:, hex(N): or -)");
        }
        if (sink_) {
            sink_->SetValue(name_, std::move(value_));
            value_ = RawValue();
        }
    }

    // A quoted text with \\ and \" escapes, from the opening to the closing quote.
    void ParseQuoted(std::string_view& s, std::string& out)
    {
        out.clear();
        s.remove_prefix(1);
        for (;;) {
            size_t stop = s.find_first_of("\"\\");
            if (stop == std::string_view::npos)
                Fail("closing '\"' missing");
            out.append(s.substr(0, stop));
            char c = s[stop];
            s.remove_prefix(stop + 1);
            if (c == '"')
                return;
            if (s.empty() || (s.front() != '\\' && s.front() != '"'))
                Fail("unknown escape in a quoted text (only \\\\ and \\\" are allowed)");
            out.push_back(s.front());
            s.remove_prefix(1);
        }
    }

    void ParseHexData(std::string_view& s, RegType type)
    {
        value_.type = type;
        ParseBytes(s);
        if (wideData_ && IsWideStringType(type)) {
            if (value_.data.size() % 2 != 0)
                Fail("UTF-16 string data with an odd number of bytes");
            std::string_view bytes(reinterpret_cast<const char*>(value_.data.data()), value_.data.size());
            std::string narrow = NarrowUtf16(bytes);
            value_.data.assign(narrow.begin(), narrow.end());
        }
    }

    // Comma-separated bytes of 1 or 2 hex digits; a backslash after a comma
    // continues them on the next line.
    void ParseBytes(std::string_view& s)
    {
        value_.data.clear();
        SkipBlanks(s);
        if (AtEnd(s))
            return;
        for (;;) {
            std::optional<uint32_t> byte = TakeHexNumber(s, 2);
            if (!byte)
                Fail("hex byte expected");
            value_.data.push_back(static_cast<uint8_t>(*byte));
            SkipBlanks(s);
            if (AtEnd(s))
                return;
            if (s.front() != ',')
                Fail("',' expected between hex bytes");
            s.remove_prefix(1);
            SkipBlanks(s);
            if (!s.empty() && s.front() == '\\')
                ContinueOnNextLine(s);
        }
    }

    void ContinueOnNextLine(std::string_view& s)
    {
        s.remove_prefix(1);
        SkipBlanks(s);
        if (!s.empty())
            Fail("unexpected text after the continuation '\\'");
        if (!lines_.Next(s))
            Fail("hex data continues past the end of the file");
        SkipBlanks(s);
    }

    static bool AtEnd(std::string_view s) { return s.empty() || s.front() == ';'; }

    void ExpectEnd(std::string_view s)
    {
        SkipBlanks(s);
        if (!AtEnd(s))
            Fail("unexpected text after the value");
    }

    LineReader lines_;
    bool wideData_;
    RegFileSink* sink_;
    bool inKey_ = false;
    std::string name_;
    std::string text_;
    RawValue value_;
};

struct RootEntry {
    std::string_view name;
    RegRoot root;
};

constexpr RootEntry kRoots[] = {
    {"HKEY_LOCAL_MACHINE", RegRoot::LocalMachine}, {"HKLM", RegRoot::LocalMachine},
    {"HKEY_CURRENT_USER", RegRoot::CurrentUser},   {"HKCU", RegRoot::CurrentUser},
    {"HKEY_CLASSES_ROOT", RegRoot::ClassesRoot},   {"HKEY_USERS", RegRoot::Users},
    {"HKEY_CURRENT_CONFIG", RegRoot::CurrentConfig},
};

}  // namespace

std::optional<std::string> ParseRegLines(std::string_view text, std::string_view fileName, int firstLine,
                                         bool wideData, RegFileSink* sink)
{
    try {
        Parser(text, firstLine, wideData, sink).Run();
    } catch (const SyntaxError& error) {
        return std::string(fileName) + ":" + std::to_string(error.line) + ": " + error.what;
    }
    return std::nullopt;
}

std::optional<RegRoot> RootByName(std::string_view name)
{
    for (const RootEntry& entry : kRoots)
        if (NamesEqual(entry.name, name))
            return entry.root;
    return std::nullopt;
}

std::string_view RootName(RegRoot root)
{
    for (const RootEntry& entry : kRoots)
        if (entry.root == root)
            return entry.name;
    return "HKEY_LOCAL_MACHINE";
}

}  // namespace vx
