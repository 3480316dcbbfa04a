#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/RegFile.h"

namespace vx {
namespace {

RawValue Raw(RegType type, std::vector<uint8_t> data) { return RawValue{type, std::move(data)}; }

std::optional<RawValue> ValueAt(MemoryRegistry& registry, RegRoot root, std::string_view path,
                                std::string_view name)
{
    auto key = registry.Find(root, path);
    if (!key)
        return std::nullopt;
    const MemoryKey::Value* value = key->FindValue(name);
    return value ? std::optional<RawValue>(value->value) : std::nullopt;
}

struct LoadCase {
    const char* what;
    const char* text;
    RegRoot root;
    const char* path;
    const char* name;
    RawValue expected;
};

TEST(RegFileLoad, ReadsEveryDataForm)
{
    const LoadCase cases[] = {
        {"quoted text with escapes", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\S]\n\"v\"=\"a\\\\b \\\"q\\\"\"\n",
         RegRoot::LocalMachine, "S", "v", RawValue::Text("a\\b \"q\"")},
        {"default value", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\S]\n@=\"d\"\n", RegRoot::LocalMachine, "S", "",
         RawValue::Text("d")},
        {"dword of one digit", "REGEDIT4\n[HKLM\\S]\n\"v\"=dword:5\n", RegRoot::LocalMachine, "S", "v",
         RawValue::Dword(5)},
        {"dword of eight digits", "REGEDIT4\n[HKLM\\S]\n\"v\"=dword:FFFFfffe\n", RegRoot::LocalMachine, "S",
         "v", RawValue::Dword(0xFFFFFFFE)},
        {"binary", "REGEDIT4\n[HKCU\\S]\n\"v\"=hex:00,7f,Ff\n", RegRoot::CurrentUser, "S", "v",
         Raw(RegType::Binary, {0x00, 0x7F, 0xFF})},
        {"empty binary", "REGEDIT4\n[HKCU\\S]\n\"v\"=hex:\n", RegRoot::CurrentUser, "S", "v",
         Raw(RegType::Binary, {})},
        {"expand string as 8-bit bytes", "REGEDIT4\n[HKCU\\S]\n\"v\"=hex(2):25,41,25,00\n", RegRoot::CurrentUser,
         "S", "v", Raw(RegType::ExpandSz, {'%', 'A', '%', 0})},
        {"multi string", "REGEDIT4\n[HKCU\\S]\n\"v\"=hex(7):61,00,62,00,00\n", RegRoot::CurrentUser, "S", "v",
         Raw(RegType::MultiSz, {'a', 0, 'b', 0, 0})},
        {"unusual type number in hex", "REGEDIT4\n[HKCU\\S]\n\"v\"=hex(b):01\n", RegRoot::CurrentUser, "S",
         "v", Raw(static_cast<RegType>(11), {1})},
        {"continuation after a comma", "REGEDIT4\n[HKCU\\S]\n\"v\"=hex:01,02,\\\n  03,\\\n\t04\n",
         RegRoot::CurrentUser, "S", "v", Raw(RegType::Binary, {1, 2, 3, 4})},
        {"CRLF lines and comments", "REGEDIT4\r\n; c\r\n[HKEY_USERS\\S]\r\n  ;c\r\n\"v\"=\"x\" ; after\r\n",
         RegRoot::Users, "S", "v", RawValue::Text("x")},
        {"comment right after bytes", "REGEDIT4\n[HKCU\\S]\n\"v\"=hex:01;c\n", RegRoot::CurrentUser, "S", "v",
         Raw(RegType::Binary, {1})},
        {"blanks around '='", "REGEDIT4\n[HKCU\\S]\n\"v\" = dword:1\n", RegRoot::CurrentUser, "S", "v",
         RawValue::Dword(1)},
        {"root names in any case", "REGEDIT4\n[hkey_classes_root\\S]\n\"v\"=\"x\"\n", RegRoot::ClassesRoot, "S",
         "v", RawValue::Text("x")},
        {"value on a root", "REGEDIT4\n[HKEY_CURRENT_CONFIG]\n\"v\"=\"x\"\n", RegRoot::CurrentConfig, "", "v",
         RawValue::Text("x")},
        {"brackets inside a key name", "REGEDIT4\n[HKLM\\a]b]\n\"v\"=\"x\"\n", RegRoot::LocalMachine, "a]b", "v",
         RawValue::Text("x")},
        {"5.00 header in an 8-bit file", "Windows Registry Editor Version 5.00\n[HKLM\\S]\n\"v\"=\"x\"\n",
         RegRoot::LocalMachine, "S", "v", RawValue::Text("x")},
        {"no line end at the end", "REGEDIT4\n[HKLM\\S]\n\"v\"=dword:2", RegRoot::LocalMachine, "S", "v",
         RawValue::Dword(2)},
        {"later line wins", "REGEDIT4\n[HKLM\\S]\n\"v\"=dword:2\n[HKLM\\S]\n\"V\"=dword:3\n",
         RegRoot::LocalMachine, "S", "v", RawValue::Dword(3)},
    };
    for (const auto& c : cases) {
        MemoryRegistry registry;
        EXPECT_EQ(ApplyRegText(registry, c.text, "t.reg"), std::nullopt) << c.what;
        EXPECT_EQ(ValueAt(registry, c.root, c.path, c.name), c.expected) << c.what;
    }
}

