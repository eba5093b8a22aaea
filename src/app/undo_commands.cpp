// Undo commands over the wall model: each keeps only the values its edit changed.
#include "undo_commands.h"

#include <QUndoStack>

#include <utility>

namespace murcad::app {

WallEditCommand::WallEditCommand(Wall &wall, WallChange change, const QString &name,
                                 std::function<void()> refresh)
    : QUndoCommand(name), wall_(wall), change_(std::move(change)), refresh_(std::move(refresh)) {}

void WallEditCommand::undo() {
    undoChange(wall_, change_);
    done_ = false;
    if (refresh_)
        refresh_();
}

void WallEditCommand::redo() {
    // The stack calls redo once when the command is pushed: the edit is already made.
    if (done_)
        return;
    redoChange(wall_, change_);
    done_ = true;
    if (refresh_)
        refresh_();
}

bool recordWallEdit(QUndoStack &stack, Wall &wall, const std::function<QString()> &edit,
                    std::function<void()> refresh) {
    EditableWallValues before = editableValues(wall);
    QString name = edit();
    WallChange change = wallChange(before, wall);
    if (change.empty())
        return false;
    stack.push(new WallEditCommand(wall, std::move(change), name, std::move(refresh)));
    return true;
}

} // namespace murcad::app
