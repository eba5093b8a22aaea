// The border offset dialog: moves the left or right border of every storey at once.
#pragma once

#include "model/wall_edits.h"
#include "prompts.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace murcad::app {

/// "Offset bordo sinistro" / "Offset bordo destro": one box "Traslazione del bordo (cm)".
/// Confirming sets the offset of that side on every storey and refits the horizontal sections.
class BorderOffsetDialog : public QDialog {
    Q_OBJECT
public:
    BorderOffsetDialog(Wall &wall, BorderSide side, Prompts &prompts, QWidget *parent = nullptr);

    QLineEdit *shiftBox() const { return shift_; }
    QPushButton *confirmButton() const { return confirm_; }
    QPushButton *cancelButton() const { return cancel_; }

private:
    void confirm();

    Wall &wall_;
    BorderSide side_;
    Prompts &prompts_;
    QLineEdit *shift_ = nullptr;
    QPushButton *confirm_ = nullptr;
    QPushButton *cancel_ = nullptr;
};

} // namespace murcad::app
