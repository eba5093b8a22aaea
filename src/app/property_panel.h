// The wall property grid at the right of the main window.
#pragma once

#include "model/wall.h"

#include <QTreeWidget>

#include <functional>

namespace murcad::app {

/// One category "Dati parete    ( in cm )" with a text item per value; the name column takes
/// 0.7 of the width. An edited value goes to onEdited, which returns the text to show.
class PropertyPanel : public QTreeWidget {
    Q_OBJECT
public:
    explicit PropertyPanel(QWidget *parent = nullptr);

    /// Rebuilds the grid from the wall (SetPropertyGrid1).
    void fill(const Wall &wall);
    /// The item with an id, or nullptr.
    QTreeWidgetItem *itemById(int id) const;
    /// The value shown for an id ("" when there is no such item).
    QString valueOf(int id) const;

    /// Item id and new text in; the text the item should show out.
    std::function<QString(int id, const QString &text)> onEdited;

    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

protected:
    void resizeEvent(QResizeEvent *) override;

private:
    void itemEdited(QTreeWidgetItem *item, int column);
    bool filling_ = false;
};

} // namespace murcad::app
