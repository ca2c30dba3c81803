// SPDX-License-Identifier: MIT
#pragma once
// The commands that write a page into the writable folder (created when
// missing) and show it in the browser window: the preview and the contact
// page. Each deletes the earlier page, writes the new one
// whole and opens the browser window in its mode, modal over `owner`. A page
// that cannot be deleted or written gives a message naming the file and the
// system's reason, and no window opens.
//
// Nothing here touches the web engine until a window is opened.

#include "browser/BrowserMode.h"

#include <QUrl>
#include <string>
#include <string_view>

struct AppContext;
class QWidget;

namespace BrowserPages {

// Writes `bytes` as the page of `mode` (its file in the writable folder) and
// shows it. With a valid `baseUrl` the page's text is shown as if loaded from
// that address instead of from its file. False when the page could not be
// written and no window opened.
bool WriteAndShow(const AppContext& context, QWidget* owner, BrowserMode mode, const std::string& bytes,
                  const QUrl& baseUrl = QUrl());

// The preview command: `post` rendered into `preview.htm`, shown in preview mode.
bool Preview(const AppContext& context, QWidget* owner, std::string_view post);

// The contact command: `Contact.htm`, shown in contact mode.
bool Contact(const AppContext& context, QWidget* owner);

}  // namespace BrowserPages
