// Colour picker: palette painting, hover outline, red frame on the selection, labels, Ok/Annulla.
#include "colour_picker_dialog.h"

#include "colours/colour_picker_cells.h"
#include "colours/layers.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace murcad::app {

namespace {
// One picker unit is one pixel.
QRect cellRect(int cell) {
    PickerCellRect r = pickerCellRect(cell);
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}
QColor aciColour(int index) {
    RgbTriple t = aciTriple(index);
    return QColor(t.r, t.g, t.b);
}
} // namespace

PaletteWidget::PaletteWidget(QWidget *parent) : QWidget(parent) {
    setMouseTracking(true);
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
}

QSize PaletteWidget::sizeHint() const {
    return QSize(pickerPaletteWidth(), pickerPaletteHeight());
}

QPoint PaletteWidget::cellCentre(int cell) const {
    return cellRect(cell).center();
}

int PaletteWidget::cellAt(QPoint p) const {
    return pickerCellAt(p.x(), p.y());
}

void PaletteWidget::setSelectedCell(int cell) {
    selected_ = cell;
    update();
}

void PaletteWidget::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    for (int c = 0; c < kPickerCellCount; ++c) {
        QRect r = cellRect(c);
        p.fillRect(r, aciColour(pickerCellIndex(c)));
        p.setPen(QColor(90, 90, 90));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    if (hover_ >= 0 && hover_ != selected_) {
        p.setPen(QPen(palette().windowText().color(), 1));
        p.drawRect(cellRect(hover_).adjusted(-2, -2, 1, 1));
    }
    if (selected_ >= 0) {
        p.setPen(QPen(QColor(255, 0, 0), 2));
        p.drawRect(cellRect(selected_).adjusted(-2, -2, 1, 1));
    }
}

void PaletteWidget::mouseMoveEvent(QMouseEvent *e) {
    int c = cellAt(e->position().toPoint());
    if (c != hover_) {
        hover_ = c;
        update();
        emit hovered(c);
    }
}

void PaletteWidget::mouseReleaseEvent(QMouseEvent *e) {
    int c = cellAt(e->position().toPoint());
    if (c >= 0) {
        setSelectedCell(c);
        emit chosen(c);
    }
}

void PaletteWidget::mouseDoubleClickEvent(QMouseEvent *e) {
    int c = cellAt(e->position().toPoint());
    if (c >= 0) {
        setSelectedCell(c);
        emit chosen(c);
        emit confirmed(c);
    }
}

void PaletteWidget::leaveEvent(QEvent *) {
    hover_ = -1;
    update();
}

ColourPickerDialog::ColourPickerDialog(int startIndex, QWidget *parent)
    : QDialog(parent), start_(startIndex), result_(startIndex) {
    setWindowTitle(QStringLiteral("Selettore colore"));

    auto *frame = new QGroupBox(QStringLiteral(" CAD Color Index: "));
    auto *frameLayout = new QVBoxLayout(frame);
    palette_ = new PaletteWidget;
    frameLayout->addWidget(palette_);

    idLabel_ = new QLabel;
    hoverLabel_ = new QLabel(QStringLiteral("Indice colore:"));
    auto *info = new QVBoxLayout;
    info->addWidget(idLabel_);
    for (auto &l : rgbLabels_) {
        l = new QLabel;
        info->addWidget(l);
    }
    info->addSpacing(8);
    info->addWidget(hoverLabel_);
    info->addStretch();
    QFont mono = idLabel_->font();
    mono.setBold(true);
    idLabel_->setFont(mono);

    auto *swatchRow = new QHBoxLayout;
    for (auto &s : swatches_) {
        s = new QWidget;
        s->setFixedSize(76, 76);
        s->setAutoFillBackground(true);
        swatchRow->addWidget(s);
    }
    info->addLayout(swatchRow);

    auto *buttons = new QDialogButtonBox;
    ok_ = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(QStringLiteral("Annulla"), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] {
        result_ = selectedIndex();
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    info->addWidget(buttons);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(info);

    connect(palette_, &PaletteWidget::hovered, this, [this](int c) {
        hoverLabel_->setText(c < 0 ? QStringLiteral("Indice colore:")
                                   : QStringLiteral("Indice colore: %1").arg(pickerCellIndex(c)));
    });
    connect(palette_, &PaletteWidget::chosen, this, [this](int) { showSelection(); });
    // A double click on a cell is the cell and "Ok" at once.
    connect(palette_, &PaletteWidget::confirmed, this, [this](int) { ok_->click(); });

    palette_->setSelectedCell(pickerCellOfIndex(startIndex));
    showSelection();
    setFixedSize(sizeHint());
}

int ColourPickerDialog::selectedIndex() const {
    int c = palette_->selectedCell();
    return c < 0 ? start_ : pickerCellIndex(c);
}

void ColourPickerDialog::showSelection() {
    int index = selectedIndex();
    RgbTriple t = aciTriple(index);
    idLabel_->setText(QStringLiteral("id colore = %1").arg(index));
    rgbLabels_[0]->setText(QStringLiteral("R = %1").arg(t.r));
    rgbLabels_[1]->setText(QStringLiteral("G = %1").arg(t.g));
    rgbLabels_[2]->setText(QStringLiteral("B = %1").arg(t.b));
    for (QWidget *s : swatches_) {
        QPalette pal = s->palette();
        pal.setColor(QPalette::Window, QColor(t.r, t.g, t.b));
        s->setPalette(pal);
    }
}

int ColourPickerDialog::pick(int startIndex, QWidget *parent) {
    ColourPickerDialog dialog(startIndex, parent);
    dialog.exec();
    return dialog.pickerColour();
}

} // namespace murcad::app
