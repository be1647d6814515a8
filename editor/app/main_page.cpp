#include "editor/app/main_page.h"

#include "editor/app/gui_text.h"
#include "editor/app/ui_sound.h"

#include <QComboBox>
#include <QCompleter>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace rivetbench::app {
namespace {

const int kMaxRecent = 12;

const char* const kOriginalHint =
    "Is this Aircraft.Cfg file the original file?\n(Y) = Yes, (N) = backup (.tab) exists.";
const char* const kLoadwrightHint =
    "This symbol indicates that the original aircraft.cfg file has\nbeen edited by our other application - "
    "Loadwright. \n\nThis means there are two backups. Please keep in mind\nthat if you retore the "
    "aircraft.cfg via Loadwright it will \noverwrite any changes or modifications you made to this \nfile "
    "but the originals will always remain intact.";

// The folder selector: an editable path with the recent folders; a press plays the selector sound.
class DirCombo : public QComboBox {
  public:
    DirCombo(UiSounds* sounds, QWidget* parent) : QComboBox(parent), sounds_(sounds) {}

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (sounds_) sounds_->PlayUISound(2); // DirComboMouseDown
        QComboBox::mousePressEvent(event);
    }

  private:
    UiSounds* sounds_;
};

QLineEdit* statusField(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    return edit;
}

QLabel* mark(const char* name, const char* text, const char* hint, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(name);
    label->setToolTip(QString::fromLatin1(hint));
    return label;
}

} // namespace

MainPage::MainPage(UiSounds* sounds, QWidget* parent) : QWidget(parent), sounds_(sounds) {
    setObjectName("pnlMain");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* load = new QGroupBox(QStringLiteral(" Load Aircraft: "), this);
    load->setObjectName("gbLoadAircraft");
    auto* loadRow = new QHBoxLayout(load);
    dirCombo_ = new DirCombo(sounds_, load);
    dirCombo_->setObjectName("DirCombo");
    dirCombo_->setEditable(true);
    dirCombo_->setInsertPolicy(QComboBox::NoInsert);
    dirCombo_->setMaxCount(kMaxRecent);
    dirCombo_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    dirCombo_->lineEdit()->setPlaceholderText(QStringLiteral("Aircraft folder"));
    dirCombo_->setToolTip(
        QStringLiteral("The aircraft folder: type a path and press Enter, or pick a recent one."));
    auto* fsModel = new QFileSystemModel(dirCombo_);
    fsModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    fsModel->setRootPath(QString());
    auto* completer = new QCompleter(fsModel, dirCombo_);
    dirCombo_->setCompleter(completer);
    btnBrowse_ =
        new QPushButton(QIcon(QStringLiteral(":/icons/folder_open.svg")), QStringLiteral("&Browse..."), load);
    btnBrowse_->setObjectName("btnBrowse");
    btnBrowse_->setToolTip(QStringLiteral("Choose an aircraft folder"));
    btnFindAircraft_ = new QPushButton(QIcon(QStringLiteral(":/icons/aircraft.svg")),
                                       QStringLiteral("Fin&d Aircraft..."), load);
    btnFindAircraft_->setObjectName("btnFindAircraft");
    btnFindAircraft_->setToolTip(QStringLiteral("List every aircraft of the simulator by its title"));
    loadRow->addWidget(dirCombo_, 1);
    loadRow->addWidget(btnBrowse_);
    loadRow->addWidget(btnFindAircraft_);
    layout->addWidget(load);

    auto* pathBox = new QGroupBox(QStringLiteral(" Path to CFG File: "), this);
    auto* pathRow = new QHBoxLayout(pathBox);
    cfgPathLabel_ = new QLabel(pathBox);
    cfgPathLabel_->setObjectName("CfgPathLabel");
    cfgPathLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cfgPathLabel_->setWordWrap(true);
    pathRow->addWidget(cfgPathLabel_);
    layout->addWidget(pathBox);

    auto* lower = new QHBoxLayout;
    auto* thumbBox = new QGroupBox(QStringLiteral(" Thumbnail: "), this);
    auto* thumbLayout = new QVBoxLayout(thumbBox);
    imgAcftThumb_ = new QLabel(thumbBox);
    imgAcftThumb_->setObjectName("imgAcftThumb");
    imgAcftThumb_->setFixedSize(256, 128);
    imgAcftThumb_->setAlignment(Qt::AlignCenter);
    thumbLayout->addWidget(imgAcftThumb_, 0, Qt::AlignCenter);
    lower->addWidget(thumbBox);

    auto* infoBox = new QGroupBox(QStringLiteral(" Other Information: "), this);
    auto* form = new QFormLayout(infoBox);
    titleEdit_ = statusField("TitleEdit", infoBox);
    manEdit_ = statusField("ManEdit", infoBox);
    airFileEdit_ = statusField("AirFileEdit", infoBox);
    form->addRow(QStringLiteral("Title:"), titleEdit_);
    form->addRow(QStringLiteral("Manufacturer:"), manEdit_);
    form->addRow(QStringLiteral("Air File:"), airFileEdit_);
    auto* marks = new QHBoxLayout;
    labelVariations_ = mark("LabelVariations", "(#)", "The number of variations of this aircraft.", infoBox);
    labelOriginal_ = mark("LabelOriginal", "(#)", kOriginalHint, infoBox);
    loadwrightLabel_ = mark("LoadwrightLabel", "(K)", kLoadwrightHint, infoBox);
    loadwrightLabel_->hide();
    marks->addWidget(new QLabel(QStringLiteral("Variations:"), infoBox));
    marks->addWidget(labelVariations_);
    marks->addSpacing(12);
    marks->addWidget(new QLabel(QStringLiteral("Original:"), infoBox));
    marks->addWidget(labelOriginal_);
    marks->addSpacing(12);
    marks->addWidget(loadwrightLabel_);
    marks->addStretch(1);
    form->addRow(marks);
    lower->addWidget(infoBox, 1);
    layout->addLayout(lower);
    layout->addStretch(1);

    connect(dirCombo_, &QComboBox::activated, this,
            [this](int index) { emit folderChosen(dirCombo_->itemText(index)); });
    connect(dirCombo_->lineEdit(), &QLineEdit::returnPressed, this, &MainPage::commitTypedPath);
    connect(btnBrowse_, &QPushButton::clicked, this, &MainPage::browseRequested);
    connect(btnFindAircraft_, &QPushButton::clicked, this, &MainPage::findAircraftRequested);
}

