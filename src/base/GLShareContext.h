// SPDX-License-Identifier: MIT
#pragma once
// The OpenGL context that every context of the program shares with, which
// the web engine needs before its first page. Qt makes it while the
// application object is made when asked to (Qt::AA_ShareOpenGLContexts);
// under X that is some 20 ms of the start, spent on a context the editor's
// own windows never use. It is made here instead, just before the web module
// is loaded.

// Makes the shared context and tells Qt to share with it, as the attribute
// would have at the start, unless there is one already (the web engine
// makes its own when it is linked into the program rather than loaded).
// Only from the GUI thread, with the application object made.
void EnsureGLShareContext();
