#include "editor/app/dialog_face.h"

#include <QDialog>
#include <QFrame>

namespace rivetbench::app {
namespace {

void fill(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

} // namespace

void applyDialogFace(QDialog* dialog, int bandTop) {
    fill(dialog, Qt::white);
    auto* band = new QWidget(dialog);
    band->setObjectName(QStringLiteral("pnlButtons"));
    band->setGeometry(0, bandTop, dialog->width(), dialog->height() - bandTop);
    fill(band, QColor(0xf3, 0xf4, 0xf6));
    auto* separator = new QFrame(dialog);
    separator->setObjectName(QStringLiteral("bvlSeparator"));
    separator->setGeometry(0, bandTop - 1, dialog->width(), 1);
    separator->setFrameShape(QFrame::NoFrame);
    fill(separator, QColor(0xdc, 0xdf, 0xe4));
}

} // namespace rivetbench::app
