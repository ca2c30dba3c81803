// SPDX-License-Identifier: MIT
#include "browser/WebModuleLoader.h"

#include "base/GLShareContext.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <dlfcn.h>

namespace WebModuleLoader {

namespace {

// The folder of the library this code is in (the windows' library), where the
// module is built and installed beside it: the program's folder in the build
// tree and a portable copy, the private library folder once installed.
QString LibraryFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&Resolve), &info) != 0 && info.dli_fname)
        return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
    return QCoreApplication::applicationDirPath();
}

}  // namespace

QFunctionPointer Resolve(const char* name, QString* error)
{
    // The web engine looks for the shared OpenGL context as it loads.
    EnsureGLShareContext();
    QLibrary module(LibraryFolder() + QStringLiteral("/libquillforge_web"));
    module.setLoadHints(QLibrary::PreventUnloadHint);
    const QFunctionPointer function = module.resolve(name);
    if (!function && error)
        *error = module.errorString();
    return function;
}

}  // namespace WebModuleLoader
