#include "editor/app/section_panels.h"

#include "editor/app/escaped_text_box.h"
#include "editor/app/gui_text.h"
#include "editor/app/section_table_model.h"
#include "editor/app/section_view.h"
#include "editor/app/ui_sound.h"
#include "editor/config/catalogue.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace rivetbench::app {
namespace {

const char* const kDescriptionHint =
    "The aircraft description can be modified to say \r\nwhatever you like about the aircraft.  This "
    "\r\ninformation will be displayed in the \"description\" \r\nbox inside FS when the aircraft is "
    "selected.  \r\n(The \\s is used to produce a semicolon ( ; ) \r\npunctuation mark within the in-game "
    "description.)\r\n\r\nKestrix: You can have a different description \r\nfor each variation of the "
    "aircraft.";
const char* const kPerformanceHint =
    "The performance description for the aircraft can now be edited. \r\nThe \"\\t\" is a tab character, "
    "and the \"\\n\" is a new-line character.  \r\nAs the flight model for all variations is the same, the "
    "performance \r\nof each variation should also be identical.";

QString hint(const char* text) {
    return QString::fromLatin1(text).replace(QLatin1String("\r\n"), "\n");
}

// A combo box that plays the list sound when it opens.
class VariationList : public QComboBox {
  public:
    VariationList(UiSounds* sounds, QWidget* parent) : QComboBox(parent), sounds_(sounds) {}
    void showPopup() override {
        if (sounds_) sounds_->PlayUISound(2); // cbAcftVersionDropDown
        QComboBox::showPopup();
    }

  private:
    UiSounds* sounds_;
};

} // namespace

QString shownGroupCaption(const QString& stored) {
    if (stored.startsWith(QLatin1Char('[')) || stored.isEmpty()) return stored;
    return QLatin1Char('[') + stored.left(stored.size() - 1) + QLatin1String("]:");
}

SectionPanels::SectionPanels(config::AircraftModel& model, UiSounds* sounds, QStackedWidget* stack)
    : QObject(stack), model_(model), sounds_(sounds), stack_(stack) {
    const auto& cat = config::Catalogue::instance();
    views_.resize(cat.tables().size(), nullptr);
    models_.resize(cat.tables().size(), nullptr);
    for (const config::TreeNode& node : cat.treeNodes())
        stack_->addWidget(buildPanel(node));
}

QWidget* SectionPanels::buildPanel(const config::TreeNode& node) {
    auto* panel = new QWidget;
    panel->setObjectName(QString::fromUtf8(node.panel.data(), static_cast<qsizetype>(node.panel.size())));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    QGroupBox* group = buildGroup(panel, node);
    layout->addWidget(group);
    panels_.insert(panel->objectName(), panel);
    order_.push_back(panel);
    return panel;
}

QGroupBox* SectionPanels::buildGroup(QWidget* panel, const config::TreeNode& node) {
    auto* group = new QGroupBox(shownGroupCaption(fromUtf8(node.groupCaption)), panel);
    QFont bold = group->font();
    bold.setBold(true);
    group->setFont(bold);
    groups_.insert(panel->objectName(), group);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(8, 8, 8, 8);
    const auto& cat = config::Catalogue::instance();
    if (node.panel == "pnlFltsim")
        buildFltsim(group);
    else if (node.panel == "pnlFltsimDesc")
        buildDescription(group);
    else {
        if (node.panel == "pnlGeneral") buildGeneral(group);
        if (const config::TableDef* def = cat.table(node.table)) layout->addWidget(addView(*def, group), 1);
    }
    return group;
}

SectionView* SectionPanels::addView(const config::TableDef& def, QWidget* parent) {
    const auto& cat = config::Catalogue::instance();
    const auto i = static_cast<std::size_t>(cat.tableIndex(def));
    auto* m = new SectionTableModel(model_.table(def), this);
    auto* v = new SectionView(def, m, parent);
    QFont normal = v->font();
    normal.setBold(false);
    v->setFont(normal);
    v->horizontalHeader()->setFont(normal);
    models_[i] = m;
    views_[i] = v;
    connect(v, &SectionView::rowActivated, this, [this, v](int row) { emit rowActivated(v, row); });
    return v;
}

