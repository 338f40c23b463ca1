#include "directory_list.h"
#include "drive_list.h"
#include "file_list.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace smssim;

namespace {

// A real double click: press and release, then the double-click event and release.
// QTest::mouseDClick alone sends no press, which item views need first.
void doubleClick(QWidget* viewport, QPoint at) {
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
}

void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

QStringList entryTexts(const QListWidget& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

// ---- Which volumes the drive list offers ----

struct VolumeCase {
    const char* name;
    std::vector<VolumeInfo> mounted;
    QString homeRoot;
    QStringList expected;
};

class BrowsableVolumes : public ::testing::TestWithParam<VolumeCase> {};

TEST_P(BrowsableVolumes, KeepsWhatAPersonBrowses) {
    EXPECT_EQ(browsableVolumes(GetParam().mounted, GetParam().homeRoot), GetParam().expected);
}

VolumeInfo vol(const char* root, const char* type = "ext4", bool ready = true, bool dir = true) {
    return {QString::fromUtf8(root), type, true, ready, dir};
}

INSTANTIATE_TEST_SUITE_P(
    DriveList, BrowsableVolumes,
    ::testing::Values(
        VolumeCase{"RootAlwaysFirst",
                   {vol("/media/usb", "vfat"), vol("/", "overlay")},
                   "/",
                   {"/", "/media/usb"}},
        VolumeCase{"RootAddedWhenNotListed", {}, "/", {"/"}},
        VolumeCase{"PseudoAndSystemMountsLeftOut",
                   {vol("/", "ext4"), vol("/proc", "proc"), vol("/dev/shm", "tmpfs"),
                    vol("/media/ram", "tmpfs"), vol("/boot/efi", "vfat"), vol("/mnt/data")},
                   "/",
                   {"/", "/mnt/data"}},
        VolumeCase{"HomeVolumeKept", {vol("/home", "tmpfs"), vol("/srv")}, "/home", {"/", "/home"}},
        VolumeCase{"NotReadyAndFileMountsLeftOut",
                   {vol("/media/cd", "iso9660", false), vol("/mnt/hosts", "ext4", true, false),
                    vol("/run/media/anna/STICK", "exfat")},
                   "/",
                   {"/", "/run/media/anna/STICK"}},
        VolumeCase{"SortedAndUnique",
                   {vol("/mnt/b"), vol("/media/z"), vol("/mnt/b"), vol("/media/a")},
                   "/",
                   {"/", "/media/a", "/media/z", "/mnt/b"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DriveList, VolumeOfAPathIsTheLongestMountPointAboveIt) {
    const QStringList volumes = {"/", "/media/usb", "/media/usb/inner"};
    EXPECT_EQ(volumeOf(volumes, "/media/usb"), "/media/usb");
    EXPECT_EQ(volumeOf(volumes, "/media/usb/a/b"), "/media/usb");
    EXPECT_EQ(volumeOf(volumes, "/media/usb/inner/x"), "/media/usb/inner");
    EXPECT_EQ(volumeOf(volumes, "/media/usb2/x"), "/");
    EXPECT_EQ(volumeOf(volumes, "/"), "/");
}

TEST(DriveList, ChangingTheVolumeRaisesChangeAndEachVolumeRemembersItsDirectory) {
    DriveList drives({"/", "/media/usb"}, nullptr);
    QSignalSpy change(&drives, &DriveList::Change);
    ASSERT_EQ(drives.Drive(), volumeOf(drives.volumes(), QDir::currentPath()));
    ASSERT_EQ(drives.Drive(), "/");
    EXPECT_EQ(drives.currentDirectory(), QDir::currentPath());

    drives.setDrive("/media/usb");
    EXPECT_EQ(change.count(), 1);
    EXPECT_EQ(drives.Drive(), "/media/usb");
    EXPECT_EQ(drives.currentDirectory(), "/media/usb");

    drives.setDrive("/media/usb");
    drives.setDrive("/media/usb/Bilder");
    EXPECT_EQ(change.count(), 1) << "the same volume is no change";

    drives.follow("/media/usb/Bilder");
    drives.follow("/home/anna/x");
    EXPECT_EQ(change.count(), 1) << "following the directory list is silent";
    EXPECT_EQ(drives.Drive(), "/");
    EXPECT_EQ(drives.currentDirectory(), "/home/anna/x");

    drives.setDrive("/media/usb");
    EXPECT_EQ(change.count(), 2);
    EXPECT_EQ(drives.currentDirectory(), "/media/usb/Bilder");
}

// ---- Directory list ----

TEST(DriveList, CurrentDirectoriesSharedWithTheProgramOutliveTheList) {
    DriveList::Directories shared;
    {
        DriveList first({"/", "/media/usb"}, nullptr, &shared);
        first.follow("/media/usb/Bilder");
    }
    DriveList second({"/", "/media/usb"}, nullptr, &shared);
    second.setDrive("/media/usb");
    EXPECT_EQ(second.currentDirectory(), "/media/usb/Bilder");
    EXPECT_EQ(shared.at("/"), QDir::currentPath().toStdString())
        << "the working directory is the start on its own volume";

    DriveList own({"/", "/media/usb"}, nullptr);
    own.setDrive("/media/usb");
    EXPECT_EQ(own.currentDirectory(), "/media/usb") << "a list of its own starts afresh";
}

class DirectoryListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        root = QDir(tmp.path()).canonicalPath();
        QDir d(root);
        for (const char* sub : {"Daten/beta", "Daten/Alpha", "Daten/.versteckt", "Daten/gamma/x"})
            ASSERT_TRUE(d.mkpath(sub));
        touch(root + "/Daten/datei.n51");
    }
    QTemporaryDir tmp;
    QString root;
};

TEST_F(DirectoryListTest, ShowsAncestorsThenSubdirectoriesSortedWithoutHidden) {
    DirectoryList list;
    list.setPath(root + "/Daten");
    QStringList expected = {"/"};
    expected += (root + "/Daten").split('/', Qt::SkipEmptyParts);
    expected += QStringList{"Alpha", "beta", "gamma"};
    EXPECT_EQ(entryTexts(list), expected);
    const int open = static_cast<int>(expected.size()) - 4;
    EXPECT_EQ(list.currentRow(), open) << "the open directory is the current entry";
    EXPECT_EQ(list.entryPath(0), "/");
    EXPECT_EQ(list.entryPath(open), root + "/Daten");
    EXPECT_EQ(list.entryPath(open + 1), root + "/Daten/Alpha");
}

TEST_F(DirectoryListTest, SettingPathRaisesChangeBeforeReturning) {
    DirectoryList list;
    QStringList seen;
    QObject::connect(&list, &DirectoryList::Change, &list, [&] { seen << list.Path(); });
    list.setPath(root + "/Daten/");
    ASSERT_EQ(seen, QStringList{root + "/Daten"}) << "no trailing slash";
    list.setPath(root + "/Daten/beta/../");
    EXPECT_EQ(seen.size(), 1) << "the same directory is no change";
    list.setPath("/");
    EXPECT_EQ(seen.last(), "/");
}

TEST_F(DirectoryListTest, AMissingDirectoryOpensItsNearestExistingParent) {
    DirectoryList list;
    list.setPath(root + "/Daten/weg/noch/tiefer");
    EXPECT_EQ(list.Path(), root + "/Daten");
    list.setPath(root + "/Daten/datei.n51");
    EXPECT_EQ(list.Path(), root + "/Daten") << "a file is no directory";
}

TEST_F(DirectoryListTest, DoubleClickOrEnterOpensAnEntry) {
    DirectoryList list;
    list.resize(300, 600);
    list.show();
    list.setPath(root + "/Daten");
    QSignalSpy change(&list, &DirectoryList::Change);
    const int beta = static_cast<int>(entryTexts(list).indexOf("beta"));
    doubleClick(list.viewport(), list.visualItemRect(list.item(beta)).center());
    EXPECT_EQ(change.count(), 1);
    EXPECT_EQ(list.Path(), root + "/Daten/beta");

    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(list.Path(), "/");
}

// ---- File list ----

class FileListTest : public DirectoryListTest {
  protected:
    void SetUp() override {
        DirectoryListTest::SetUp();
        dir = root + "/Daten";
        for (const char* f : {"b.N51", "a.n51", "c.txt", ".h.n51", "n51"})
            touch(dir + "/" + f);
        QDir(dir).mkdir("d.n51");
    }
    QString dir;
};

TEST_F(FileListTest, ListsMatchingFilesRegardlessOfLetterCase) {
    FileList files;
    files.setPath(dir);
    files.setPattern("*.n51");
    EXPECT_EQ(entryTexts(files), (QStringList{"a.n51", "b.N51", "datei.n51"}));
    files.setPattern("*.txt;*.N51");
    EXPECT_EQ(entryTexts(files), (QStringList{"a.n51", "b.N51", "c.txt", "datei.n51"}));
    files.setPattern("*.bsd");
    EXPECT_EQ(files.ListCount(), 0);
}

TEST_F(FileListTest, SelectionGivesTheNameAndANewListingNoneWithoutClick) {
    FileList files;
    files.setPattern("*.n51");
    files.setPath(dir);
    QSignalSpy click(&files, &FileList::Click);
    EXPECT_EQ(files.ListIndex(), -1);
    EXPECT_EQ(files.List(files.ListIndex()), "");
    EXPECT_EQ(files.List(99), "");

    files.setListIndex(1);
    EXPECT_EQ(click.count(), 1);
    EXPECT_EQ(files.List(files.ListIndex()), "b.N51");

    files.setPath(root);
    EXPECT_EQ(files.ListIndex(), -1);
    EXPECT_EQ(click.count(), 1);
}

TEST_F(FileListTest, MouseClickAndDoubleClick) {
    FileList files;
    files.resize(300, 300);
    files.setPattern("*.n51");
    files.setPath(dir);
    files.show();
    QSignalSpy click(&files, &FileList::Click);
    QSignalSpy dbl(&files, &FileList::DblClick);
    const QPoint second = files.visualItemRect(files.item(1)).center();
    QTest::mouseClick(files.viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(click.count(), 1);
    EXPECT_EQ(files.ListIndex(), 1);
    const QPoint first = files.visualItemRect(files.item(0)).center();
    doubleClick(files.viewport(), first);
    EXPECT_EQ(click.count(), 2) << "the first click of a double click selects";
    EXPECT_EQ(dbl.count(), 1);
    EXPECT_EQ(files.List(files.ListIndex()), "a.n51");
}

} // namespace
