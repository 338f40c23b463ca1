#pragma once

#include <QTest>
#include <QWidget>

namespace smssim::test {

// A real double click: press and release, then the double-click event and release.
// QTest::mouseDClick alone sends no press, which item views need first.
inline void doubleClick(QWidget* viewport, QPoint at) {
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
}

} // namespace smssim::test
