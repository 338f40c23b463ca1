#include "drive_list.h"

#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <algorithm>

namespace smssim {

namespace {

bool isBelow(const QString& path, const QString& root) {
    if (root == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

bool isPseudoFileSystem(const QByteArray& type) {
    static const QList<QByteArray> pseudo = {
        "proc",    "sysfs",      "devtmpfs", "devpts",    "tmpfs",       "cgroup",  "cgroup2",
        "overlay", "securityfs", "debugfs",  "tracefs",   "configfs",    "fusectl", "mqueue",
        "pstore",  "bpf",        "autofs",   "hugetlbfs", "binfmt_misc", "ramfs",   "nsfs"};
    return pseudo.contains(type);
}

std::vector<VolumeInfo> mountedVolumes() {
    std::vector<VolumeInfo> out;
    for (const QStorageInfo& s : QStorageInfo::mountedVolumes())
        out.push_back({s.rootPath(), s.fileSystemType(), s.isValid(), s.isReady(),
                       QFileInfo(s.rootPath()).isDir()});
    return out;
}

} // namespace

QStringList browsableVolumes(const std::vector<VolumeInfo>& mounted, const QString& homeRoot) {
    QStringList out;
    for (const VolumeInfo& v : mounted) {
        if (!v.valid || !v.ready || !v.isDirectory || v.rootPath == QLatin1String("/"))
            continue;
        const bool wanted = v.rootPath == homeRoot || v.rootPath.startsWith("/media/") ||
                            v.rootPath.startsWith("/mnt/") || v.rootPath.startsWith("/run/media/");
        if (wanted && (v.rootPath == homeRoot || !isPseudoFileSystem(v.fileSystemType)) &&
            !out.contains(v.rootPath))
            out << v.rootPath;
    }
    std::sort(out.begin(), out.end());
    out.prepend(QStringLiteral("/"));
    return out;
}

QString volumeOf(const QStringList& volumes, const QString& path) {
    QString best = QStringLiteral("/");
    for (const QString& root : volumes)
        if (isBelow(path, root) && root.size() > best.size())
            best = root;
    return best;
}

DriveList::DriveList(QWidget* parent, Directories* shared)
    : QComboBox(parent), currentDirectories_(shared ? *shared : own_) {
    fill(browsableVolumes(mountedVolumes(), QStorageInfo(QDir::homePath()).rootPath()));
}

DriveList::DriveList(const QStringList& volumes, QWidget* parent, Directories* shared)
    : QComboBox(parent), currentDirectories_(shared ? *shared : own_) {
    QStringList all = volumes;
    if (!all.contains(QStringLiteral("/")))
        all.prepend(QStringLiteral("/"));
    fill(all);
}

void DriveList::fill(const QStringList& volumes) {
    volumes_ = volumes;
    addItems(volumes_);
    // As on Windows: the program's current directory is the current one of its volume.
    const QString cwd = QDir::currentPath();
    const QString home = volumeOf(volumes_, cwd);
    currentDirectories_.try_emplace(home.toStdString(), cwd.toStdString());
    setCurrentIndex(static_cast<int>(volumes_.indexOf(home)));
    // Connected after filling: building the list is no change of drive.
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit Change(); });
}

QString DriveList::Drive() const {
    return currentText();
}

void DriveList::setDrive(const QString& drive) {
    const QString volume =
        volumes_.contains(drive) ? drive : volumeOf(volumes_, QDir::cleanPath(drive));
    setCurrentIndex(static_cast<int>(volumes_.indexOf(volume)));
}

QString DriveList::currentDirectory() const {
    const auto found = currentDirectories_.find(Drive().toStdString());
    return found == currentDirectories_.end() ? Drive() : QString::fromStdString(found->second);
}

void DriveList::follow(const QString& directory) {
    const QString volume = volumeOf(volumes_, directory);
    currentDirectories_[volume.toStdString()] = directory.toStdString();
    const QSignalBlocker blocker(this);
    setCurrentIndex(static_cast<int>(volumes_.indexOf(volume)));
}

} // namespace smssim
