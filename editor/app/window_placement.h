#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace rivetbench::app {

// The stored Top/Left when enough of the window's title area lies on some screen to grab it;
// otherwise (a monitor removed since) the centre of the primary screen.
QPoint placeWindow(QPoint stored, QSize windowSize, const QList<QRect>& screens, QPoint centred);

// Screen height div 2 - window height div 2, and the same for the width.
QPoint centredPosition(const QRect& screen, QSize windowSize);

} // namespace rivetbench::app
