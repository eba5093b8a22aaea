// Recent wall files: the numbered File menu entries and their per-user store.
#include "recent_files_menu.h"

#include "model/recent_files.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include <memory>

namespace murcad::app {

namespace {

const char *kGroup = "Recent File List";

std::unique_ptr<QSettings> openStore(const QString &path) {
    if (path.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           "MURCAD", "MURCAD Vavire");
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

} // namespace

RecentFilesMenu::RecentFilesMenu(QMenu *fileMenu, QAction *before, const QString &storePath,
                                 QObject *parent)
    : QObject(parent), storePath_(storePath) {
    for (std::size_t i = 0; i < kRecentFileCount; ++i) {
        auto *a = new QAction(this);
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, a] {
            if (onOpen)
                onOpen(a->data().toString());
        });
        fileMenu->insertAction(before, a);
        entries_.push_back(a);
    }
    separator_ = fileMenu->insertSeparator(before);
    show(load());
}

std::vector<std::string> RecentFilesMenu::load() const {
    auto s = openStore(storePath_);
    s->beginGroup(kGroup);
    std::vector<std::string> list;
    for (std::size_t i = 1; i <= kRecentFileCount; ++i) {
        QString p = s->value(QStringLiteral("File%1").arg(i)).toString();
        if (!p.isEmpty())
            list.push_back(p.toStdString());
    }
    return list;
}

void RecentFilesMenu::store(const std::vector<std::string> &list) {
    auto s = openStore(storePath_);
    s->beginGroup(kGroup);
    for (std::size_t i = 1; i <= kRecentFileCount; ++i) {
        QString key = QStringLiteral("File%1").arg(i);
        if (i <= list.size())
            s->setValue(key, QString::fromStdString(list[i - 1]));
        else
            s->remove(key);
    }
}

void RecentFilesMenu::show(const std::vector<std::string> &list) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        QAction *a = entries_[i];
        if (i >= list.size()) {
            a->setVisible(false);
            continue;
        }
        QString path = QString::fromStdString(list[i]);
        // "&1 P1.PAR": the number is the access key; the whole path is in the status bar.
        a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        a->setData(path);
        a->setStatusTip(path);
        a->setToolTip(path);
        a->setVisible(true);
    }
    separator_->setVisible(!list.empty());
}

void RecentFilesMenu::add(const QString &path) {
    // Read again first: another window of the program may have opened walls meanwhile.
    std::vector<std::string> list = withRecentFile(load(), path.toStdString());
    store(list);
    show(list);
}

void RecentFilesMenu::remove(const QString &path) {
    std::vector<std::string> list = withoutRecentFile(load(), path.toStdString());
    store(list);
    show(list);
}

QStringList RecentFilesMenu::files() const {
    QStringList out;
    for (const std::string &p : load())
        out << QString::fromStdString(p);
    return out;
}

} // namespace murcad::app
