// The colour picker "Selettore colore": 255 cells of the CAD colour index.
#pragma once

#include <QDialog>
#include <QWidget>

class QLabel;
class QPushButton;

namespace murcad::app {

/// The palette of 255 cells; reports the cell under the pointer and the cell released on.
class PaletteWidget : public QWidget {
    Q_OBJECT
public:
    explicit PaletteWidget(QWidget *parent = nullptr);
    void setSelectedCell(int cell);
    int selectedCell() const { return selected_; }
    int hoverCell() const { return hover_; }
    /// Centre of a cell in widget pixels (for tests and keyboard use).
    QPoint cellCentre(int cell) const;
    QSize sizeHint() const override;

signals:
    void hovered(int cell);
    void chosen(int cell);
    /// A cell double-clicked: chosen and confirmed at once.
    void confirmed(int cell);

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseMoveEvent(QMouseEvent *) override;
    void mouseReleaseEvent(QMouseEvent *) override;
    void mouseDoubleClickEvent(QMouseEvent *) override;
    void leaveEvent(QEvent *) override;

private:
    int cellAt(QPoint p) const;
    int selected_ = -1;
    int hover_ = -1;
};

/// Opens with a starting colour index; "Ok" gives the selected index, "Annulla" the start.
class ColourPickerDialog : public QDialog {
    Q_OBJECT
public:
    explicit ColourPickerDialog(int startIndex, QWidget *parent = nullptr);

    /// PickerColour: the chosen index after "Ok", the starting one otherwise.
    int pickerColour() const { return result_; }
    /// The index selected now.
    int selectedIndex() const;
    PaletteWidget *palette() const { return palette_; }
    QLabel *idLabel() const { return idLabel_; }
    QLabel *componentLabel(int i) const { return rgbLabels_[i]; }
    QLabel *hoverLabel() const { return hoverLabel_; }
    QPushButton *okButton() const { return ok_; }
    QPushButton *cancelButton() const { return cancel_; }

    /// Shows the picker modally and returns PickerColour.
    static int pick(int startIndex, QWidget *parent);

private:
    void showSelection();

    int start_;
    int result_;
    PaletteWidget *palette_ = nullptr;
    QLabel *idLabel_ = nullptr;
    QLabel *rgbLabels_[3] = {};
    QLabel *hoverLabel_ = nullptr;
    QWidget *swatches_[2] = {};
    QPushButton *ok_ = nullptr;
    QPushButton *cancel_ = nullptr;
};

} // namespace murcad::app
