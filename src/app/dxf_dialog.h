// The DXF export dialog "File DXF": wall files, scale, the twelve layers, generation.
#pragma once

#include "dxf/dxf_export.h"
#include "model/app_state.h"
#include "prompts.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace murcad::app {

/// Everything the dialog works on, owned by the main window for the whole run.
struct DxfDialogContext {
    AppState &state;
    Prompts &prompts;
    DxfSession &session;         ///< the last DXF file name
    std::string &reportFileName; ///< the last report file name
    std::string startFolder;     ///< folder the file list opens in
};

class DxfDialog : public QDialog {
    Q_OBJECT
public:
    explicit DxfDialog(DxfDialogContext context, QWidget *parent = nullptr);

    /// Shows the wall files of a folder; the chosen list is emptied.
    void setDataFolder(const QString &folder);
    QString dataFolder() const { return folder_; }

    QListWidget *availableList() const { return available_; }
    QListWidget *chosenList() const { return chosen_; }
    QPushButton *addButton() const { return add_; }
    QPushButton *addAllButton() const { return addAll_; }
    QPushButton *removeButton() const { return remove_; }
    QPushButton *removeAllButton() const { return removeAll_; }
    QLineEdit *scaleLeftBox() const { return scaleLeft_; }
    QLineEdit *scaleRightBox() const { return scaleRight_; }
    QLineEdit *layerNameBox(int i) const { return names_.at(i); }
    QPushButton *layerSwatch(int i) const { return swatches_.at(i); }
    int workingColour(int i) const { return fields_.WorkingColour.at(i); }
    QCheckBox *takeoffOption() const { return takeoff_; }
    QPushButton *saveSettingsButton() const { return saveSettings_; }
    QPushButton *generateButton() const { return generate_; }
    QPushButton *exitButton() const { return exit_; }

    /// The chosen file names in list order.
    std::vector<std::string> chosenFiles() const { return chosenNames_; }

    /// Picks a colour index for a layer swatch; the default shows the colour picker.
    std::function<int(int start)> pickColour;
    /// Shows the take-off of the generated files; the default opens the take-off dialog.
    std::function<void(const std::vector<std::string> &paths)> showTakeoff;

    /// "Genera File DXF". Returns true when a file was written.
    bool generate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addSelected();
    void addAll();
    void removeSelected();
    void removeAll();
    void refreshChosen();
    void chooseSwatchColour(int layer);
    void paintSwatch(int layer);
    void readBoxes();  // widgets -> fields
    void showFields(); // fields -> scale boxes (after a refused value)
    void saveSettings();
    void showMessages(const std::vector<std::string> &messages);

    DxfDialogContext ctx_;
    DxfDialogFields fields_;
    QString folder_;
    std::vector<std::string> availableNames_;
    std::vector<std::string> chosenNames_;
    QLineEdit *folderBox_ = nullptr;
    QListWidget *available_ = nullptr;
    QListWidget *chosen_ = nullptr;
    QPushButton *add_ = nullptr;
    QPushButton *addAll_ = nullptr;
    QPushButton *remove_ = nullptr;
    QPushButton *removeAll_ = nullptr;
    QLineEdit *scaleLeft_ = nullptr;
    QLineEdit *scaleRight_ = nullptr;
    std::array<QLineEdit *, kLayerCount> names_{};
    std::array<QPushButton *, kLayerCount> swatches_{};
    QCheckBox *takeoff_ = nullptr;
    QPushButton *saveSettings_ = nullptr;
    QPushButton *generate_ = nullptr;
    QPushButton *exit_ = nullptr;
};

} // namespace murcad::app
