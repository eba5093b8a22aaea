// Section list dock: two tables of cuts, numeric moves, add and delete buttons, selection.
#include "section_list_dock.h"

#include "drawings/marks.h"
#include "geometry/numbers.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

namespace murcad::app {

namespace {

QString number(float v) {
    return QString::fromStdString(formatNumber(v, 1));
}

// An item that shows a value and may be editable.
QTableWidgetItem *cell(const QString &text, bool editable) {
    auto *item = new QTableWidgetItem(text);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable)
        flags |= Qt::ItemIsEditable;
    item->setFlags(flags);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

void setRow(QTableWidget *t, int row, const QStringList &texts, int editableColumn) {
    for (int c = 0; c < texts.size(); ++c) {
        QTableWidgetItem *item = t->item(row, c);
        if (!item)
            t->setItem(row, c, cell(texts[c], c == editableColumn));
        else
            item->setText(texts[c]);
    }
}

} // namespace

SectionListDock::SectionListDock(QWidget *parent)
    : QDockWidget(QStringLiteral("Sezioni"), parent) {
    setObjectName("Sezioni");
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    auto *body = new QWidget;
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(makeGroup(true), 3);
    layout->addWidget(makeGroup(false), 2);
    setWidget(body);
}

QWidget *SectionListDock::makeGroup(bool horizontal) {
    auto *group = new QWidget;
    auto *layout = new QVBoxLayout(group);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *title = new QLabel(horizontal ? QStringLiteral("<b>Sezioni orizzontali</b>")
                                        : QStringLiteral("<b>Sezioni verticali</b>"));
    auto *t = new QTableWidget;
    if (horizontal) {
        t->setColumnCount(3);
        t->setHorizontalHeaderLabels(
            {QStringLiteral("N."), QStringLiteral("Quota"), QStringLiteral("Piano")});
    } else {
        t->setColumnCount(2);
        t->setHorizontalHeaderLabels({QStringLiteral("Nome"), QStringLiteral("Ascissa")});
    }
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::ExtendedSelection);
    t->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                       QAbstractItemView::AnyKeyPressed);
    t->setAlternatingRowColors(true);
    t->setToolTip(horizontal ? QStringLiteral("Doppio clic sulla quota per spostare la sezione")
                             : QStringLiteral("Doppio clic sull'ascissa per spostare la sezione"));
    auto *value = new QLineEdit;
    value->setPlaceholderText(horizontal ? QStringLiteral("Quota (cm)")
                                         : QStringLiteral("Ascissa (cm)"));
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(value->placeholderText()) + 16);
    value->setToolTip(horizontal ? QStringLiteral("Quota della nuova sezione orizzontale (cm)")
                                 : QStringLiteral("Ascissa della nuova sezione verticale, "
                                                  "dall'asse del prospetto (cm)"));
    auto *add = new QPushButton(QStringLiteral("Aggiungi"));
    auto *del = new QPushButton(QStringLiteral("Elimina"));
    add->setToolTip(horizontal ? QStringLiteral("Inserisce una sezione orizzontale alla quota")
                               : QStringLiteral("Inserisce una sezione verticale all'ascissa"));
    del->setToolTip(QStringLiteral("Cancella le sezioni selezionate"));
    auto *row = new QHBoxLayout;
    row->addWidget(value, 1);
    row->addWidget(add);
    row->addWidget(del);
    layout->addWidget(title);
    layout->addWidget(t, 1);
    layout->addLayout(row);

    (horizontal ? horiz_ : vert_) = t;
    (horizontal ? horizNew_ : vertNew_) = value;
    (horizontal ? horizAdd_ : vertAdd_) = add;
    (horizontal ? horizDel_ : vertDel_) = del;

    connect(t, &QTableWidget::cellChanged, this,
            [this, horizontal](int r, int c) { cellEdited(horizontal, r, c); });
    connect(t, &QTableWidget::itemSelectionChanged, this,
            [this, horizontal] { selectionChanged(horizontal); });
    auto addNow = [this, horizontal, value] {
        if (onAdd && !value->text().trimmed().isEmpty())
            onAdd(horizontal, value->text());
    };
    connect(add, &QPushButton::clicked, this, addNow);
    connect(value, &QLineEdit::returnPressed, this, addNow);
    connect(del, &QPushButton::clicked, this, [this, horizontal] { deleteSelected(horizontal); });
    return group;
}

void SectionListDock::fill(const Wall &wall) {
    filling_ = true;
    horiz_->setRowCount(wall.horizSectionCount());
    for (int k = 0; k < wall.horizSectionCount(); ++k) {
        const HorizSection &h = wall.HorizSections[k];
        setRow(horiz_, k, {QString::number(k + 1), number(h.Y1), QString::number(h.StoreyIndex + 1)},
               1);
    }
    vert_->setRowCount(wall.vertSectionCount());
    for (int k = 0; k < wall.vertSectionCount(); ++k)
        setRow(vert_, k,
               {QString::fromStdString(vertSectionName(k)), number(wall.VertSections[k].X1)}, 1);
    filling_ = false;
    // The selection may name a row that no longer exists or another cut: report it again.
    if (onSelected)
        onSelected(selectedCut());
}

std::optional<SectionHit> SectionListDock::selectedCut() const {
    for (bool horizontal : {true, false}) {
        QTableWidget *t = table(horizontal);
        QList<QTableWidgetItem *> items = t->selectedItems();
        if (!items.isEmpty())
            return SectionHit{horizontal, items.first()->row()};
    }
    return std::nullopt;
}

void SectionListDock::cellEdited(bool horizontal, int row, int column) {
    if (filling_ || column != 1 || !onMove)
        return;
    onMove(horizontal, row, table(horizontal)->item(row, column)->text());
}

void SectionListDock::selectionChanged(bool horizontal) {
    if (filling_)
        return;
    // One cut at a time is shown on the sheet: a choice in one list clears the other.
    if (!table(horizontal)->selectedItems().isEmpty()) {
        QSignalBlocker block(table(!horizontal));
        table(!horizontal)->clearSelection();
    }
    if (onSelected)
        onSelected(selectedCut());
}

void SectionListDock::deleteSelected(bool horizontal) {
    std::set<int> rows;
    for (QTableWidgetItem *item : table(horizontal)->selectedItems())
        rows.insert(item->row());
    if (rows.empty() || !onDelete)
        return;
    std::vector<SectionHit> cuts;
    for (int r : rows)
        cuts.push_back({horizontal, r});
    onDelete(cuts);
}

} // namespace murcad::app
