// SPDX-License-Identifier: MIT
#pragma once
// The live preview pane's page view: the page the pane loads once, updated
// in place. It lives in the web module, which is loaded the first time a
// view is created, so the program does not start the web engine until the
// pane is first shown.

#include <QObject>
#include <QString>
#include <QUrl>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <vector>

class QWidget;

class LivePreviewView : public QObject {
    Q_OBJECT
public:
    // How the view follows a line of the post: its start at the top of the
    // view, or brought into view only when it is out of it.
    enum class Follow { Top, InView };

    using QObject::QObject;
    ~LivePreviewView() override;

    // The view, a child of the widget it was created in.
    virtual QWidget* View() const = 0;
    // Shows `page` (the program's own, with the post's container) as if
    // loaded from `baseUrl`; `loaded` follows.
    virtual void Load(const QString& page, const QUrl& baseUrl) = 0;
    // What changes in the container: with `whole`, `html` becomes its
    // content (the elements that did not change are kept); otherwise `html`
    // replaces what stands between line anchors `before` and `after` (-1:
    // the container's start, or end). `lines` gives the line of each line
    // anchor of the content then.
    struct Change {
        QString html;
        bool whole = true;
        long before = -1, after = -1;
        std::vector<uint32_t> lines;
    };
    // Changes the container, then follows `line`. `updated` follows; a
    // change between anchors that the page cannot make there (the anchors
    // are not siblings in it) is not made, and reported so.
    virtual void Update(const Change& change, int line, Follow follow) = 0;
    virtual void ShowLine(int line, Follow follow) = 0;
    // Runs `script` in the program's own script world of the page; `done`
    // receives its value.
    virtual void RunScript(const QString& script, std::function<void(const QVariant&)> done) = 0;

    // Creates a view inside `parent`, loading the web module on first use.
    // Null when the module cannot be loaded; `error` then says why.
    static LivePreviewView* Create(QWidget* parent, QString* error);

    // The name of the function the module exports to create a view.
    static constexpr char FactoryName[] = "QuillforgeCreateLivePreviewView";

signals:
    void loaded(bool ok);
    void updated(bool applied);
    // The user double-clicked in the part of the page that shows `line`.
    void lineChosen(int line);
};
