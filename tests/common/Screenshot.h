#pragma once

// Pictures of dialogs for the eye: every test binary that includes this defines
// KALVOR_SCREENSHOT_DIR (a folder of the build tree).

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWidget>

// Saves a picture of the widget as <name>.png in the screenshot directory of the build tree.
inline void bild(QWidget &widget, const QString &name)
{
    QDir().mkpath(QStringLiteral(KALVOR_SCREENSHOT_DIR));
    widget.show();
    QApplication::processEvents();
    QVERIFY(widget.grab().save(QStringLiteral(KALVOR_SCREENSHOT_DIR "/") + name + ".png"));
}
