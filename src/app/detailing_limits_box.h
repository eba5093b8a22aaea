// The group of the preferences dialog that edits the limits of the detailing checks.
#pragma once

#include "model/detailing_limits.h"

#include <QGroupBox>

#include <vector>

class QLineEdit;
class QPushButton;

namespace murcad::app {

/// One box per named limit with its unit, and a button back to the recommended values.
class DetailingLimitsBox : public QGroupBox {
    Q_OBJECT
public:
    explicit DetailingLimitsBox(const DetailingLimits &limits, QWidget *parent = nullptr);

    /// Shows these values in the boxes.
    void fill(const DetailingLimits &limits);
    /// Reads every box into limits. On a value that is no number or out of range, limits stays
    /// as it was, why names the limit and the value, and the box gets the focus.
    bool read(DetailingLimits &limits, QString &why);

    /// The box of the limit stored under key ("RhoVMin", ...), or nullptr.
    QLineEdit *box(const char *key) const;
    QPushButton *recommendedButton() const { return recommended_; }

private:
    std::vector<QLineEdit *> boxes_; ///< in the order of detailingParameters()
    QPushButton *recommended_ = nullptr;
};

} // namespace murcad::app
