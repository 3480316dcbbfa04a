// REGEDIT4 text of a whole in-memory registry.
#include <algorithm>
#include <vector>

#include "common/RegFile.h"
#include "common/RegFileParser.h"

namespace vx {
namespace {

constexpr RegRoot kRootsInOrder[] = {RegRoot::LocalMachine, RegRoot::CurrentUser, RegRoot::ClassesRoot,
                                     RegRoot::Users, RegRoot::CurrentConfig};
// regedit wraps hex data once a line reaches this column.
constexpr size_t kHexWrapColumn = 76;
constexpr char kHexDigits[] = "0123456789abcdef";

void AppendQuoted(std::string& out, std::string_view text)
{
    out += '"';
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    out += '"';
}

// REG_SZ data that a quoted text gives back byte for byte.
bool IsPlainText(const RawValue& value)
{
    const auto& data = value.data;
    if (value.type != RegType::Sz || data.empty() || data.back() != 0)
        return false;
    return std::none_of(data.begin(), data.end() - 1,
                        [](uint8_t b) { return b == 0 || b == '\n' || b == '\r'; });
}

void AppendHexByte(std::string& out, uint8_t byte)
{
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0xF];
}

void AppendHexBytes(std::string& out, size_t column, const std::vector<uint8_t>& data)
{
    for (size_t i = 0; i < data.size(); ++i) {
        AppendHexByte(out, data[i]);
        column += 2;
        if (i + 1 == data.size())
            break;
        out += ',';
        if (++column >= kHexWrapColumn) {
            out += "\\\n  ";
            column = 2;
        }
    }
}

void AppendTypeTag(std::string& out, RegType type)
{
    if (type == RegType::Binary) {
        out += "hex:";
        return;
    }
    auto number = static_cast<uint32_t>(type);
    char digits[8];
    int count = 0;
    do {
        digits[count++] = kHexDigits[number & 0xF];
        number >>= 4;
    } while (number != 0);
    out += "hex(";
    while (count > 0)
        out += digits[--count];
    out += "):";
}

void AppendValue(std::string& out, const MemoryKey::Value& entry)
{
    size_t lineStart = out.size();
    if (entry.name.empty())
        out += '@';
    else
        AppendQuoted(out, entry.name);
    out += '=';
    const RawValue& value = entry.value;
    if (IsPlainText(value)) {
        const auto* text = reinterpret_cast<const char*>(value.data.data());
        AppendQuoted(out, std::string_view(text, value.data.size() - 1));
    } else if (value.type == RegType::Dword && value.data.size() == 4) {
        out += "dword:";
        for (int i = 3; i >= 0; --i)
            AppendHexByte(out, value.data[static_cast<size_t>(i)]);
    } else {
        AppendTypeTag(out, value.type);
        AppendHexBytes(out, out.size() - lineStart, value.data);
    }
    out += '\n';
}

// A key and everything below it, each key with its full path. A root is written
// only when it holds values: the keys below create it anyway.
void AppendTree(std::string& out, std::string_view rootName, const MemoryKey& root)
{
    std::string path;
    std::vector<size_t> pathLengths;  // the length of the path at each depth so far
    VisitKeys(root, [&](const MemoryKey& key, size_t depth) {
        if (depth == 0) {
            path = rootName;
        } else {
            path.resize(pathLengths[depth - 1]);
            path += '\\';
            path += key.name;
        }
        pathLengths.resize(depth);
        pathLengths.push_back(path.size());
        if (depth == 0 && key.values.empty())
            return;
        out += '[';
        out += path;
        out += "]\n";
        for (const auto& value : key.values)
            AppendValue(out, value);
        out += '\n';
    });
}

bool HasLineBreak(std::string_view name) { return name.find_first_of("\r\n") != std::string_view::npos; }

bool HoldsUnwritableName(const MemoryKey& root)
{
    bool unwritable = false;
    VisitKeys(root, [&](const MemoryKey& key, size_t depth) {
        if (depth > 0 && (key.name.empty() || HasLineBreak(key.name)))
            unwritable = true;
        for (const auto& value : key.values)
            unwritable = unwritable || HasLineBreak(value.name);
    });
    return unwritable;
}

}  // namespace

bool HoldsUnwritableName(const MemoryRegistry& registry)
{
    for (RegRoot root : kRootsInOrder)
        if (HoldsUnwritableName(registry.Root(root)))
            return true;
    return false;
}

std::string FormatRegedit4(const MemoryRegistry& registry)
{
    std::string out = "REGEDIT4\n\n";
    for (RegRoot root : kRootsInOrder)
        AppendTree(out, RootName(root), registry.Root(root));
    return out;
}

}  // namespace vx
