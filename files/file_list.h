#pragma once
// The file list of the file dialogs: the files of one directory whose names match
// Pattern, regardless of letter case as on the original platform. Several patterns are
// separated by ";". Hidden files are not listed.

#include <QListWidget>
#include <QString>

namespace smssim {

class FileList : public QListWidget {
    Q_OBJECT
  public:
    explicit FileList(QWidget* parent = nullptr);

    QString Path() const { return path_; }
    void setPath(const QString& path);
    QString Pattern() const { return pattern_; }
    void setPattern(const QString& pattern);

    // -1 when no file is selected. Setting it raises Click, as a user's selection does.
    int ListIndex() const { return currentRow(); }
    void setListIndex(int index) { setCurrentRow(index); }
    // The name in `index`, or "" outside the list.
    QString List(int index) const;
    int ListCount() const { return count(); }

  signals:
    void Click();
    void DblClick();

  private:
    void refresh();

    QString path_;
    QString pattern_ = QStringLiteral("*.*");
};

} // namespace smssim
