#include "editor/app/aircraft_picker.h"

#include "editor/app/aircraft_scan.h"
#include "editor/app/gui_text.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>
#include <thread>

namespace rivetbench::app {

struct AircraftPicker::Worker {
    std::jthread thread;
    bool running = false;
};

AircraftPicker::AircraftPicker(std::filesystem::path simulatorFolder, QWidget* parent)
    : QDialog(parent), worker_(std::make_unique<Worker>()) {
    setObjectName("AircraftPicker");
    setWindowTitle(QStringLiteral("Find Aircraft"));
    resize(560, 420);
    auto* layout = new QVBoxLayout(this);
    edFilter_ = new QLineEdit(this);
    edFilter_->setObjectName("edFilter");
    edFilter_->setPlaceholderText(QStringLiteral("Type part of a title or folder name"));
    edFilter_->setClearButtonEnabled(true);
    layout->addWidget(edFilter_);

    items_ = new QStandardItemModel(0, 3, this);
    items_->setHorizontalHeaderLabels(
        {QStringLiteral("Title"), QStringLiteral("Type"), QStringLiteral("Folder")});
    filter_ = new QSortFilterProxyModel(this);
    filter_->setSourceModel(items_);
    filter_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    filter_->setFilterKeyColumn(-1);
    lvAircraft_ = new QTreeView(this);
    lvAircraft_->setObjectName("lvAircraft");
    lvAircraft_->setModel(filter_);
    lvAircraft_->setRootIsDecorated(false);
    lvAircraft_->setUniformRowHeights(true);
    lvAircraft_->setAlternatingRowColors(true);
    lvAircraft_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvAircraft_->header()->resizeSection(0, 260);
    lvAircraft_->header()->resizeSection(1, 80);
    layout->addWidget(lvAircraft_, 1);

    auto* statusRow = new QHBoxLayout;
    status_ = new QLabel(this);
    status_->setObjectName("lbScanStatus");
    progress_ = new QProgressBar(this);
    progress_->setObjectName("pbScan");
    progress_->setMaximumWidth(180);
    progress_->setTextVisible(false);
    statusRow->addWidget(status_, 1);
    statusRow->addWidget(progress_);
    layout->addLayout(statusRow);

    auto* buttons = new QDialogButtonBox(this);
    open_ = buttons->addButton(QStringLiteral("&Open"), QDialogButtonBox::AcceptRole);
    open_->setObjectName("btnOpenAircraft");
    open_->setEnabled(false);
    auto* other = buttons->addButton(QStringLiteral("Simulator &Folder..."), QDialogButtonBox::ActionRole);
    other->setObjectName("btnSimFolder");
    buttons->addButton(QDialogButtonBox::Cancel);
    layout->addWidget(buttons);

    connect(edFilter_, &QLineEdit::textChanged, filter_, &QSortFilterProxyModel::setFilterFixedString);
    connect(buttons, &QDialogButtonBox::accepted, this, &AircraftPicker::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(other, &QPushButton::clicked, this, &AircraftPicker::chooseSimulatorFolder);
    connect(lvAircraft_, &QTreeView::doubleClicked, this, &AircraftPicker::accept);
    connect(lvAircraft_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { open_->setEnabled(current.isValid()); });
    // Enter in the filter opens the first match.
    connect(edFilter_, &QLineEdit::returnPressed, this, [this] {
        if (!lvAircraft_->currentIndex().isValid() && filter_->rowCount() > 0)
            lvAircraft_->setCurrentIndex(filter_->index(0, 0));
        accept();
    });

    if (simulatorFolder.empty()) {
        status_->setText(
            QStringLiteral("The simulator was not found. Choose its folder with \"Simulator Folder...\"."));
        progress_->hide();
    } else {
        scan(simulatorFolder);
    }
}

AircraftPicker::~AircraftPicker() {
    // The worker checks its stop token between folders; joining waits at most for one file.
    worker_->thread = {};
}

bool AircraftPicker::scanning() const {
    return worker_->running;
}

void AircraftPicker::scan(const std::filesystem::path& simulatorFolder) {
    worker_->thread = {}; // stops and joins a scan still running
    items_->removeRows(0, items_->rowCount());
    progress_->show();
    progress_->setRange(0, 0);
    status_->setText(QStringLiteral("Looking for aircraft in %1 ...").arg(toQString(simulatorFolder)));
    worker_->running = true;
    QPointer<AircraftPicker> self(this);
    worker_->thread = std::jthread([self, simulatorFolder](std::stop_token stop) {
        auto progress = [self](std::size_t done, std::size_t total) {
            QMetaObject::invokeMethod(
                self,
                [self, done, total] {
                    if (self) {
                        self->progress_->setRange(0, static_cast<int>(total));
                        self->progress_->setValue(static_cast<int>(done));
                    }
                },
                Qt::QueuedConnection);
        };
        std::vector<AircraftEntry> found = scanAircraft(simulatorFolder, stop, progress);
        if (stop.stop_requested()) return;
        QMetaObject::invokeMethod(
            self,
            [self, found = std::move(found)] {
                if (!self) return;
                for (const AircraftEntry& e : found) {
                    QList<QStandardItem*> row{new QStandardItem(fromUtf8(e.title)),
                                              new QStandardItem(fromUtf8(e.category)),
                                              new QStandardItem(toQString(e.folder))};
                    row[0]->setIcon(QIcon(QStringLiteral(":/icons/aircraft.svg")));
                    self->items_->appendRow(row);
                }
                self->worker_->running = false;
                self->progress_->hide();
                self->status_->setText(found.empty() ? QStringLiteral("No aircraft found.")
                                                     : QStringLiteral("%1 aircraft").arg(found.size()));
                self->edFilter_->setFocus();
                emit self->scanFinished(static_cast<int>(found.size()));
            },
            Qt::QueuedConnection);
    });
}

void AircraftPicker::chooseSimulatorFolder() {
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Choose the simulator folder"));
    if (!folder.isEmpty()) scan(toPath(folder));
}

void AircraftPicker::accept() {
    const QModelIndex current = lvAircraft_->currentIndex();
    if (!current.isValid()) return;
    chosen_ = filter_->index(current.row(), 2).data().toString();
    QDialog::accept();
}

} // namespace rivetbench::app
