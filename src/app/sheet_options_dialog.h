// The "Tavola" dialog: scale, paper, orientation and colours of a printed or exported sheet.
#pragma once

#include "prompts.h"

#include "sheets/sheet_batch.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace murcad::app {

/// Shows the sheet choices filled from options; on the confirming button reads them back into
/// options. A scale that is not 1:N (N from 1 to 10000) is refused with a message naming it
/// and the dialog stays open.
class SheetOptionsDialog : public QDialog {
    Q_OBJECT
public:
    SheetOptionsDialog(SheetOptions &options, const QString &confirmCaption, Prompts &prompts,
                       QWidget *parent = nullptr);

    QComboBox *scaleBox() const { return scale_; }
    QComboBox *paperBox() const { return paper_; }
    QComboBox *orientationBox() const { return orientation_; }
    QCheckBox *colourBox() const { return colour_; }

    /// Reads the boxes into the options; false (with the message shown) when the scale is bad.
    bool readBack();

public slots:
    void accept() override;

private:
    SheetOptions &options_;
    Prompts &prompts_;
    QComboBox *scale_ = nullptr;
    QComboBox *paper_ = nullptr;
    QComboBox *orientation_ = nullptr;
    QCheckBox *colour_ = nullptr;
};

} // namespace murcad::app
