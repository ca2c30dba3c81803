// SPDX-License-Identifier: MIT
#include "browser/LivePreviewView.h"

#include "browser/WebModuleLoader.h"

LivePreviewView::~LivePreviewView() = default;

LivePreviewView* LivePreviewView::Create(QWidget* parent, QString* error)
{
    using Factory = LivePreviewView* (*)(QWidget * parent);
    static Factory factory = nullptr;
    if (!factory)
        factory = reinterpret_cast<Factory>(WebModuleLoader::Resolve(FactoryName, error));
    return factory ? factory(parent) : nullptr;
}