TEST(RegFileLoad, KeepsTheCaseFirstGivenAndTheOrder)
{
    MemoryRegistry registry;
    ASSERT_EQ(ApplyRegText(registry,
                           "REGEDIT4\n[HKLM\\Soft\\Zed]\n\"Bv\"=\"1\"\n\"av\"=\"2\"\n[hklm\\SOFT\\zed]\n\"BV\"=\"3\"\n"
                           "[HKLM\\soft\\Alpha]\n",
                           "t.reg"),
              std::nullopt);
    const MemoryKey& soft = *registry.Root(RegRoot::LocalMachine).subkeys.at(0);
    EXPECT_EQ(soft.name, "Soft");
    ASSERT_EQ(soft.subkeys.size(), 2u);
    EXPECT_EQ(soft.subkeys[0]->name, "Zed");
    EXPECT_EQ(soft.subkeys[1]->name, "Alpha");
    const auto& values = soft.subkeys[0]->values;
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0].name, "Bv");
    EXPECT_EQ(values[0].value, RawValue::Text("3"));
    EXPECT_EQ(values[1].name, "av");
}

TEST(RegFileLoad, DeletesKeysAndValues)
{
    MemoryRegistry registry;
    registry.Create(RegRoot::LocalMachine, "A\\B\\C").SetValue("x", RawValue::Dword(1));
    registry.Create(RegRoot::LocalMachine, "A").SetValue("keep", RawValue::Dword(1));
    registry.Create(RegRoot::LocalMachine, "A").SetValue("drop", RawValue::Dword(1));
    registry.SetReadOnly(true);  // loading is not a registry write
    ASSERT_EQ(ApplyRegText(registry,
                           "REGEDIT4\n[-HKLM\\a\\b]\n[-HKLM\\missing\\key]\n[HKLM\\A]\n\"DROP\"=-\n\"absent\"=-\n"
                           "[-HKLM\\Gone]\n[HKLM\\Gone]\n",
                           "t.reg"),
              std::nullopt);
    EXPECT_EQ(registry.Find(RegRoot::LocalMachine, "A\\B"), nullptr);
    auto a = registry.Find(RegRoot::LocalMachine, "A");
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(a->values.size(), 1u);
    EXPECT_EQ(a->values[0].name, "keep");
    EXPECT_NE(registry.Find(RegRoot::LocalMachine, "Gone"), nullptr);
}

