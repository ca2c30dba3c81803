// SPDX-License-Identifier: MIT
#include "base/GLShareContext.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QtGui/private/qopenglcontext_p.h>

namespace {

QOpenGLContext* g_shareContext = nullptr;

// Run as the application object is destroyed, as Qt does with its own.
void DestroyGLShareContext()
{
    if (qt_gl_global_share_context() == g_shareContext)
        qt_gl_set_global_share_context(nullptr);
    delete g_shareContext;
    g_shareContext = nullptr;
}

}  // namespace

void EnsureGLShareContext()
{
    if (qt_gl_global_share_context())
        return;
    // As the application object does with the attribute: the context is kept
    // even where it cannot be created (no OpenGL), and the web engine then
    // sees it is not valid.
    g_shareContext = new QOpenGLContext;
    g_shareContext->create();
    qt_gl_set_global_share_context(g_shareContext);
    qAddPostRoutine(&DestroyGLShareContext);
    // Qt's own parts that ask the attribute (the scene graph that shows the
    // web pages) then share with the context too.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
