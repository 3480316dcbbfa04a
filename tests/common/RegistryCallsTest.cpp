// The typed layer's answers to programming errors; the registry cases are in
// the backend conformance suite.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "common/MemoryRegistry.h"
#include "common/RegistryCalls.h"
#include "platform/ConsoleMessageBoxes.h"
#include "platform/host/HostMessageBoxes.h"

namespace vx {
namespace {

class UnexpectedKind : public ::testing::Test {
protected:
    static constexpr auto kBadKinds = {static_cast<RegValueKind>(0), static_cast<RegValueKind>(8),
                                       static_cast<RegValueKind>(257)};

    void ExpectOneErrorBox(const std::string& text)
    {
        ASSERT_EQ(boxes_.Shown().size(), 1u);
        const platform::MessageRequest& box = boxes_.Shown()[0];
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, "Error");
        EXPECT_EQ(box.icon, platform::MsgIcon::Information);
        EXPECT_EQ(box.buttons, platform::MsgButtons::Ok);
        boxes_.Clear();
    }

    MemoryRegistry registry_;
    ScopedRegistryBackend current_{registry_};
    platform::HostMessageBoxes boxes_;
    platform::ScopedService<platform::MessageBoxes> useBoxes_{boxes_};
};

TEST_F(UnexpectedKind, GetShowsTheErrorAndLeavesTheResultAlone)
{
    registry_.Create(RegRoot::LocalMachine, "K").SetValue("v", RawValue::Dword(4));
    for (RegValueKind kind : kBadKinds) {
        RegistryValue result = RegistryValue::String("untouched");
        GetRegistryValue(RegRoot::LocalMachine, "K", kind, "v", result);
        EXPECT_EQ(result, RegistryValue::String("untouched"));
        ExpectOneErrorBox("GetRegistryValue: unexpected var type");
    }
}

TEST_F(UnexpectedKind, SetShowsTheErrorAndWritesNothing)
{
    for (RegValueKind kind : kBadKinds) {
        EXPECT_FALSE(SetRegistryValue(RegRoot::LocalMachine, "K", true, RegistryValue::Integer(1), "v", kind));
        ExpectOneErrorBox("SetRegistryValue: unexpected var type");
    }
    EXPECT_FALSE(RegKeyExists(RegRoot::LocalMachine, "K"));
}

TEST_F(UnexpectedKind, KnownKindsShowNothing)
{
    for (RegValueKind kind : {RegValueKind::Integer, RegValueKind::Boolean, RegValueKind::String,
                              RegValueKind::DateTime}) {
        SetRegistryValue(RegRoot::LocalMachine, "K", true, RegistryValue::Integer(1), "v", kind);
        GetRegistryValue(RegRoot::LocalMachine, "K", kind, "v");
    }
    EXPECT_TRUE(boxes_.Shown().empty());
}

// A console tool (vxtune) shows no windows: its error boxes become lines on
// standard error, and a question is answered the cautious way.
TEST(ConsoleMessages, AreLinesOnTheStreamWithTheCautiousAnswer)
{
    std::FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    platform::ConsoleMessageBoxes console(stream);
    platform::ScopedService<platform::MessageBoxes> toStream(console);
    MemoryRegistry registry;
    ScopedRegistryBackend current(registry);
    GetRegistryValue(RegRoot::LocalMachine, "K", static_cast<RegValueKind>(0), "v");
    struct Case {
        platform::MsgButtons buttons;
        platform::MsgAnswer answer;
    };
    const Case cases[] = {
        {platform::MsgButtons::Ok, platform::MsgAnswer::Ok},
        {platform::MsgButtons::YesNo, platform::MsgAnswer::No},
        {platform::MsgButtons::OkCancel, platform::MsgAnswer::Cancel},
        {platform::MsgButtons::YesNoCancel, platform::MsgAnswer::Cancel},
        {platform::MsgButtons::RetryCancel, platform::MsgAnswer::Cancel},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::ShowMessageBox({"Go on?\r\rReally", "", platform::MsgIcon::Question, c.buttons}), c.answer);
    std::rewind(stream);
    std::string written(4096, '\0');
    written.resize(std::fread(written.data(), 1, written.size(), stream));
    std::fclose(stream);
    EXPECT_EQ(written.substr(0, written.find('\n') + 1), "Error: GetRegistryValue: unexpected var type\n");
    EXPECT_EQ(written.substr(written.find('\n') + 1, 17), "Go on?  Really\nGo");
}

}  // namespace
}  // namespace vx
