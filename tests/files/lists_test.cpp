// The drive and directory lists of the file dialogs; the file list is tested in them.

#include "directory_list.h"
#include "double_click.h"
#include "drive_list.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace smssim;
using test::doubleClick;

namespace {

QStringList entryTexts(const QListWidget& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

VolumeInfo vol(const char* root, const char* type = "ext4", bool ready = true, bool dir = true) {
    return {QString::fromUtf8(root), type, true, ready, dir};
}

TEST(DriveList, OffersTheVolumesAPersonBrowsesRootFirst) {
    const std::tuple<std::vector<VolumeInfo>, QString, QStringList> cases[] = {
        {{vol("/media/usb", "vfat"), vol("/", "overlay")}, "/", {"/", "/media/usb"}},
        {{}, "/", {"/"}},
        {{vol("/", "ext4"), vol("/proc", "proc"), vol("/dev/shm", "tmpfs"),
          vol("/media/ram", "tmpfs"), vol("/boot/efi", "vfat"), vol("/mnt/data")},
         "/",
         {"/", "/mnt/data"}},
        {{vol("/home", "tmpfs"), vol("/srv")}, "/home", {"/", "/home"}},
        {{vol("/media/cd", "iso9660", false), vol("/mnt/hosts", "ext4", true, false),
          vol("/run/media/anna/STICK", "exfat")},
         "/",
         {"/", "/run/media/anna/STICK"}},
        {{vol("/mnt/b"), vol("/media/z"), vol("/mnt/b"), vol("/media/a")},
         "/",
         {"/", "/media/a", "/media/z", "/mnt/b"}}};
    for (const auto& [mounted, home, expected] : cases)
        EXPECT_EQ(browsableVolumes(mounted, home), expected) << expected.join(" ").toStdString();

    const QStringList volumes = {"/", "/media/usb", "/media/usb/inner"};
    EXPECT_EQ(volumeOf(volumes, "/media/usb/a/b"), "/media/usb");
    EXPECT_EQ(volumeOf(volumes, "/media/usb/inner/x"), "/media/usb/inner");
    EXPECT_EQ(volumeOf(volumes, "/media/usb2/x"), "/");
}

TEST(DriveList, EachVolumeRemembersItsDirectoryAsLongAsTheProgramRuns) {
    DriveList::Directories shared;
    DriveList drives({"/", "/media/usb"}, nullptr, &shared);
    QSignalSpy change(&drives, &DriveList::Change);
    ASSERT_EQ(drives.Drive(), "/");
    EXPECT_EQ(drives.currentDirectory(), QDir::currentPath());

    drives.setDrive("/media/usb");
    drives.setDrive("/media/usb/Bilder");
    EXPECT_EQ(change.count(), 1) << "the same volume is no change";
    EXPECT_EQ(drives.currentDirectory(), "/media/usb");

    drives.follow("/media/usb/Bilder");
    drives.follow("/home/anna/x");
    EXPECT_EQ(change.count(), 1) << "following the directory list is silent";
    EXPECT_EQ(drives.Drive(), "/");
    EXPECT_EQ(drives.currentDirectory(), "/home/anna/x");

    DriveList later({"/", "/media/usb"}, nullptr, &shared);
    later.setDrive("/media/usb");
    EXPECT_EQ(later.currentDirectory(), "/media/usb/Bilder");
    DriveList own({"/", "/media/usb"}, nullptr);
    own.setDrive("/media/usb");
    EXPECT_EQ(own.currentDirectory(), "/media/usb") << "a list of its own starts afresh";
}

class ListsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        root = QDir(tmp.path()).canonicalPath();
        dir = root + "/Daten";
        for (const char* sub :
             {"Daten/beta", "Daten/Alpha", "Daten/.versteckt", "Daten/gamma/x", "Daten/d.n51"})
            ASSERT_TRUE(QDir(root).mkpath(sub));
        for (const char* f : {"b.N51", "a.n51", "c.txt", ".h.n51", "n51"})
            QFile(dir + "/" + f).open(QIODevice::WriteOnly);
    }
    QTemporaryDir tmp;
    QString root, dir;
};

TEST_F(ListsTest, DirectoryListShowsAncestorsThenSubdirectoriesAndOpensEntries) {
    DirectoryList list;
    list.resize(300, 600);
    list.show();
    QStringList seen;
    QObject::connect(&list, &DirectoryList::Change, &list, [&] { seen << list.Path(); });
    list.setPath(dir + "/");
    ASSERT_EQ(seen, QStringList{dir}) << "raised before returning, without a trailing slash";
    QStringList expected = {"/"};
    expected += dir.split('/', Qt::SkipEmptyParts);
    const int open = static_cast<int>(expected.size()) - 1;
    expected += QStringList{"Alpha", "beta", "d.n51", "gamma"};
    EXPECT_EQ(entryTexts(list), expected);
    EXPECT_EQ(list.currentRow(), open);
    EXPECT_EQ(list.entryPath(open + 1), dir + "/Alpha");
    list.setPath(dir + "/beta/../");
    EXPECT_EQ(seen.size(), 1) << "the same directory is no change";

    doubleClick(list.viewport(), list.visualItemRect(list.item(open + 2)).center());
    EXPECT_EQ(list.Path(), dir + "/beta");
    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(list.Path(), "/");

    list.setPath(dir + "/weg/noch/tiefer");
    EXPECT_EQ(list.Path(), dir) << "a missing directory opens its nearest parent";
    list.setPath(dir + "/a.n51");
    EXPECT_EQ(list.Path(), dir) << "a file is no directory";
}

} // namespace
