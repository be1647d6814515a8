#include "editor/app/tfrm_about.h"

#include "editor/app/dialog_face.h"
#include "editor/app/ui_sound.h"

#include <QDesktopServices>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QUrl>
#include <functional>
#include <utility>

// The icon set is compiled into this static library; a linker keeps its resource object only when
// code that is linked refers to it, and registering it at start-up makes ":/icons" whole for every
// window.
static void initIconResources() {
    Q_INIT_RESOURCE(icons);
}
[[maybe_unused]] static const bool iconsRegistered = (initIconResources(), true);

namespace rivetbench::app {

namespace {

const QString kAppIcon = QStringLiteral(":/icons/rivetbench.svg");
const QString kSplashPicture = QStringLiteral(":/icons/splash.svg");
const QUrl kMakerSite(QStringLiteral("https://www.kestrix.example/"));
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kLinkBlue(0x1a, 0x5f, 0xb4);

// Rendered at the screen's pixel ratio so the icon stays sharp on scaled displays.
QPixmap svgPixmap(const QString& file, QSize size, qreal ratio) {
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(file);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

// A label that acts as a web link: clicking it runs onClick.
class LinkLabel : public QLabel {
  public:
    LinkLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
        : QLabel(text, parent), onClick_(std::move(onClick)) {}

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) onClick_();
        QLabel::mouseReleaseEvent(event);
    }

  private:
    std::function<void()> onClick_;
};

QLabel* placeLabel(QLabel* label, const char* name, int x, int y) {
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

TfrmAbout::TfrmAbout(UiSounds* sounds, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      sounds_(sounds) {
    setObjectName(QStringLiteral("TfrmAbout"));
    setWindowTitle(QStringLiteral("About Rivetbench"));
    setFixedSize(332, 166);
    setModal(false);

    applyDialogFace(this, 96);

    auto* imgIco = new QLabel(this);
    imgIco->setObjectName(QStringLiteral("imgIco"));
    imgIco->setGeometry(30, 27, 34, 34);
    imgIco->setPixmap(svgPixmap(kAppIcon, QSize(34, 34), devicePixelRatioF()));

    auto* title =
        placeLabel(new QLabel(QStringLiteral("Rivetbench for Flight Simulator X"), this), "lbTitle", 70, 26);
    QFont titleFont = title->font();
    titleFont.setPointSize(10);
    titleFont.setBold(true);
    title->setFont(titleFont);
    QPalette titlePalette = title->palette();
    titlePalette.setColor(QPalette::WindowText, kNavy);
    title->setPalette(titlePalette);
    title->adjustSize();

    auto* maker = placeLabel(new QLabel(QStringLiteral("Made with care by"), this), "lbMaker", 70, 48);

    auto* link =
        new LinkLabel(QStringLiteral("Kestrix"), this, [] { QDesktopServices::openUrl(kMakerSite); });
    placeLabel(link, "lbKestrixLink", maker->geometry().right() + 5, 48);
    QFont linkFont = link->font();
    linkFont.setUnderline(true);
    link->setFont(linkFont);
    QPalette linkPalette = link->palette();
    linkPalette.setColor(QPalette::WindowText, kLinkBlue);
    link->setPalette(linkPalette);
    link->setCursor(Qt::PointingHandCursor);
    link->setToolTip(QStringLiteral("Link to the Kestrix website"));
    link->adjustSize();

    versionLabel_ = placeLabel(new QLabel(versionText(1), this), "VersionLabel", 70, 68);
    versionLabel_->setToolTip(QStringLiteral("Application Version Number"));

    auto* btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(124, 114, 84, 29);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TfrmAbout::btnOKClick);
}

QString TfrmAbout::versionText(double version) {
    QString number = QString::number(version, 'g', QLocale::FloatingPointShortest);
    if (number.size() == 1) number += QStringLiteral(".0");
    return QStringLiteral("Version : ") + number;
}

void TfrmAbout::showEvent(QShowEvent* event) {
    versionLabel_->setText(versionText(1));
    versionLabel_->adjustSize();
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->window()->frameGeometry();
        move(area.x() + area.width() / 2 - width() / 2, area.y() + area.height() / 2 - height() / 2);
    }
    QDialog::showEvent(event);
}

void TfrmAbout::keyPressEvent(QKeyEvent* event) {
    // Esc goes the OK way so it clicks like the button; QDialog would reject without a sound.
    if (event->key() == Qt::Key_Escape) {
        btnOKClick();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmAbout::btnOKClick() {
    if (sounds_) sounds_->PlayUISound(0);
    hide();
}

TfrmSplash::TfrmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TfrmSplash"));
    setFixedSize(360, 90);
    setAttribute(Qt::WA_TranslucentBackground); // the picture's rounded corners show the desktop
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void TfrmSplash::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(kSplashPicture).render(&painter, QRectF(rect()));
}

} // namespace rivetbench::app
