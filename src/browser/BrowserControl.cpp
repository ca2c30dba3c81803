// SPDX-License-Identifier: MIT
#include "browser/BrowserControl.h"

#include "browser/WebModuleLoader.h"

BrowserControl::~BrowserControl() = default;

namespace {

using Factory = BrowserControl* (*)(QWidget* parent, const QString& siteId);

Factory LoadFactory(QString* error)
{
    static Factory factory = nullptr;
    if (!factory)
        factory = reinterpret_cast<Factory>(WebModuleLoader::Resolve(BrowserControl::FactoryName, error));
    return factory;
}

}  // namespace

BrowserControl* BrowserControl::Create(QWidget* parent, const QString& siteId, QString* error)
{
    const Factory factory = LoadFactory(error);
    return factory ? factory(parent, siteId) : nullptr;
}