void SectionPanels::buildFltsim(QGroupBox* group) {
    auto* layout = static_cast<QVBoxLayout*>(group->layout());
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("Variation:"), group);
    cbAcftVersion_ = new VariationList(sounds_, group);
    cbAcftVersion_->setObjectName("cbAcftVersion");
    versionNumberLabel_ = new QLabel(QStringLiteral("(0)"), group);
    versionNumberLabel_->setObjectName("VersionNumberLabel");
    versionNumberLabel_->setToolTip(QStringLiteral("The number of variations of this aircraft."));
    label->setBuddy(cbAcftVersion_);
    for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(versionNumberLabel_)}) {
        QFont f = w->font();
        f.setBold(false);
        w->setFont(f);
    }
    row->addWidget(label);
    row->addWidget(cbAcftVersion_, 1);
    row->addWidget(versionNumberLabel_);
    layout->addLayout(row);
    const auto& cat = config::Catalogue::instance();
    for (int n = 0; n < config::Catalogue::kVariations; ++n) {
        SectionView* v = addView(cat.variationTable(n), group);
        v->setVisible(n == 0);
        layout->addWidget(v, 1);
    }
    connect(cbAcftVersion_, &QComboBox::activated, this, &SectionPanels::cbAcftVersionChange);
}

void SectionPanels::buildDescription(QGroupBox* group) {
    auto* layout = static_cast<QVBoxLayout*>(group->layout());
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("Variation:"), group);
    cbAcftVersionDesc_ = new VariationList(sounds_, group);
    cbAcftVersionDesc_->setObjectName("cbAcftVersionDesc");
    versionNumberDescLabel_ = new QLabel(QStringLiteral("(0)"), group);
    versionNumberDescLabel_->setObjectName("VersionNumberDescLabel");
    label->setBuddy(cbAcftVersionDesc_);
    row->addWidget(label);
    row->addWidget(cbAcftVersionDesc_, 1);
    row->addWidget(versionNumberDescLabel_);
    layout->addLayout(row);
    memDescription_ = new EscapedTextBox(group);
    memDescription_->setObjectName("memDescription");
    memDescription_->setToolTip(hint(kDescriptionHint));
    layout->addWidget(memDescription_, 1);
    for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(versionNumberDescLabel_),
                       static_cast<QWidget*>(memDescription_)}) {
        QFont f = w->font();
        f.setBold(false);
        w->setFont(f);
    }
    connect(cbAcftVersionDesc_, &QComboBox::activated, this, &SectionPanels::cbAcftVersionDescChange);
    connect(memDescription_, &QPlainTextEdit::textChanged, this, &SectionPanels::memDescriptionChange);
}

void SectionPanels::buildGeneral(QGroupBox* group) {
    memPerformance_ = new EscapedTextBox(group);
    memPerformance_->setObjectName("memPerformance");
    memPerformance_->setToolTip(hint(kPerformanceHint));
    memPerformance_->setMaximumHeight(90);
    QFont f = memPerformance_->font();
    f.setBold(false);
    memPerformance_->setFont(f);
    group->layout()->addWidget(memPerformance_);
    connect(memPerformance_, &QPlainTextEdit::textChanged, this, &SectionPanels::memPerformanceChange);
}

QWidget* SectionPanels::panelForNode(int index) const {
    for (const config::TreeNode& node : config::Catalogue::instance().treeNodes())
        if (node.index == index) return panel(fromUtf8(node.panel));
    return nullptr;
}

SectionView* SectionPanels::view(const config::SectionTable& table) const {
    if (!table.def) return nullptr;
    return views_[static_cast<std::size_t>(config::Catalogue::instance().tableIndex(*table.def))];
}

