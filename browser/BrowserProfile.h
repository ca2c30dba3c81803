// SPDX-License-Identifier: MIT
#pragma once
// The browser's one profile, shared by every browser window of the run. It is
// created when a browser window is first needed, so start-up never starts the
// web engine. It keeps cookies, the cache and site data in the user's data
// folder, so a forum login survives a restart.

class QWebEngineProfile;

namespace BrowserProfile {

// The profile, created on the first call: persistent storage under the
// user's data folder, cookies kept across runs (session cookies too), local
// pages allowed to load remote pictures and send forms to remote sites, and
// UTF-8 as the text encoding of pages that declare none.
QWebEngineProfile* Shared();

}  // namespace BrowserProfile