// ASCII text as a version 5.00 file: UTF-16LE with a byte-order mark.
std::string Utf16File(std::u16string_view text)
{
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST(RegFileLoad, Version5FileIsNarrowedToAnsiText)
{
    std::string file = Utf16File(u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\K\u00e9y]\r\n"
                                 u"\"caf\u00e9\"=\"\u20ac1\"\r\n"
                                 u"\"path\"=hex(2):25,00,41,00,25,00,ac,20,00,00\r\n"
                                 u"\"multi\"=hex(7):61,00,00,00,00,00\r\n"
                                 u"\"raw\"=hex:61,00\r\n");
    MemoryRegistry registry;
    ASSERT_EQ(ApplyRegText(registry, file, "u.reg"), std::nullopt);
    EXPECT_EQ(ValueAt(registry, RegRoot::CurrentUser, "K\xE9y", "caf\xE9"), RawValue::Text("?1"));
    EXPECT_EQ(ValueAt(registry, RegRoot::CurrentUser, "K\xE9y", "path"),
              Raw(RegType::ExpandSz, {'%', 'A', '%', '?', 0}));
    EXPECT_EQ(ValueAt(registry, RegRoot::CurrentUser, "K\xE9y", "multi"), Raw(RegType::MultiSz, {'a', 0, 0}));
    EXPECT_EQ(ValueAt(registry, RegRoot::CurrentUser, "K\xE9y", "raw"), Raw(RegType::Binary, {'a', 0}));
}

// Exported by Wine's regedit: UTF-16LE, CRLF, wrapped hex lines, UTF-16 hex(2)/hex(7) data.
TEST(RegFileLoad, ReadsARegeditExportAndWrapsHexAsItDoes)
{
    MemoryRegistry registry;
    ASSERT_EQ(LoadRegFile(registry, VX_SOURCE_DIR "/tests/common/data/wine-regedit-export.reg"), std::nullopt);
    const char* key = "Software\\VxExport\\Sub Key";
    std::vector<uint8_t> blob(48);
    for (size_t i = 0; i < blob.size(); ++i)
        blob[i] = static_cast<uint8_t>(i);
    const std::pair<const char*, RawValue> expected[] = {
        {"", RawValue::Text("default")},
        {"Text", RawValue::Text("Quorvex \"quoted\" \\ back")},
        {"Path", RawValue::Text("%SystemRoot%\\system32", RegType::ExpandSz)},
        {"List", Raw(RegType::MultiSz, {'o', 'n', 'e', 0, 't', 'w', 'o', 0, 0})},
        {"Number", RawValue::Dword(1500)},
        {"Blob", RawValue::Binary(blob)},
    };
    for (const auto& [name, value] : expected)
        EXPECT_EQ(ValueAt(registry, RegRoot::CurrentUser, key, name), value) << name;
    EXPECT_EQ(ValueAt(registry, RegRoot::CurrentUser, "Software\\VxExport\\Empty", ""), RawValue::Text(""));

    const std::string text = FormatRegedit4(registry);
    EXPECT_NE(text.find("\"Blob\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\\\n"
                        "  16,17,18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27,28,29,2a,2b,2c,2d,2e,\\\n"
                        "  2f\n"),
              std::string::npos)
        << text;
}

struct BadCase {
    const char* text;
    const char* error;
};