SectionTableModel* SectionPanels::tableModel(const config::SectionTable& table) const {
    if (!table.def) return nullptr;
    return models_[static_cast<std::size_t>(config::Catalogue::instance().tableIndex(*table.def))];
}

SectionView* SectionPanels::view(const QString& name) const {
    const config::TableDef* def = config::Catalogue::instance().table(name.toStdString());
    return def ? views_[static_cast<std::size_t>(config::Catalogue::instance().tableIndex(*def))] : nullptr;
}

void SectionPanels::refresh(config::TextEncoding encoding) {
    encoding_ = encoding;
    filling_ = true;
    for (SectionTableModel* m : models_) {
        m->setEncoding(encoding);
        m->clearEdited();
    }
    const auto& cat = config::Catalogue::instance();
    for (const config::TableDef& def : cat.singleSectionTables()) {
        if (def.kind != config::TableKind::Flaps) continue;
        const config::SectionTable& t = model_.table(def);
        const QString panelName = fromUtf8(def.panel);
        if (QGroupBox* g = groups_.value(panelName)) {
            const config::TreeNode* node = nullptr;
            for (const auto& n : cat.treeNodes())
                if (n.panel == def.panel) node = &n;
            g->setTitle(t.panelCaption.empty() ? shownGroupCaption(fromUtf8(node ? node->groupCaption : ""))
                                               : fromFileText(t.panelCaption, encoding));
        }
    }
    refreshVariationLists();
    memPerformance_->setPlainText(fromFileText(model_.performance, encoding));
    memDescription_->setPlainText(fromFileText(model_.description(), encoding));
    ShowAcftGroupBox(model_.chosenVariation() < 0 ? 0 : model_.chosenVariation());
    filling_ = false;
}

void SectionPanels::refreshVariationLists() {
    const bool was = filling_;
    filling_ = true;
    QStringList titles;
    for (const std::string& t : model_.variationTitles())
        titles << fromFileText(t, encoding_);
    for (QComboBox* cb : {cbAcftVersion_, cbAcftVersionDesc_}) {
        cb->clear();
        cb->addItems(titles);
        cb->setCurrentIndex(model_.chosenPosition());
    }
    setVersionNumber(fromUtf8(model_.versionNumberLabel()));
    filling_ = was;
}

void SectionPanels::setVersionNumber(const QString& text) {
    versionNumberLabel_->setText(text);
    versionNumberDescLabel_->setText(text);
}

void SectionPanels::ShowAcftGroupBox(int n) {
    for (int i = 0; i < config::Catalogue::kVariations; ++i)
        views_[static_cast<std::size_t>(i)]->setVisible(i == n);
}

void SectionPanels::cbAcftVersionChange(int position) {
    if (position >= 0 && position < static_cast<int>(model_.variationList().size())) {
        model_.chooseVariation(position);
        const int n = model_.chosenVariation();
        models_[static_cast<std::size_t>(n)]->refresh();
        filling_ = true;
        memDescription_->setPlainText(fromFileText(model_.description(), encoding_));
        filling_ = false;
        ShowAcftGroupBox(n);
    }
    setVersionNumber(fromUtf8(model_.versionNumberLabel()));
    cbAcftVersionDesc_->setCurrentIndex(position);
}

void SectionPanels::cbAcftVersionDescChange(int position) {
    cbAcftVersion_->setCurrentIndex(position);
    cbAcftVersionChange(position);
}

void SectionPanels::memDescriptionChange() {
    if (filling_ || model_.chosenVariation() < 0) return;
    model_.setDescription(toFileText(memDescription_->toPlainText(), encoding_));
    // A typed description would otherwise be lost on close without a word.
    model_.unsavedChanges = true;
    emit textBoxEdited();
}

void SectionPanels::memPerformanceChange() {
    if (filling_) return;
    model_.performance = toFileText(memPerformance_->toPlainText(), encoding_);
    model_.unsavedChanges = true;
    emit textBoxEdited();
}

} // namespace rivetbench::app
