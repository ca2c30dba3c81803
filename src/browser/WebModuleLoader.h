// SPDX-License-Identifier: MIT
#pragma once
// Loads the web module (libquillforge_web.so, the only part of the program
// that touches the web engine) on first use and finds its entry points. The
// module sits beside the windows' library and stays loaded for the rest of
// the run once loaded.

#include <QString>
#include <QtGlobal>

namespace WebModuleLoader {

// The module's function `name`; null when the module cannot be loaded or
// lacks it, and `error` (when given) then says why.
QFunctionPointer Resolve(const char* name, QString* error);

}  // namespace WebModuleLoader
