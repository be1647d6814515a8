#include "editor/app/window_placement.h"

namespace rivetbench::app {

QPoint placeWindow(QPoint stored, QSize windowSize, const QList<QRect>& screens, QPoint centred) {
    // The strip a user drags the window by: if a 40 x 10 piece of it is visible, the window can be
    // brought back by hand, so the stored place stands.
    const QRect titleStrip(stored, QSize(windowSize.width(), 24));
    for (const QRect& screen : screens) {
        const QRect seen = screen.intersected(titleStrip);
        if (seen.width() >= 40 && seen.height() >= 10) return stored;
    }
    return centred;
}

QPoint centredPosition(const QRect& screen, QSize windowSize) {
    return {screen.x() + screen.width() / 2 - windowSize.width() / 2,
            screen.y() + screen.height() / 2 - windowSize.height() / 2};
}

} // namespace rivetbench::app
