// The drive list and the directory list of the setup's directory page.
#include <string>
#include <vector>

#include "platform/host/HostDirectoryTree.h"
#include "tests/ui/UiFixture.h"
#include "ui/DirectoryList.h"
#include "ui/DriveList.h"
#include "ui/Form.h"

namespace vx::ui {
namespace {

class DirectoryForm : public Form {
public:
    DirectoryForm()
    {
        SetClientSize(300, 300);
        DriveComboBox1.SetBounds(10, 10, 150, 21);
        DirectoryListBox1.SetBounds(10, 40, 200, 200);
        DriveComboBox1.OnChange = [this] { log.push_back(std::string("drive ") + DriveComboBox1.Drive()); };
        DirectoryListBox1.OnChange = [this] { log.push_back("dir " + DirectoryListBox1.Directory()); };
        DirectoryListBox1.OnClick = [this] { DirectoryListBox1.OpenSelected(); };
    }
    std::vector<std::string> log;
    DriveList DriveComboBox1{this};
    DirectoryList DirectoryListBox1{this};
};

class DirectoryListTest : public UiFixture {
protected:
    DirectoryListTest()
    {
        for (const char* path : {"C:\\Program Files\\Quorvex", "C:\\Program Files\\Common Files", "C:\\Windows", "d:\\Games"})
            tree.Add(path);
    }
    platform::HostDirectoryTree tree;
    platform::ScopedService<platform::DirectoryTree> useTree{tree};
};

TEST_F(DirectoryListTest, TheDriveListReportsEveryChangeOfDrive)
{
    DirectoryForm form;
    form.Show();
    EXPECT_EQ(form.DriveComboBox1.Items(), (std::vector<std::string>{"c:", "d:"}));
    form.DriveComboBox1.SetDrive('c');
    form.DriveComboBox1.SetDrive('C');
    form.DriveComboBox1.SetDrive('Z');
    user.Choose(form.DriveComboBox1, 1);
    EXPECT_EQ(form.log, (std::vector<std::string>{"drive C", "drive D"}));
    EXPECT_EQ(form.DriveComboBox1.Drive(), 'D');
}

TEST_F(DirectoryListTest, ListsThePathThenTheSubdirectoriesAndOpensAClickedEntry)
{
    DirectoryForm form;
    form.Show();
    DirectoryList& list = form.DirectoryListBox1;
    list.SetDirectory("c:\\Program Files\\");
    EXPECT_EQ(list.Directory(), "C:\\Program Files");
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"C:\\", "Program Files", "Common Files", "Quorvex"}));
    EXPECT_EQ(list.Indents(), (std::vector<int>{0, 8, 16, 16}));
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(list.ItemPath(2), "C:\\Program Files\\Common Files");
    EXPECT_EQ(list.ItemPath(0), "C:\\");

    user.Choose(list, 3);
    EXPECT_EQ(list.Directory(), "C:\\Program Files\\Quorvex");
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"C:\\", "Program Files", "Quorvex"}));
    user.Choose(list, 0);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"C:\\", "Program Files", "Windows"}));
    list.SetDrive('D');
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"D:\\", "Games"}));
    const std::vector<std::string> expected = {"dir C:\\Program Files", "dir C:\\Program Files\\Quorvex", "dir C:\\",
                                               "dir D:\\"};
    EXPECT_EQ(form.log, expected);
}

TEST_F(DirectoryListTest, AMissingDirectoryStillShowsItsPath)
{
    DirectoryForm form;
    form.DirectoryListBox1.SetDirectory("C:\\Nowhere\\Deep");
    EXPECT_EQ(form.DirectoryListBox1.Items(), (std::vector<std::string>{"C:\\", "Nowhere", "Deep"}));
    form.DirectoryListBox1.SetDirectory("relative\\path");
    EXPECT_EQ(form.DirectoryListBox1.Directory(), "C:\\Nowhere\\Deep");
}

}  // namespace
}  // namespace vx::ui
