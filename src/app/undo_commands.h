// The edits of the wall on the undo stack of the main window.
#pragma once

#include "model/wall.h"
#include "model/wall_change.h"

#include <QUndoCommand>

#include <functional>
#include <vector>

namespace murcad::app {

/// One edit of the wall (a grid value, a border offset, a section cut inserted, moved or
/// deleted): undo puts back the values the edit changed, redo puts its own values again.
/// The edit itself has already been made when the command is pushed; afterwards refresh runs
/// (extents, grid, section list, redraw).
class WallEditCommand : public QUndoCommand {
public:
    WallEditCommand(Wall &wall, WallChange change, const QString &name,
                    std::function<void()> refresh);
    void undo() override;
    void redo() override;

private:
    Wall &wall_;
    WallChange change_;
    std::function<void()> refresh_;
    bool done_ = true; ///< the edit is in the wall (true when pushed)
};

/// Runs edit on the wall and, when it changed anything, puts it on the stack under the name
/// edit returns ("inserimento sezione 3": the name may depend on where the edit put things).
/// A refused value or a cancelled question leaves the stack as it was. True when pushed.
bool recordWallEdit(QUndoStack &stack, Wall &wall, const std::function<QString()> &edit,
                    std::function<void()> refresh);

/// The place of the first record that differs between a table before and after an edit
/// (the cut just inserted); -1 when the tables are equal.
template <class T> int firstDifference(const std::vector<T> &before, const std::vector<T> &after) {
    for (std::size_t i = 0; i < after.size(); ++i)
        if (i >= before.size() || !(before[i] == after[i]))
            return static_cast<int>(i);
    return after.size() < before.size() ? static_cast<int>(after.size()) : -1;
}

} // namespace murcad::app