TEST(RegFileLoad, RefusesMalformedFilesWholeWithFileAndLine)
{
    const BadCase cases[] = {
        {"", "t.reg:1: not a registry file"},
        {"REGEDIT4 \n", "t.reg:1: not a registry file"},
        {"regedit4\n", "t.reg:1: not a registry file"},
        {"\xEF\xBB\xBFREGEDIT4\n", "t.reg:1: not a registry file"},
        {"REGEDIT4\n\"v\"=\"x\"\n", "t.reg:2: value outside a key"},
        {"REGEDIT4\n[-HKLM\\S]\n\"v\"=\"x\"\n", "t.reg:3: value outside a key"},
        {"REGEDIT4\n[HKLM\\S\n", "t.reg:2: ']' expected"},
        {"REGEDIT4\n[HKLM\\S] ;c\n", "t.reg:2: unexpected text after the key name"},
        {"REGEDIT4\n[HKEY_NOWHERE\\S]\n", "t.reg:2: unknown root key \"HKEY_NOWHERE\""},
        {"REGEDIT4\n[HKLM\\\\S]\n", "t.reg:2: empty key name"},
        {"REGEDIT4\n[HKLM\\S\\]\n", "t.reg:2: empty key name"},
        {"REGEDIT4\n[-HKLM]\n", "t.reg:2: a root key cannot be deleted"},
        // A name with a carriage return loaded, and then no changed registry could be saved.
        {"REGEDIT4\n[HKLM\\S\rT]\n", "t.reg:2: carriage return in a key name"},
        {"REGEDIT4\n[HKLM\\S]\n\"a\rb\"=\"x\"\n", "t.reg:3: carriage return in a value name"},
        {"REGEDIT4\n[HKLM\\S]\nv=1\n", "t.reg:3: unexpected text"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"\"x\"\n", "t.reg:3: '=' expected"},
        {"REGEDIT4\n[HKLM\\S]\n\"v=\"x\"\n", "t.reg:3: '=' expected"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=\"x\n", "t.reg:3: closing '\"' missing"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=\"a\\n\"\n", "t.reg:3: unknown escape"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=\"x\" y\n", "t.reg:3: unexpected text after the value"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=dword:\n", "t.reg:3: dword: needs 1 to 8 hex digits"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=dword:123456789\n", "t.reg:3: dword: needs 1 to 8 hex digits"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=dword:0x10\n", "t.reg:3: unexpected text after the value"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=dword:-1\n", "t.reg:3: dword: needs 1 to 8 hex digits"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=DWORD:1\n", "t.reg:3: unknown value data"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=hex:1g\n", "t.reg:3: ',' expected"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=hex:123\n", "t.reg:3: hex byte expected"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=hex:01,\n", "t.reg:3: hex byte expected"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=hex:01\\\n02\n", "t.reg:3: ',' expected"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=hex:\\\n01\n", "t.reg:3: hex byte expected"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=hex:01,\\\n\n", "t.reg:4: hex byte expected"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=hex:01,\\ x\n02\n", "t.reg:3: unexpected text after the continuation"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=hex:01,\\", "t.reg:3: hex data continues past the end of the file"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=hex(2:01\n", "t.reg:3: hex(N): needs a type"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=hex(123456789):01\n", "t.reg:3: hex(N): needs a type"},
        {"REGEDIT4\n[HKLM\\S]\n\"v\"=- x\n", "t.reg:3: unexpected text after the value"},
        {"Windows Registry Editor Version 5.00\n[HKLM\\S]\n\"v\"=hex(2):41\n", "t.reg:3: UTF-16 string data"},
    };
    for (const auto& c : cases) {
        MemoryRegistry registry;
        registry.Create(RegRoot::LocalMachine, "S").SetValue("old", RawValue::Dword(7));
        registry.Create(RegRoot::LocalMachine, "Before");
        const std::string before = FormatRegedit4(registry);
        // A good line ahead of the fault must not be applied either.
        std::string text = c.text;
        if (text.starts_with("REGEDIT4\n"))
            text.insert(9, "[HKLM\\S]\n\"old\"=-\n\"new\"=\"1\"\n[-HKLM\\Before]\n");
        std::optional<std::string> error = ApplyRegText(registry, text, "t.reg");
        ASSERT_TRUE(error.has_value()) << c.text;
        std::string expected = c.error;
        if (text.size() != std::string_view(c.text).size()) {
            // the inserted lines move the fault down by four
            size_t colon = expected.find(':', 6);
            int line = std::stoi(expected.substr(6, colon - 6));
            expected = "t.reg:" + std::to_string(line == 1 ? 1 : line + 4) + expected.substr(colon);
        }
        EXPECT_TRUE(error->starts_with(expected)) << c.text << "\n got: " << *error << "\n want: " << expected;
        EXPECT_EQ(FormatRegedit4(registry), before) << c.text;
    }
}

TEST(RegFileFormat, WritesRegeditText)
{
    MemoryRegistry registry;
    MemoryKey& key = registry.Create(RegRoot::LocalMachine, "Software\\Q");
    key.SetValue("", RawValue::Text("def"));
    key.SetValue("s", RawValue::Text("a\\\"b"));
    key.SetValue("d", RawValue::Dword(0x1F));
    key.SetValue("e", RawValue::Text("%P%", RegType::ExpandSz));
    key.SetValue("b", RawValue::Binary(std::vector<uint8_t>(30, 0xAB)));
    registry.Create(RegRoot::CurrentUser, "Empty");
    EXPECT_EQ(FormatRegedit4(registry),
              "REGEDIT4\n\n"
              "[HKEY_LOCAL_MACHINE\\Software]\n\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Q]\n"
              "@=\"def\"\n"
              "\"s\"=\"a\\\\\\\"b\"\n"
              "\"d\"=dword:0000001f\n"
              "\"e\"=hex(2):25,50,25,00\n"
              "\"b\"=hex:ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,\\\n"
              "  ab,ab,ab,ab,ab,ab,ab\n\n"
              "[HKEY_CURRENT_USER\\Empty]\n\n");
}

// Data that only hex forms carry, names that need escapes, empty keys, long data.
MemoryRegistry AwkwardRegistry()
{
    MemoryRegistry registry;
    MemoryKey& key = registry.Create(RegRoot::LocalMachine, "A\\\"Quoted\" ]Key");
    key.SetValue("zero inside", Raw(RegType::Sz, {'a', 0, 'b', 0}));
    key.SetValue("no terminator", Raw(RegType::Sz, {'a', 'b'}));
    key.SetValue("empty sz", Raw(RegType::Sz, {}));
    key.SetValue("text with line end", RawValue::Text("a\r\nb"));
    key.SetValue("short dword", Raw(RegType::Dword, {1, 2, 3}));
    key.SetValue("back\\slash \"quote\"", RawValue::Text("\xE9\xFF"));
    key.SetValue("none", Raw(RegType::None, {}));
    key.SetValue("", RawValue::Dword(0xFFFFFFFF));
    std::vector<uint8_t> big(1000);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<uint8_t>(i * 7);
    key.SetValue(std::string(90, 'n'), RawValue::Binary(big));
    registry.Create(RegRoot::LocalMachine, "A\\Empty\\Deeper");
    registry.Root(RegRoot::CurrentUser).SetValue("on root", RawValue::Text("r"));
    registry.Create(RegRoot::Users, ".DEFAULT");
    return registry;
}

TEST(RegFileFormat, SavedTextLoadsBackExactly)
{
    MemoryRegistry original = AwkwardRegistry();
    const std::string text = FormatRegedit4(original);
    MemoryRegistry loaded;
    ASSERT_EQ(ApplyRegText(loaded, text, "r.reg"), std::nullopt) << text;
    for (RegRoot root : {RegRoot::LocalMachine, RegRoot::CurrentUser, RegRoot::ClassesRoot, RegRoot::Users,
                         RegRoot::CurrentConfig})
        EXPECT_TRUE(loaded.Root(root) == original.Root(root)) << text;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string_view line(text.data() + start, end - start);
        if (line.ends_with("\\")) {
            EXPECT_TRUE(line.ends_with(",\\")) << line;
        }
        if (line.starts_with("  ")) {
            EXPECT_LE(line.size(), 80u) << line;
        }
        start = end + 1;
    }
}

