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
  message.value = post.body;
  for (const field of [subject, message]) {
    field.dispatchEvent(new Event('input', {bubbles: true}));
    field.dispatchEvent(new Event('change', {bubbles: true}));
  }
  message.focus();
  message.setSelectionRange(0, 0);
  message.scrollTop = 0;
  message.scrollIntoView({block: 'nearest'});
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
