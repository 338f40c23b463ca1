#include "directory_list.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

namespace smssim {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kDepthRole = Qt::UserRole + 1;
constexpr int kIndentPixels = 8;

// Shifts each entry right by its depth, as the classic list draws its tree.
class IndentDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left() + kIndentPixels * index.data(kDepthRole).toInt());
        QStyledItemDelegate::paint(painter, shifted, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += kIndentPixels * index.data(kDepthRole).toInt();
        return size;
    }
};

} // namespace

QString nearestExistingDirectory(const QString& path) {
    QString candidate = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    while (!QFileInfo(candidate).isDir() && candidate != QLatin1String("/"))
        candidate = QFileInfo(candidate).path();
    return candidate;
}

DirectoryList::DirectoryList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new IndentDelegate(this));
    setUniformItemSizes(true);
    path_ = nearestExistingDirectory(QDir::currentPath());
    rebuild();
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { openRow(row(item)); });
}

void DirectoryList::setPath(const QString& path) {
    const QString target = nearestExistingDirectory(path);
    if (target == path_)
        return;
    path_ = target;
    rebuild();
    emit Change();
}

QString DirectoryList::entryPath(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(kPathRole).toString() : QString();
}

void DirectoryList::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0) {
        openRow(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirectoryList::openRow(int row) {
    const QString target = entryPath(row);
    if (!target.isEmpty())
        setPath(target);
}

void DirectoryList::rebuild() {
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const auto add = [this](const QIcon& icon, const QString& text, const QString& full,
                            int depth) {
        auto* entry = new QListWidgetItem(icon, text, this);
        entry->setData(kPathRole, full);
        entry->setData(kDepthRole, depth);
    };

    add(open, QStringLiteral("/"), QStringLiteral("/"), 0);
    int depth = 0;
    QString walked;
    for (const QString& part : path_.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        walked += QLatin1Char('/') + part;
        add(open, part, walked, ++depth);
    }
    const QDir dir(path_);
    const QStringList children =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& child : children)
        add(closed, child, dir.absoluteFilePath(child), depth + 1);
    // The open directory is the current entry, as the classic list marks it.
    setCurrentRow(depth);
}

} // namespace smssim
