// SPDX-License-Identifier: MIT
#pragma once
// File > Recent Posts: the last ten post files opened or saved, newest
// first, each shown by its file name with its folder as a tooltip, and
// Clear List at the end. The list is kept in the settings, so it survives
// a restart and every window shows the same one; the menu is filled from
// them each time it opens. Choosing a file hands it to `open`, which asks
// about unsaved changes as Open does; a file that is gone is taken off the
// list by the caller.

#include <QObject>
#include <QStringList>
#include <functional>

class QMenu;
class QWidget;
class Settings;

class RecentPosts : public QObject {
    Q_OBJECT
public:
    static constexpr int Most = 10;

    RecentPosts(Settings& settings, std::function<void(const QString&)> open, QWidget* parent);

    // The submenu, for the File menu.
    QMenu* Menu() const { return m_menu; }
    QStringList Files() const;
    // `path` goes to the top of the list (once).
    void Add(const QString& path);
    void Remove(const QString& path);
    void Clear();

private:
    void Fill();

    Settings& m_settings;
    std::function<void(const QString&)> m_open;
    QMenu* m_menu;
};
