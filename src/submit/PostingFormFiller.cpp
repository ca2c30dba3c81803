// SPDX-License-Identifier: MIT
#include "submit/PostingFormFiller.h"
#include "base/ScriptData.h"
#include "base/Utf8.h"

#include <QJsonObject>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>

namespace {

// The script's fixed text: a function applied to the parsed data. Events
// tell the page's own scripts (counters, editors) that the fields changed.
const char* const FillFunction = R"js((function (post) {
  const host = location.hostname.replace(/^\[|\]$/g, '').toLowerCase();
  if (post.host !== '' && host !== post.host)
    return 'other';
  let subject = null, message = null;
  for (const form of document.forms) {
    subject = form.querySelector('input[name="subject"]');
    message = form.querySelector('textarea[name="message"]');
    if (subject && message)
      break;
    subject = message = null;
  }
  if (!subject)
    return document.querySelector('form input[type="password"]') ? 'login' : 'other';
  if (!post.fill)
    return 'posting-form';
  if (post.title !== '')
    subject.value = post.title;
  // A board's rich editor (SCEditor, on MyBB and SMF) hides the text area
  // behind a box of its own, placed right before it, and writes its own
  // content back into the text area when the form is sent. The post goes
  // into the editor's source box, which it sends as it is: the editor is
  // switched to it first with its own Source button, as the user would.
  const editorOf = () => {
    const box = message.previousElementSibling;
    return box !== null && box.classList.contains('sceditor-container') ? box : null;
  };
  const place = (editor) => {
    let field = message;
    if (editor) {
      const toggle = editor.querySelector('.sceditor-button-source');
      if (!editor.classList.contains('sourceMode') && toggle)
        toggle.dispatchEvent(new MouseEvent('click', {bubbles: true, cancelable: true}));
      const source = editor.querySelector('textarea');
      if (editor.classList.contains('sourceMode') && source)
        field = source;
    }
    message.value = post.body;
    field.value = post.body;
    // An editor without a Source button stays in its WYSIWYG view: it takes
    // the text area's text back (through its own conversion) on the form's
    // reset event, so the post is not replaced by its empty view.
    if (editor && field === message && message.form)
      message.form.dispatchEvent(new Event('reset'));
    for (const changed of new Set([subject, message, field])) {
      changed.dispatchEvent(new Event('input', {bubbles: true}));
      changed.dispatchEvent(new Event('change', {bubbles: true}));
    }
    field.focus();
    field.setSelectionRange(0, 0);
    field.scrollTop = 0;
    field.scrollIntoView({block: 'nearest'});
  };
  const editor = editorOf();
  place(editor);
  // The board's scripts may make the editor only after the page has loaded
  // (jQuery runs its ready handlers after a pause, which can fall after the
  // page's load). Made from the text area, it would show the post in its
  // WYSIWYG view; so the moment it appears it is switched to its source box
  // and the post is written there again.
  if (!editor && message.parentNode) {
    const watch = new MutationObserver(() => {
      const late = editorOf();
      if (late) {
        watch.disconnect();
        place(late);
      }
    });
    watch.observe(message.parentNode, {childList: true});
    setTimeout(() => watch.disconnect(), 15000);
  }
  return 'filled';
}))js";

PostingPageKind KindOf(const QVariant& answer)
{
    const QString kind = answer.toString();
    if (kind == QLatin1String("filled"))
        return PostingPageKind::Filled;
    if (kind == QLatin1String("posting-form"))
        return PostingPageKind::PostingForm;
    if (kind == QLatin1String("login"))
        return PostingPageKind::LoginForm;
    return PostingPageKind::Other;
}

}  // namespace

QString PostingFormFiller::Script(const PostingFill& fill)
{
    const QJsonObject data{
        {QStringLiteral("title"), ToQString(fill.title)},
        {QStringLiteral("body"), ToQString(fill.body)},
        {QStringLiteral("fill"), fill.fill},
        {QStringLiteral("host"), ToQString(fill.host)},
    };
    return ScriptData::Call(QLatin1String(FillFunction), data);
}

void PostingFormFiller::Run(QWebEnginePage* page, const PostingFill& fill, std::function<void(PostingPageKind)> done)
{
    page->runJavaScript(Script(fill), QWebEngineScript::ApplicationWorld,
                        [done = std::move(done)](const QVariant& answer) { done(KindOf(answer)); });
}
