// The recent wall files of the File menu, kept in the per-user settings store.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QAction;
class QMenu;

namespace murcad::app {

/// The last eight walls opened or saved, numbered in the File menu before "Esci". They are
/// kept in the group "Recent File List" of the program's per-user store, keys File1 (the most
/// recent) to File8, and read again at the next start.
class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    /// storePath: an INI file to keep the list in; empty for the per-user store.
    RecentFilesMenu(QMenu *fileMenu, QAction *before, const QString &storePath,
                    QObject *parent = nullptr);

    /// A wall opened or saved: first in the list.
    void add(const QString &path);
    /// A wall that could not be opened: out of the list.
    void remove(const QString &path);
    /// The list, most recent first.
    QStringList files() const;
    /// The menu item of entry i (0 the most recent); hidden when the list is shorter.
    QAction *entry(int i) const { return entries_[static_cast<std::size_t>(i)]; }

    /// Called with the path of the entry chosen.
    std::function<void(const QString &path)> onOpen;

private:
    void store(const std::vector<std::string> &list);
    std::vector<std::string> load() const;
    void show(const std::vector<std::string> &list);

    QString storePath_;
    std::vector<QAction *> entries_;
    QAction *separator_ = nullptr;
};

} // namespace murcad::app
