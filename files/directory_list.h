#pragma once
// The directory list of the file dialogs, after the classic directory list box: the
// open directory's ancestors from the root down, each indented one step further, the
// open directory last of them, then its subdirectories. A double click (or Enter) on
// an entry opens it.

#include <QListWidget>
#include <QString>

namespace smssim {

class DirectoryList : public QListWidget {
    Q_OBJECT
  public:
    // Starts at the program's current directory.
    explicit DirectoryList(QWidget* parent = nullptr);

    // Absolute, without a trailing "/" except for "/" itself.
    QString Path() const { return path_; }
    // Opens `path`, or its nearest existing ancestor when it is gone. A change raises
    // Change before this returns.
    void setPath(const QString& path);

    // The full path of the entry in `row`.
    QString entryPath(int row) const;

  signals:
    void Change();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void rebuild();
    void openRow(int row);

    QString path_;
};

// The nearest existing directory at or above `path` (made absolute and clean).
QString nearestExistingDirectory(const QString& path);

} // namespace smssim
