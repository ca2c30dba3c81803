// SPDX-License-Identifier: MIT
#pragma once
// The list of forum sites as the options dialog edits it: what makes a list
// that cannot be stored, and storing one with the sites' forum list files.

#include "base/AppContext.h"
#include "base/Settings.h"

#include <QList>
#include <QString>

class QWidget;

namespace SiteList {

// Why `address` is no web address ("http://" or "https://" and a host);
// empty when it is one.
QString AddressProblem(const QString& address);

// Why `sites` cannot be stored, for the user; empty when they can. There is
// at least one site; every address is a web address, save the first site's
// while it is still unset (empty or only a scheme); two sites with the same
// address have different names.
QString Problem(const QList<SiteEntry>& sites);

// Stores `sites` (a list without Problem): removed sites lose their forum
// list file, and when another site becomes the first its list becomes
// `forums.inf`. False, after a message over `owner`, when a file could not
// be moved or deleted; the settings are stored all the same.
bool Store(const AppContext& context, QWidget* owner, const QList<SiteEntry>& sites);

}  // namespace SiteList
