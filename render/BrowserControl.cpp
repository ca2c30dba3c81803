#include "render/BrowserControl.h"

#include <QCoreApplication>
#include <QLibrary>

BrowserControl::~BrowserControl() = default;

namespace {

using Factory = BrowserControl* (*)(QWidget* parent);

// The module sits beside the program. It stays loaded for the rest of the run
// once a control has been made.
Factory LoadFactory(QString* error)
{
    static Factory factory = nullptr;
    static QString failure;
    if (factory)
        return factory;
    QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/libquillforge_web"));
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
