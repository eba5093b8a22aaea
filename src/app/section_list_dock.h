// The section list beside the grid: the horizontal and vertical cuts, edited by number.
#pragma once

#include "geometry/section_pick.h"
#include "model/wall.h"

#include <QDockWidget>

#include <functional>
#include <optional>
#include <vector>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace murcad::app {

/// Lists the horizontal cuts (number, level, storey) and the vertical cuts (name, abscissa).
/// A level or an abscissa typed into the list moves the cut; "Aggiungi" inserts a cut at the
/// value typed below the list, "Elimina" deletes the selected cuts. The list changes nothing
/// itself: it reports what the user asked for and is filled again from the wall afterwards.
class SectionListDock : public QDockWidget {
    Q_OBJECT
public:
    explicit SectionListDock(QWidget *parent = nullptr);

    /// Shows the cuts of the wall, keeping the selected row where it still exists.
    void fill(const Wall &wall);

    QTableWidget *table(bool horizontal) const { return horizontal ? horiz_ : vert_; }
    QLineEdit *newValueBox(bool horizontal) const { return horizontal ? horizNew_ : vertNew_; }
    QPushButton *addButton(bool horizontal) const { return horizontal ? horizAdd_ : vertAdd_; }
    QPushButton *deleteButton(bool horizontal) const { return horizontal ? horizDel_ : vertDel_; }
    /// The cut selected in either list, if any.
    std::optional<SectionHit> selectedCut() const;

    /// A new cut at the typed value (level or abscissa, cm).
    std::function<void(bool horizontal, const QString &text)> onAdd;
    /// Cut index moved to the typed value.
    std::function<void(bool horizontal, int index, const QString &text)> onMove;
    /// The selected cuts to delete, in table order.
    std::function<void(const std::vector<SectionHit> &cuts)> onDelete;
    /// The selection changed (highlight on the sheet).
    std::function<void(std::optional<SectionHit> cut)> onSelected;

private:
    QWidget *makeGroup(bool horizontal);
    void cellEdited(bool horizontal, int row, int column);
    void selectionChanged(bool horizontal);
    void deleteSelected(bool horizontal);

    QTableWidget *horiz_ = nullptr;
    QTableWidget *vert_ = nullptr;
    QLineEdit *horizNew_ = nullptr;
    QLineEdit *vertNew_ = nullptr;
    QPushButton *horizAdd_ = nullptr;
    QPushButton *vertAdd_ = nullptr;
    QPushButton *horizDel_ = nullptr;
    QPushButton *vertDel_ = nullptr;
    bool filling_ = false;
};

} // namespace murcad::app
