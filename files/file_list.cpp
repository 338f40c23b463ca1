#include "file_list.h"

#include <QDir>
#include <QSignalBlocker>

namespace smssim {

FileList::FileList(QWidget* parent) : QListWidget(parent) {
    setUniformItemSizes(true);
    path_ = QDir::currentPath();
    refresh();
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit Click();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit DblClick(); });
}

void FileList::setPath(const QString& path) {
    path_ = path;
    refresh();
}

void FileList::setPattern(const QString& pattern) {
    pattern_ = pattern;
    refresh();
}

QString FileList::List(int index) const {
    const QListWidgetItem* entry = item(index);
    return entry ? entry->text() : QString();
}

void FileList::refresh() {
    // A new listing starts without a selection and is no click.
    const QSignalBlocker blocker(this);
    clear();
    QStringList patterns;
    for (const QString& p : pattern_.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        patterns << p.trimmed();
    // Name filters of QDir ignore letter case unless QDir::CaseSensitive is given.
    addItems(QDir(path_).entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase));
    setCurrentRow(-1);
}

} // namespace smssim