void MainPage::commitTypedPath() {
    const QString typed = dirCombo_->lineEdit()->text().trimmed();
    if (!typed.isEmpty()) emit folderChosen(typed);
}

void MainPage::showStatus(const config::FolderStatus& st) {
    const config::TextEncoding enc = st.encoding;
    if (st.found) {
        cfgPathLabel_->setText(toQString(st.cfgPath));
        cfgPathLabel_->setStyleSheet(QStringLiteral("color: #000080;"));
    } else {
        cfgPathLabel_->setText(fromUtf8(st.cfgPathLabel));
        cfgPathLabel_->setStyleSheet(QStringLiteral("color: #c00000;"));
    }
    titleEdit_->setText(st.found ? fromFileText(st.title, enc) : QString());
    manEdit_->setText(st.found ? fromFileText(st.manufacturer, enc) : QString());
    airFileEdit_->setText(st.found ? fromFileText(st.airFile, enc) : QString());
    titleEdit_->setCursorPosition(0);
    labelVariations_->setText(fromUtf8(st.variations));
    labelOriginal_->setText(fromUtf8(st.original));
    loadwrightLabel_->setVisible(st.kbx);
    QPixmap thumb(toQString(st.thumbnail));
    if (thumb.isNull())
        imgAcftThumb_->setText(QStringLiteral("No thumbnail"));
    else
        imgAcftThumb_->setPixmap(
            thumb.scaled(imgAcftThumb_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void MainPage::setOriginalMark(const QString& mark) {
    labelOriginal_->setText(mark);
}

QString MainPage::selectedPath() const {
    return dirCombo_->currentText();
}

void MainPage::setSelectedPath(const QString& path) {
    int i = dirCombo_->findText(path);
    if (i > 0) dirCombo_->removeItem(i);
    if (i != 0) dirCombo_->insertItem(0, path);
    dirCombo_->setCurrentIndex(0);
    dirCombo_->setEditText(path);
}

QStringList MainPage::recentFolders() const {
    QStringList list;
    for (int i = 0; i < dirCombo_->count(); ++i)
        list << dirCombo_->itemText(i);
    return list;
}

void MainPage::setRecentFolders(const QStringList& folders) {
    dirCombo_->clear();
    for (const QString& f : folders.mid(0, kMaxRecent))
        if (!f.isEmpty()) dirCombo_->addItem(f);
    dirCombo_->setEditText(QString());
}

} // namespace rivetbench::app
