// SPDX-License-Identifier: MIT
#include "browser/BrowserControl.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <dlfcn.h>

BrowserControl::~BrowserControl() = default;

namespace {

using Factory = BrowserControl* (*)(QWidget* parent);

// The folder of the library this code is in (the windows' library), where the
// module is built and installed beside it: the program's folder in the build
// tree and a portable copy, the private library folder once installed.
QString LibraryFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&BrowserControl::Create), &info) != 0 && info.dli_fname)
        return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
    return QCoreApplication::applicationDirPath();
}

// The module sits beside the windows' library. It stays loaded for the rest
// of the run once a control has been made.
Factory LoadFactory(QString* error)
{
    static Factory factory = nullptr;
    static QString failure;
    if (factory)
        return factory;
    QLibrary module(LibraryFolder() + QStringLiteral("/libquillforge_web"));
    module.setLoadHints(QLibrary::PreventUnloadHint);
    factory = reinterpret_cast<Factory>(module.resolve(BrowserControl::FactoryName));
    if (!factory)
        failure = module.errorString();
    if (error)
        *error = failure;
    return factory;
}

}  // namespace

BrowserControl* BrowserControl::Create(QWidget* parent, QString* error)
{
    const Factory factory = LoadFactory(error);
    return factory ? factory(parent) : nullptr;
}
