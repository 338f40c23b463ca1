#pragma once
// The drive list of the file dialogs. Linux has no drive letters: the "drives" are the
// mounted volumes a person browses, each shown as its mount point. Like a Windows
// drive, each volume remembers its current directory: the last one shown on it.

#include <QComboBox>
#include <QString>
#include <QStringList>
#include <map>
#include <string>
#include <vector>

namespace smssim {

struct VolumeInfo {
    QString rootPath;
    QByteArray fileSystemType;
    bool valid = false;
    bool ready = false;
    bool isDirectory = false;
};

// The volumes worth offering, "/" first, then the rest sorted: "/", the volume of the
// home folder, and volumes mounted under /media, /mnt or /run/media. Pseudo file
// systems, volumes that are not ready and mounts of single files are left out.
QStringList browsableVolumes(const std::vector<VolumeInfo>& mounted, const QString& homeRoot);

// The mount point among `volumes` that holds `path` (the longest prefix); "/" if none.
QString volumeOf(const QStringList& volumes, const QString& path);

class DriveList : public QComboBox {
    Q_OBJECT
  public:
    // Mount point -> current directory, in UTF-8.
    using Directories = std::map<std::string, std::string>;

    // The volumes mounted on this machine. `shared` keeps the current directories
    // beyond this list's life (the program's state); without it the list keeps its own.
    explicit DriveList(QWidget* parent = nullptr, Directories* shared = nullptr);
    // Fixed volumes; "/" is added when missing.
    DriveList(const QStringList& volumes, QWidget* parent, Directories* shared = nullptr);

    QStringList volumes() const { return volumes_; }

    // The selected volume's mount point.
    QString Drive() const;
    // Selects the volume named by `drive` (a mount point, or any path on a volume);
    // raises Change before returning when that is another volume.
    void setDrive(const QString& drive);

    // The directory last shown on the selected volume; at first the program's current
    // directory on its own volume and the mount point on the others.
    QString currentDirectory() const;

    // The directory list now shows `directory`: remember it for its volume and select
    // that volume without raising Change, so both lists agree.
    void follow(const QString& directory);

  signals:
    void Change();

  private:
    void fill(const QStringList& volumes);

    QStringList volumes_;
    Directories own_;
    Directories& currentDirectories_;
};

} // namespace smssim
