// Property grid: fills the wall items, edits the value column, shows what the rules accept.
#include "property_panel.h"

#include "model/property_grid.h"

#include <QHeaderView>
#include <QResizeEvent>
#include <QScrollBar>

namespace murcad::app {

namespace {
constexpr int kIdRole = Qt::UserRole + 1;
}

PropertyPanel::PropertyPanel(QWidget *parent) : QTreeWidget(parent) {
    setColumnCount(2);
    setHeaderLabels({QStringLiteral("Proprietà"), QStringLiteral("Valore")});
    header()->setStretchLastSection(true);
    // The value column takes what the names leave (0.3 of the width): it must be allowed
    // narrower than Qt's default minimum, or the two overflow and the grid scrolls sideways.
    header()->setMinimumSectionSize(24);
    header()->setSectionResizeMode(0, QHeaderView::Interactive);
    setRootIsDecorated(false);
    setAlternatingRowColors(true);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::SelectedClicked);
    setUniformRowHeights(true);
    setIndentation(12);
    setMinimumWidth(240);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QTreeWidget::itemChanged, this, &PropertyPanel::itemEdited);
    // A single click on a value starts editing it, as in a property grid.
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item, int column) {
        if (column == 1 && (item->flags() & Qt::ItemIsEditable))
            editItem(item, 1);
    });
}

void PropertyPanel::fill(const Wall &wall) {
    filling_ = true;
    clear();
    auto *category = new QTreeWidgetItem(this, {QString::fromUtf8(kWallGridCategory)});
    category->setFirstColumnSpanned(true);
    QFont bold = category->font(0);
    bold.setBold(true);
    category->setFont(0, bold);
    category->setFlags(Qt::ItemIsEnabled);
    category->setBackground(0, palette().button());
    for (const GridItem &g : propertyGridItems(wall)) {
        auto *item = new QTreeWidgetItem(
            category, {QString::fromStdString(g.caption), QString::fromStdString(g.value)});
        item->setData(0, kIdRole, g.id);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    }
    category->setExpanded(true);
    filling_ = false;
}

QTreeWidgetItem *PropertyPanel::itemById(int id) const {
    if (topLevelItemCount() == 0)
        return nullptr;
    QTreeWidgetItem *category = topLevelItem(0);
    for (int i = 0; i < category->childCount(); ++i)
        if (category->child(i)->data(0, kIdRole).toInt() == id)
            return category->child(i);
    return nullptr;
}

QString PropertyPanel::valueOf(int id) const {
    QTreeWidgetItem *item = itemById(id);
    return item ? item->text(1) : QString();
}

void PropertyPanel::itemEdited(QTreeWidgetItem *item, int column) {
    if (filling_ || column != 1 || !onEdited)
        return;
    int id = item->data(0, kIdRole).toInt();
    if (id == 0)
        return;
    QString shown = onEdited(id, item->text(1));
    // The rule's answer is shown without counting as a new edit.
    filling_ = true;
    if (itemById(id) == item)
        item->setText(1, shown);
    filling_ = false;
}

void PropertyPanel::scrollTo(const QModelIndex &index, ScrollHint hint) {
    // Only up and down: the two columns always fit the width.
    QTreeWidget::scrollTo(index, hint);
    horizontalScrollBar()->setValue(0);
}

void PropertyPanel::resizeEvent(QResizeEvent *e) {
    QTreeWidget::resizeEvent(e);
    setColumnWidth(0, static_cast<int>(viewport()->width() * 0.7));
}

} // namespace murcad::app
