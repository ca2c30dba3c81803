#include "support/PostControls.h"

#include <QHash>
#include <QSet>
#include <functional>

namespace {

// Fills `slot` with the first child offered that is a T; true once filled.
template <class T>
std::function<bool(QObject*)> Fill(T*& slot)
{
    return [&slot](QObject* child) {
        if (slot)
            return true;
        slot = qobject_cast<T*>(child);
        return slot != nullptr;
    };
}

void Collect(const QObject& parent, const QHash<QString, std::function<bool(QObject*)>>& fillers,
             QSet<QString>& found)
{
    for (QObject* child : parent.children()) {
        const auto filler = fillers.constFind(child->objectName());
        if (filler != fillers.cend() && (*filler)(child))
            found.insert(child->objectName());
        // The windows it owns (dialogs, the extra emoticons) hold controls of
        // their own by the same names; its menus are searched.
        const auto* widget = qobject_cast<QWidget*>(child);
        if (widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget))
            continue;
        Collect(*child, fillers, found);
    }
}

}  // namespace

PostControls Controls(const QObject& window)
{
    PostControls c;
    QHash<QString, std::function<bool(QObject*)>> fillers = {
        {"txtTitle", Fill(c.txtTitle)},
        {"txtPost", Fill(c.txtPost)},
        {"cmbSize", Fill(c.cmbSize)},
        {"cmbColor", Fill(c.cmbColor)},
        {"Label1", Fill(c.Label1)},
        {"chkAssist", Fill(c.chkAssist)},
        {"cmdQuote", Fill(c.cmdQuote)},
        {"cmdPreview", Fill(c.cmdPreview)},
        {"cmdPost", Fill(c.cmdPost)},
        {"OptNew", Fill(c.OptNew)},
        {"optReply", Fill(c.optReply)},
        {"cmbForum", Fill(c.cmbForum)},
        {"txtPostNo", Fill(c.txtPostNo)},
        {"Image1", Fill(c.Image1)},
        {"Toolbar1", Fill(c.Toolbar1)},
        {"Status", Fill(c.Status)},
        {"mnuNew", Fill(c.mnuNew)},
        {"mnuOpen", Fill(c.mnuOpen)},
        {"mnuSave", Fill(c.mnuSave)},
        {"mnuSaveAs", Fill(c.mnuSaveAs)},
        {"mnuExit", Fill(c.mnuExit)},
        {"mnuCopy", Fill(c.mnuCopy)},
        {"mnuCut", Fill(c.mnuCut)},
        {"mnuPaste", Fill(c.mnuPaste)},
        {"mnuCopyClip", Fill(c.mnuCopyClip)},
        {"mnuPreview", Fill(c.mnuPreview)},
        {"mnuFont", Fill(c.mnuFont)},
        {"mnuCheckSpelling", Fill(c.mnuCheckSpelling)},
        {"mnuSpellingLanguage", Fill(c.mnuSpellingLanguage)},
        {"mnuHighlight", Fill(c.mnuHighlight)},
        {"mnuOptions", Fill(c.mnuOptions)},
        {"mnuContact", Fill(c.mnuContact)},
        {"mnuAbout", Fill(c.mnuAbout)},
    };
    for (size_t i = 0; i < c.cmdBBcode.size(); ++i)
        fillers.insert(QStringLiteral("cmdBBcode_%1").arg(i), Fill(c.cmdBBcode[i]));
    for (size_t i = 0; i < c.imgIcon.size(); ++i)
        fillers.insert(QStringLiteral("imgIcon_%1").arg(i), Fill(c.imgIcon[i]));
    for (size_t i = 0; i < c.StatusPanels.size(); ++i)
        fillers.insert(QStringLiteral("StatusPanel%1").arg(i + 1), Fill(c.StatusPanels[i]));

    QSet<QString> found;
    Collect(window, fillers, found);
    for (auto filler = fillers.cbegin(); filler != fillers.cend(); ++filler)
        if (!found.contains(filler.key()))
            qFatal("main window control \"%s\" not found", qPrintable(filler.key()));
    return c;
}
