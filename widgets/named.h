#pragma once
// Gives a control its name and its place, as the layout table of every window lists them.

#include <QRect>
#include <QString>

namespace smssim {

template <typename W> W* named(W* widget, const char* name, QRect geometry) {
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(geometry);
    return widget;
}

} // namespace smssim
