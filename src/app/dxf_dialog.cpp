// DXF dialog: folder and file lists, chosen list rules, scale and layer boxes, swatches with
// the colour picker, settings, generation with a progress dialog, then the optional take-off.
#include "dxf_dialog.h"

#include "colour_ink.h"
#include "colour_picker_dialog.h"
#include "takeoff_dialog.h"

#include "model/folders.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace murcad::app {

namespace {
QString qs(const std::string &s) {
    return QString::fromStdString(s);
}
} // namespace

DxfDialog::DxfDialog(DxfDialogContext context, QWidget *parent)
    : QDialog(parent), ctx_(std::move(context)), fields_(dxfDialogFields(ctx_.state.layers)) {
    setWindowTitle(QStringLiteral("File DXF"));
    pickColour = [this](int start) { return ColourPickerDialog::pick(start, this); };
    showTakeoff = [this](const std::vector<std::string> &paths) {
        TakeoffDialog dialog(ctx_.state, paths, ctx_.prompts, ctx_.reportFileName, this);
        dialog.exec();
    };

    // Folder and files.
    folderBox_ = new QLineEdit;
    folderBox_->setToolTip(QStringLiteral("Cartella dei file dati; Invio per aggiornare"));
    auto *browse = new QPushButton(QStringLiteral("Sfoglia..."));
    connect(folderBox_, &QLineEdit::returnPressed, this,
            [this] { setDataFolder(folderBox_->text()); });
    connect(browse, &QPushButton::clicked, this, [this] {
        QString f = QFileDialog::getExistingDirectory(
            this, QStringLiteral("Cartella dei file dati"), folder_);
        if (!f.isEmpty())
            setDataFolder(f);
    });
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(new QLabel(QStringLiteral("Cartella:")));
    folderRow->addWidget(folderBox_, 1);
    folderRow->addWidget(browse);

    available_ = new QListWidget;
    available_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    chosen_ = new QListWidget;
    chosen_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(available_, &QListWidget::itemDoubleClicked, this, [this] { addSelected(); });
    add_ = new QPushButton(QStringLiteral("Aggiungi  >>"));
    addAll_ = new QPushButton(QStringLiteral("Aggiungi tutti >>"));
    remove_ = new QPushButton(QStringLiteral("<< Rimuovi"));
    removeAll_ = new QPushButton(QStringLiteral("<< Rimuovi tutti"));
    connect(add_, &QPushButton::clicked, this, &DxfDialog::addSelected);
    connect(addAll_, &QPushButton::clicked, this, &DxfDialog::addAll);
    connect(remove_, &QPushButton::clicked, this, &DxfDialog::removeSelected);
    connect(removeAll_, &QPushButton::clicked, this, &DxfDialog::removeAll);

    auto *availableBox = new QVBoxLayout;
    availableBox->addWidget(new QLabel(QStringLiteral("File dati  disponibili")));
    availableBox->addWidget(available_);
    auto *middle = new QVBoxLayout;
    middle->addStretch();
    for (QPushButton *b : {add_, addAll_, remove_, removeAll_})
        middle->addWidget(b);
    middle->addStretch();
    auto *chosenBox = new QVBoxLayout;
    chosenBox->addWidget(new QLabel(QStringLiteral("File dati per generazione DXF")));
    chosenBox->addWidget(chosen_);
    auto *lists = new QHBoxLayout;
    lists->addLayout(availableBox, 1);
    lists->addLayout(middle);
    lists->addLayout(chosenBox, 1);

    // Scale.
    auto *scale = new QGroupBox(QStringLiteral("Scala"));
    auto *scaleRow = new QHBoxLayout(scale);
    scaleLeft_ = new QLineEdit(qs(fields_.ScaleLeftText));
    scaleRight_ = new QLineEdit(qs(fields_.ScaleRightText));
    for (QLineEdit *e : {scaleLeft_, scaleRight_}) {
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(80);
        e->installEventFilter(this);
    }
    scaleRow->addWidget(scaleLeft_);
    scaleRow->addWidget(new QLabel(QStringLiteral("cm =")));
    scaleRow->addWidget(scaleRight_);
    scaleRow->addWidget(new QLabel(QStringLiteral("unità")));
    scaleRow->addStretch();

    // Layers: two columns of six name boxes, each with its colour swatch.
    auto *layers = new QGroupBox(QStringLiteral("Colore LAYER"));
    auto *layerGrid = new QGridLayout(layers);
    layerGrid->setHorizontalSpacing(6);
    for (int i = 0; i < kLayerCount; ++i) {
        names_[i] = new QLineEdit(qs(fields_.LayerNameText[i]));
        names_[i]->setMinimumWidth(150);
        swatches_[i] = new QPushButton;
        swatches_[i]->setFixedSize(44, 24);
        swatches_[i]->setToolTip(QStringLiteral("Clic per scegliere il colore del layer"));
        int row = i % 6, col = (i / 6) * 2;
        layerGrid->addWidget(names_[i], row, col);
        layerGrid->addWidget(swatches_[i], row, col + 1);
        connect(swatches_[i], &QPushButton::clicked, this, [this, i] { chooseSwatchColour(i); });
        paintSwatch(i);
    }

    takeoff_ = new QCheckBox(QStringLiteral("File computo materiali"));
    saveSettings_ = new QPushButton(QStringLiteral("Salva impostazioni"));
    generate_ = new QPushButton(QStringLiteral("Genera File &DXF"));
    exit_ = new QPushButton(QStringLiteral("&Esci"));
    generate_->setDefault(true);
    connect(saveSettings_, &QPushButton::clicked, this, &DxfDialog::saveSettings);
    connect(generate_, &QPushButton::clicked, this, &DxfDialog::generate);
    connect(exit_, &QPushButton::clicked, this, &QDialog::accept);

    auto *left = new QVBoxLayout;
    left->addWidget(scale);
    left->addWidget(takeoff_);
    left->addStretch();
    auto *settingsRow = new QHBoxLayout;
    settingsRow->addLayout(left);
    settingsRow->addWidget(layers, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(saveSettings_);
    buttons->addStretch();
    buttons->addWidget(generate_);
    buttons->addWidget(exit_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(folderRow);
    layout->addLayout(lists, 1);
    layout->addLayout(settingsRow);
    layout->addLayout(buttons);
    resize(820, 620);

    setDataFolder(qs(ctx_.startFolder));
}

bool DxfDialog::eventFilter(QObject *watched, QEvent *event) {
    // Entering a scale box selects its whole text, also when entered by a click.
    if (event->type() == QEvent::FocusIn)
        if (auto *box = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

void DxfDialog::setDataFolder(const QString &folder) {
    folder_ = folder;
    folderBox_->setText(QDir::toNativeSeparators(folder));
    availableNames_ = listWallFiles(folder.toStdString());
    available_->clear();
    for (const std::string &n : availableNames_)
        available_->addItem(qs(n));
    chosenNames_.clear();
    refreshChosen();
}

void DxfDialog::refreshChosen() {
    chosen_->clear();
    for (const std::string &n : chosenNames_)
        chosen_->addItem(qs(n));
}

void DxfDialog::showMessages(const std::vector<std::string> &messages) {
    for (const std::string &m : messages)
        if (!m.empty())
            ctx_.prompts.warn(this, kWarningTitle, qs(m));
}

void DxfDialog::addSelected() {
    std::vector<std::string> selected;
    for (int i = 0; i < available_->count(); ++i)
        if (available_->item(i)->isSelected())
            selected.push_back(available_->item(i)->text().toStdString());
    ChosenListChange c = addChosenFiles(chosenNames_, selected);
    refreshChosen();
    showMessages({c.message});
}

void DxfDialog::addAll() {
    ChosenListChange c = addAllChosenFiles(chosenNames_, availableNames_);
    refreshChosen();
    showMessages({c.message});
}

void DxfDialog::removeSelected() {
    std::vector<int> selected;
    for (int i = 0; i < chosen_->count(); ++i)
        if (chosen_->item(i)->isSelected())
            selected.push_back(i);
    removeChosenFiles(chosenNames_, selected);
    refreshChosen();
}

void DxfDialog::removeAll() {
    removeAllChosenFiles(chosenNames_);
    refreshChosen();
}

void DxfDialog::paintSwatch(int layer) {
    int index = fields_.WorkingColour[layer];
    RgbTriple t = aciTriple(index);
    QColor c(t.r, t.g, t.b);
    QColor ink = readableInk(c);
    swatches_[layer]->setText(QString::number(index));
    swatches_[layer]->setStyleSheet(
        QStringLiteral("background-color: %1; color: %2; border: 1px solid #555;")
            .arg(c.name(), ink.name()));
}

void DxfDialog::chooseSwatchColour(int layer) {
    // The layer being coloured stands out while the picker is open.
    names_[layer]->setStyleSheet(QStringLiteral("background: black; color: white;"));
    int chosen =
        pickColour ? pickColour(fields_.WorkingColour[layer]) : fields_.WorkingColour[layer];
    fields_.WorkingColour[layer] = chosen;
    paintSwatch(layer);
    names_[layer]->setStyleSheet(QString());
}

void DxfDialog::readBoxes() {
    fields_.ScaleLeftText = scaleLeft_->text().toStdString();
    fields_.ScaleRightText = scaleRight_->text().toStdString();
    for (int i = 0; i < kLayerCount; ++i)
        fields_.LayerNameText[i] = names_[i]->text().toStdString();
}

void DxfDialog::showFields() {
    scaleLeft_->setText(qs(fields_.ScaleLeftText));
    scaleRight_->setText(qs(fields_.ScaleRightText));
}

void DxfDialog::saveSettings() {
    readBoxes();
    std::string message = saveDxfSettings(fields_, ctx_.state.layers, ctx_.state.ProfileFolder,
                                          ctx_.state.wall.LapFactor, ctx_.state.wall.ExtraOption);
    showFields();
    showMessages({message});
}

bool DxfDialog::generate() {
    readBoxes();
    DxfGeneratePlan plan =
        prepareDxfGeneration(fields_, ctx_.state.layers, folder_.toStdString(), chosenNames_);
    showFields();
    showMessages(plan.messages);
    if (!plan.proceed)
        return false;

    QString proposed = qs(ctx_.session.DxfFileName);
    if (proposed.isEmpty())
        proposed = QStringLiteral("Pareti.DXF");
    if (QFileInfo(proposed).isRelative())
        proposed = QDir(folder_).filePath(proposed);
    QString name = ctx_.prompts.saveFileName(this, QStringLiteral("File DXF"), proposed,
                                             QStringLiteral("File Disegno (*.DXF *.dxf)"),
                                             QStringLiteral("DXF"));
    if (name.isEmpty())
        return false;
    std::string output = withDxfExtension(name.toStdString());

    // The walls are loaded into a copy: the wall open in the main window stays as it is.
    Wall scratch = ctx_.state.wall;
    QProgressDialog progress(QStringLiteral("Generazione del file DXF..."), QString(), 0,
                             static_cast<int>(plan.wallPaths.size()), this);
    progress.setWindowTitle(QStringLiteral("File DXF"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setValue(0);
    DxfBatchHooks hooks;
    hooks.progress = [&progress](int index, int count, const DxfWallOutcome &outcome) {
        progress.setLabelText(QStringLiteral("Parete %1 di %2: %3")
                                  .arg(index + 1)
                                  .arg(count)
                                  .arg(QFileInfo(qs(outcome.path)).fileName()));
        progress.setValue(index + 1);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    DxfWriteResult result = generateDxf(output, ctx_.session, ctx_.state.HostFolder, plan,
                                        ctx_.state.layers, scratch, hooks);
    QApplication::restoreOverrideCursor();
    progress.close();
    if (!result.written) {
        showMessages({result.error});
        return false;
    }
    showMessages(result.batch.messages());
    if (takeoff_->isChecked()) {
        ctx_.state.ReportFlag = 1;
        if (showTakeoff)
            showTakeoff(plan.wallPaths);
    }
    return true;
}

} // namespace murcad::app
