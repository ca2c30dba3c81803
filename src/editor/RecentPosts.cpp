// SPDX-License-Identifier: MIT
#include "editor/RecentPosts.h"

#include "base/Settings.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {
QString Absolute(const QString& path) { return QFileInfo(path).absoluteFilePath(); }
}  // namespace

RecentPosts::RecentPosts(Settings& settings, std::function<void(const QString&)> open, QWidget* parent)
    : QObject(parent), m_settings(settings), m_open(std::move(open))
{
    m_menu = new QMenu(tr("&Recent Posts"), parent);
    m_menu->setObjectName(QStringLiteral("recentPostsMenu"));
    m_menu->menuAction()->setObjectName(QStringLiteral("recentPostsItem"));
    m_menu->setToolTipsVisible(true);
    connect(m_menu, &QMenu::aboutToShow, this, &RecentPosts::Fill);
    Fill();
}

QStringList RecentPosts::Files() const { return m_settings.recentPosts(); }

void RecentPosts::Add(const QString& path)
{
    const QString file = Absolute(path);
    QStringList files = Files();
    files.removeAll(file);
    files.prepend(file);
    m_settings.setRecentPosts(files.mid(0, Most));
}

void RecentPosts::Remove(const QString& path)
{
    QStringList files = Files();
    files.removeAll(Absolute(path));
    m_settings.setRecentPosts(files);
}

void RecentPosts::Clear() { m_settings.setRecentPosts({}); }

void RecentPosts::Fill()
{
    m_menu->clear();
    const QStringList files = Files();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QFileInfo file(files[i]);
        // "&1 guide.bbc" ... "1&0 notes.bbc": a key for each.
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
        QString name = file.fileName();
        QAction* item = m_menu->addAction(number + QLatin1Char(' ') + name.replace(QLatin1Char('&'), QLatin1String("&&")));
        item->setObjectName(QStringLiteral("recentPost_%1").arg(i));
        const QString folder = QDir::toNativeSeparators(file.absolutePath());
        item->setToolTip(folder);
        item->setStatusTip(QDir::toNativeSeparators(files[i]));
        const QString path = files[i];
        connect(item, &QAction::triggered, this, [this, path] { m_open(path); });
    }
    m_menu->addSeparator();
    QAction* clear = m_menu->addAction(tr("&Clear List"), this, &RecentPosts::Clear);
    clear->setObjectName(QStringLiteral("clearRecentPostsAction"));
    clear->setEnabled(!files.isEmpty());
}
