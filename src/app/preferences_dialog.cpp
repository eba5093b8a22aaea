// Preferences dialog: numbers, background option, five colour items, defaults, save and exit.
#include "preferences_dialog.h"

#include "colour_ink.h"
#include "detailing_limits_box.h"

#include "geometry/numbers.h"
#include "model/preferences.h"
#include "model/settings_file.h"
#include "model/user_profile.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace murcad::app {

namespace {

const char *kColourCaptions[5] = {"Quote", "Bordi", "Ferri", "Testo", "Sezione"};

Rgb &colourOfItem(ScreenColours &c, int id) {
    switch (id) {
    case 1:
        return c.ColourDims;
    case 2:
        return c.ColourSteel;
    case 3:
        return c.ColourBars;
    case 4:
        return c.ColourText;
    default:
        return c.ColourSections;
    }
}

QColor toQColor(Rgb c) {
    return QColor(rgbRed(c), rgbGreen(c), rgbBlue(c));
}

} // namespace

PreferencesDialog::PreferencesDialog(AppState &state, Prompts &prompts,
                                     std::function<void()> redraw, QWidget *parent)
    : QDialog(parent), state_(state), prompts_(prompts), redraw_(std::move(redraw)) {
    setWindowTitle(QStringLiteral("Impostazioni"));
    chooseColour = [this](Rgb start, Rgb &chosen) {
        QColor c = QColorDialog::getColor(toQColor(start), this, QStringLiteral("Colore"));
        if (!c.isValid())
            return false;
        chosen = rgb(c.red(), c.green(), c.blue());
        return true;
    };

    auto *anchorage = new QGroupBox(QStringLiteral("Ancoraggi"));
    auto *form = new QFormLayout(anchorage);
    lapFactor_ = new QLineEdit(QString::fromStdString(formatNumber(state.wall.LapFactor, 1)));
    tieDiameter_ = new QLineEdit(QString::number(state.wall.TieDiameter));
    for (QLineEdit *e : {lapFactor_, tieDiameter_}) {
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(90);
    }
    form->addRow(QStringLiteral("Numero di diametri"), lapFactor_);
    form->addRow(QStringLiteral("Diametro legature (mm)"), tieDiameter_);

    auto *background = new QGroupBox(QStringLiteral("Colore sfondo finestre grafiche"));
    auto *bgRow = new QHBoxLayout(background);
    black_ = new QRadioButton(QStringLiteral("Nero"));
    white_ = new QRadioButton(QStringLiteral("Bianco"));
    auto *group = new QButtonGroup(this);
    group->addButton(black_, 0);
    group->addButton(white_, 1);
    bgRow->addWidget(black_);
    bgRow->addWidget(white_);
    bgRow->addStretch();
    (state.layers.LightBackground ? white_ : black_)->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, &PreferencesDialog::backgroundChosen);

    auto *colours = new QGroupBox(QStringLiteral("Colori"));
    auto *grid = new QGridLayout(colours);
    for (int i = 0; i < 5; ++i) {
        auto *label = new QLabel(QString::fromUtf8(kColourCaptions[i]));
        auto *button = new QPushButton;
        button->setMinimumWidth(150);
        button->setToolTip(QStringLiteral("Clic per scegliere il colore"));
        colourButtons_[i] = button;
        grid->addWidget(label, i, 0);
        grid->addWidget(button, i, 1);
        const int id = i + 1;
        connect(button, &QPushButton::clicked, this, [this, id] {
            Rgb chosen = colourOfItem(state_.layers.Colours, id);
            if (chooseColour && chooseColour(chosen, chosen))
                setColourItem(id, chosen);
        });
    }
    defaults_ = new QPushButton(QStringLiteral("Colori default"));
    grid->addWidget(defaults_, 5, 1);
    connect(defaults_, &QPushButton::clicked, this, [this] {
        defaultScreenColours(state_.layers);
        fillColours();
        if (redraw_)
            redraw_();
    });

    save_ = new QPushButton(QStringLiteral("Salva"));
    exit_ = new QPushButton(QStringLiteral("&Esci"));
    exit_->setDefault(true);
    connect(save_, &QPushButton::clicked, this, &PreferencesDialog::saveSettings);
    connect(exit_, &QPushButton::clicked, this, &PreferencesDialog::leave);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(exit_);

    auto *left = new QVBoxLayout;
    left->addWidget(anchorage);
    left->addWidget(background);
    // The title block of the printed sheets, kept with the user's own preferences.
    auto *titleBlock = new QGroupBox(QStringLiteral("Cartiglio delle tavole"));
    auto *titleForm = new QFormLayout(titleBlock);
    const TitleBlockTexts &t = state.TitleBlock;
    const char *captions[4] = {"Progetto", "Disegnato da", "Verificato da", "Revisione"};
    const std::string *values[4] = {&t.Project, &t.DrawnBy, &t.CheckedBy, &t.Revision};
    for (int i = 0; i < 4; ++i) {
        titleBlock_[i] = new QLineEdit(QString::fromStdString(*values[i]));
        titleBlock_[i]->setMinimumWidth(220);
        titleForm->addRow(QString::fromUtf8(captions[i]), titleBlock_[i]);
    }
    left->addWidget(titleBlock);
    left->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(colours);
    checkLimits_ = new DetailingLimitsBox(state.checkLimits);
    top->addWidget(checkLimits_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    fillColours();
}