std::string NestedKeyFile(size_t depth)
{
    std::string text = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE";
    for (size_t i = 0; i < depth; ++i)
        text += "\\k";
    return text + "]\n\"v\"=\"x\"\n";
}

// A 200 KB file of 100,000 nested keys once crashed every vxtune command: the tree
// walks recursed once per level. Windows keeps keys at most 512 levels deep.
TEST(RegFileLoad, RefusesKeysDeeperThanWindowsKeeps)
{
    for (size_t depth : {513, 100000}) {
        MemoryRegistry registry;
        EXPECT_EQ(ApplyRegText(registry, NestedKeyFile(depth), "t.reg"),
                  "t.reg:3: key nested deeper than 512 levels");
        EXPECT_TRUE(registry.Root(RegRoot::LocalMachine).subkeys.empty());
    }
    MemoryRegistry deepest;
    ASSERT_EQ(ApplyRegText(deepest, NestedKeyFile(512), "t.reg"), std::nullopt);
    MemoryRegistry again;
    ASSERT_EQ(ApplyRegText(again, FormatRegedit4(deepest), "again.reg"), std::nullopt);
    EXPECT_TRUE(again.Root(RegRoot::LocalMachine) == deepest.Root(RegRoot::LocalMachine));
}

// Saving writes each key's full path, so the file grows with the square of the
// depth: a 20 KB file once saved as 100 MB. A key line of the file stands for at
// most 512 keys, each written with a path no longer than that line, so a saved
// file is at most 512 times the size of the file loaded (the README's figure).
// The worst cases: one line naming a key 512 levels deep, with a long name at
// the top, or short names throughout.
TEST(RegFileFormat, SavedSizeStaysWithinTheBoundTheDepthLimitGives)
{
    for (size_t topNameLength : {1, 255, 20000}) {
        std::string text = "REGEDIT4\n\n[HKLM\\" + std::string(topNameLength, 't');
        for (size_t i = 1; i < MaxKeyDepth; ++i)
            text += "\\k";
        text += "]\n";
        MemoryRegistry registry;
        ASSERT_EQ(ApplyRegText(registry, text, "t.reg"), std::nullopt);
        const size_t saved = FormatRegedit4(registry).size();
        EXPECT_LE(saved, 512 * text.size()) << "a top name of " << topNameLength << ": " << saved << " from "
                                             << text.size();
        EXPECT_GE(saved, 260 * text.size()) << "not the worst case any more";
    }
}

class RegFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() /
               ("vx-regfile-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string PathOf(const char* name) const { return (dir_ / name).string(); }
    static void Write(const std::string& path, std::string_view text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    size_t EntryCount() const
    {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir_), {}));
    }

    std::filesystem::path dir_;
};

TEST_F(RegFileOnDisk, SaveReplacesTheFileAndLoadReadsItBack)
{
    const std::string path = PathOf("reg.reg");
    Write(path, "old contents");
    MemoryRegistry original = AwkwardRegistry();
    ASSERT_EQ(SaveRegFile(original, path), std::nullopt);
    EXPECT_EQ(EntryCount(), 1u);  // no temporary left behind
    MemoryRegistry loaded;
    ASSERT_EQ(LoadRegFile(loaded, path), std::nullopt);
    EXPECT_EQ(FormatRegedit4(loaded), FormatRegedit4(original));
}

TEST_F(RegFileOnDisk, FailedSaveLeavesNothingHalfWritten)
{
    MemoryRegistry registry = AwkwardRegistry();
    EXPECT_TRUE(SaveRegFile(registry, PathOf("no-such-dir/reg.reg")).has_value());
    std::filesystem::create_directory(PathOf("a-directory"));
    EXPECT_TRUE(SaveRegFile(registry, PathOf("a-directory")).has_value());
    EXPECT_TRUE(std::filesystem::is_directory(PathOf("a-directory")));
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(RegFileOnDisk, RefusesToSaveNamesNoRegFileCanHold)
{
    const std::string path = PathOf("reg.reg");
    Write(path, "REGEDIT4\n");
    for (const char* name : {"line\nbreak", "carriage\rreturn"}) {
        MemoryRegistry registry;
        registry.Create(RegRoot::LocalMachine, "K").SetValue(name, RawValue::Dword(1));
        EXPECT_TRUE(SaveRegFile(registry, path).has_value()) << name;
        registry.Clear();
        registry.Create(RegRoot::LocalMachine, name);
        EXPECT_TRUE(SaveRegFile(registry, path).has_value()) << name;
    }
    MemoryRegistry emptyName;
    emptyName.Create(RegRoot::LocalMachine, "K").AddSubkey("");
    EXPECT_TRUE(SaveRegFile(emptyName, path).has_value());
    std::ifstream in(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "REGEDIT4\n");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(RegFileOnDisk, LoadingReportsProblemsAndIgnoresMissingFiles)
{
    MemoryRegistry registry;
    registry.Create(RegRoot::LocalMachine, "Kept");
    EXPECT_EQ(LoadRegFile(registry, PathOf("missing.reg")), std::nullopt);
    EXPECT_NE(registry.Find(RegRoot::LocalMachine, "Kept"), nullptr);
    const std::string bad = PathOf("bad.reg");
    Write(bad, "REGEDIT4\r\n[HKLM\\X]\r\nbad\r\n");
    EXPECT_EQ(LoadRegFile(registry, bad), bad + ":3: unexpected text (expected a [key], a value or a ; comment)");
    EXPECT_EQ(registry.Find(RegRoot::LocalMachine, "X"), nullptr);
    std::optional<std::string> error = LoadRegFile(registry, dir_.string());
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->starts_with(dir_.string() + ": cannot read"));
}

}  // namespace
}  // namespace vx
