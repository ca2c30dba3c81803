// SPDX-License-Identifier: MIT
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

void Collect(const QObject& parent, const QHash<QString, std::function<bool(QObject*)>>& fillers, QSet<QString>& found)
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
        {"subjectEdit", Fill(c.subjectEdit)},
        {"bodyEdit", Fill(c.bodyEdit)},
        {"sizeList", Fill(c.sizeList)},
        {"colourList", Fill(c.colourList)},
        {"moreEmoticonsLink", Fill(c.moreEmoticonsLink)},
        {"assistanceBox", Fill(c.assistanceBox)},
        {"quoteManagerButton", Fill(c.quoteManagerButton)},
        {"previewButton", Fill(c.previewButton)},
        {"submitButton", Fill(c.submitButton)},
        {"newTopicOption", Fill(c.newTopicOption)},
        {"replyOption", Fill(c.replyOption)},
        {"forumChooser", Fill(c.forumChooser)},
        {"topicNumberEdit", Fill(c.topicNumberEdit)},
        {"openForumHotSpot", Fill(c.openForumHotSpot)},
        {"toolBar", Fill(c.toolBar)},
        {"statusBar", Fill(c.statusBar)},
        {"helpPanel", Fill(c.helpPanel)},
        {"statePanel", Fill(c.statePanel)},
        {"timePanel", Fill(c.timePanel)},
        {"datePanel", Fill(c.datePanel)},
        {"newPostAction", Fill(c.newPostAction)},
        {"openPostAction", Fill(c.openPostAction)},
        {"savePostAction", Fill(c.savePostAction)},
        {"saveAsAction", Fill(c.saveAsAction)},
        {"exitAction", Fill(c.exitAction)},
        {"copyAction", Fill(c.copyAction)},
        {"cutAction", Fill(c.cutAction)},
        {"pasteAction", Fill(c.pasteAction)},
        {"copyPostAction", Fill(c.copyPostAction)},
        {"previewAction", Fill(c.previewAction)},
        {"fontAction", Fill(c.fontAction)},
        {"checkSpellingAction", Fill(c.checkSpellingAction)},
        {"spellingLanguageMenu", Fill(c.spellingLanguageMenu)},
        {"highlightAction", Fill(c.highlightAction)},
        {"optionsAction", Fill(c.optionsAction)},
        {"contactAction", Fill(c.contactAction)},
        {"aboutAction", Fill(c.aboutAction)},
    };
    for (size_t i = 0; i < c.tagButtons.size(); ++i)
        fillers.insert(QStringLiteral("tagButton_%1").arg(i), Fill(c.tagButtons[i]));
    for (size_t i = 0; i < c.emoticonPictures.size(); ++i)
        fillers.insert(QStringLiteral("emoticonPicture_%1").arg(i), Fill(c.emoticonPictures[i]));

    QSet<QString> found;
    Collect(window, fillers, found);
    for (auto filler = fillers.cbegin(); filler != fillers.cend(); ++filler)
        if (!found.contains(filler.key()))
            qFatal("main window control \"%s\" not found", qPrintable(filler.key()));
    return c;
}