void PreferencesDialog::fillColours() {
    for (int id = 1; id <= 5; ++id) {
        QColor c = toQColor(colourOfItem(state_.layers.Colours, id));
        QPushButton *b = colourButtons_[id - 1];
        QString text = QStringLiteral("%1, %2, %3").arg(c.red()).arg(c.green()).arg(c.blue());
        QColor ink = readableInk(c);
        b->setText(text);
        b->setStyleSheet(QStringLiteral("background-color: %1; color: %2; padding: 4px;")
                             .arg(c.name(), ink.name()));
    }
}

void PreferencesDialog::setColourItem(int id, Rgb colour) {
    if (id < 1 || id > 5)
        return;
    colourOfItem(state_.layers.Colours, id) = colour;
    fillColours();
    if (redraw_)
        redraw_();
}

void PreferencesDialog::backgroundChosen(int index) {
    state_.layers.LightBackground = index == 0 ? 0 : 1;
    fillColours();
    if (redraw_)
        redraw_();
}

void PreferencesDialog::saveSettings() {
    // The tie diameter box is read only on leaving. A refused lap factor saves nothing.
    std::string refusal;
    if (!acceptLapFactor(lapFactor_->text().toStdString(), state_.wall.LapFactor, refusal)) {
        prompts_.warn(this, kWarningTitle, QString::fromStdString(refusal));
        lapFactor_->setFocus();
        lapFactor_->selectAll();
        return;
    }
    SettingsFileValues values;
    values.Layers = state_.layers;
    values.LapFactor = state_.wall.LapFactor;
    values.ExtraOption = state_.wall.ExtraOption;
    std::string why;
    state_.TitleBlock = titleBlockFromBoxes();
    std::string profileWhy;
    if (!state_.UserProfilePath.empty() &&
        !updateUserProfile(
            state_.UserProfilePath,
            [this](UserProfile &p) { setTitleBlockTexts(p, state_.TitleBlock); }, &profileWhy))
        prompts_.warn(this, kWarningTitle,
                      QStringLiteral("Cartiglio non salvato.\n") +
                          QString::fromStdString(profileWhy));
    if (!writeSettings(state_.ProfileFolder, values, &why))
        prompts_.warn(this, kWarningTitle,
                      QStringLiteral("Impostazioni non salvate.\n") + QString::fromStdString(why));
    // The limits of the detailing checks go to the user's own preferences file.
    if (readCheckLimits() && !state_.UserProfilePath.empty() &&
        !updateUserProfile(
            state_.UserProfilePath,
            [this](UserProfile &p) { setDetailingLimits(p, state_.checkLimits); }, &why))
        prompts_.warn(this, kWarningTitle,
                      QStringLiteral("Limiti delle verifiche non salvati.\n") +
                          QString::fromStdString(why));
}

bool PreferencesDialog::readCheckLimits() {
    QString why;
    if (checkLimits_->read(state_.checkLimits, why))
        return true;
    prompts_.warn(this, kWarningTitle, QStringLiteral("Limite non ammesso.\n") + why);
    return false;
}

void PreferencesDialog::leave() {
    if (leaving_)
        return;
    leaving_ = true;
    state_.TitleBlock = titleBlockFromBoxes();
    // A refused number keeps its old value; the dialog still closes.
    std::string refusal;
    if (!acceptLapFactor(lapFactor_->text().toStdString(), state_.wall.LapFactor, refusal))
        prompts_.warn(this, kWarningTitle, QString::fromStdString(refusal));
    int d = state_.wall.TieDiameter;
    if (acceptTieDiameter(tieDiameter_->text().toStdString(), d))
        state_.wall.TieDiameter = d;
    else
        prompts_.warn(this, kWarningTitle,
                      QStringLiteral("Diametro non ammesso.\n%1: valori ammessi %2.")
                          .arg(QString::fromUtf8(limits::kTieDiameterLimit.name),
                               QString::fromStdString(limits::rangeText(limits::kTieDiameterLimit))));
    readCheckLimits();
    if (redraw_)
        redraw_();
    QDialog::accept();
}

TitleBlockTexts PreferencesDialog::titleBlockFromBoxes() const {
    auto text = [this](int i) { return titleBlock_[i]->text().trimmed().toStdString(); };
    return {text(0), text(1), text(2), text(3)};
}

void PreferencesDialog::reject() {
    leave();
}

} // namespace murcad::app
