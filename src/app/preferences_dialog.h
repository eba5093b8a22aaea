// The preferences dialog "Impostazioni": lap length, tie diameter, background and screen colours.
#pragma once

#include "model/app_state.h"
#include "prompts.h"

#include <QDialog>

#include <array>
#include <functional>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace murcad::app {

class DetailingLimitsBox;

/// Colour and background changes take effect on the drawing at once (through redraw); the
/// numbers when the dialog is left with "&Esci"; the settings file is written by "Salva".
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    PreferencesDialog(AppState &state, Prompts &prompts, std::function<void()> redraw,
                      QWidget *parent = nullptr);

    QLineEdit *lapFactorBox() const { return lapFactor_; }
    QLineEdit *tieDiameterBox() const { return tieDiameter_; }
    /// The title block boxes: 0 project, 1 drawn by, 2 checked by, 3 revision.
    QLineEdit *titleBlockBox(int i) const { return titleBlock_.at(i); }
    QRadioButton *blackOption() const { return black_; }
    QRadioButton *whiteOption() const { return white_; }
    QPushButton *defaultColoursButton() const { return defaults_; }
    QPushButton *saveButton() const { return save_; }
    QPushButton *exitButton() const { return exit_; }
    DetailingLimitsBox *checkLimitsBox() const { return checkLimits_; }
    /// The swatch button of colour item 1..5 ("Quote", "Bordi", "Ferri", "Testo", "Sezione").
    QPushButton *colourButton(int id) const { return colourButtons_.at(id - 1); }
    /// Sets colour item id 1..5 as the colour editor would; other ids change nothing.
    void setColourItem(int id, Rgb colour);

    /// Picks a colour for an item; the default opens the platform's colour dialog.
    std::function<bool(Rgb start, Rgb &chosen)> chooseColour;

protected:
    void reject() override; // closing the window counts as "&Esci"

private:
    void fillColours(); // PannelloColori
    void backgroundChosen(int index);
    void saveSettings();
    void leave();
    bool readCheckLimits();

    AppState &state_;
    Prompts &prompts_;
    std::function<void()> redraw_;
    QLineEdit *lapFactor_ = nullptr;
    QLineEdit *tieDiameter_ = nullptr;
    std::array<QLineEdit *, 4> titleBlock_{};
    TitleBlockTexts titleBlockFromBoxes() const;
    QRadioButton *black_ = nullptr;
    QRadioButton *white_ = nullptr;
    std::array<QPushButton *, 5> colourButtons_{};
    QPushButton *defaults_ = nullptr;
    QPushButton *save_ = nullptr;
    QPushButton *exit_ = nullptr;
    DetailingLimitsBox *checkLimits_ = nullptr;
    bool leaving_ = false;
};

} // namespace murcad::app
