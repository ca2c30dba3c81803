// SPDX-License-Identifier: MIT
#include "support/BrowserFixture.h"

#include <QFile>

bool BrowserFixture::StartFixture() { return m_folder.isValid() && m_server.Start(); }

bool BrowserFixture::StartPhp(const std::vector<std::pair<QString, QByteArray>>& pages)
{
    if (!m_docRoot.isValid())
        return false;
    for (const auto& [name, content] : pages) {
        QFile file(m_docRoot.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return false;
    }
    m_php = std::make_unique<PhpServer>(m_docRoot.path());
    if (!m_php->Start()) {
        qWarning("%s", qPrintable(m_php->ErrorString()));
        return false;
    }
    return true;
}

void BrowserFixture::BeginTest()
{
    m_platform = new ScriptedPlatform;
    m_context = AppContext{m_folder.path() + "/", &m_settings, m_platform};
    m_server.requests.clear();
}

int BrowserFixture::EndTest()
{
    const int unexpected = m_platform ? m_platform->unexpectedMessages : 0;
    delete m_platform;
    m_platform = nullptr;
    return unexpected;
}

std::unique_ptr<MainWindow> BrowserFixture::MakeMainWindow()
{
    auto window = std::make_unique<MainWindow>(m_context);
    window->show();
    return window;
}

QString BrowserFixture::WritePage(const QString& name, const QByteArray& bytes)
{
    const QString path = m_context.WritableFile(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qWarning("could not write %s", qPrintable(path));
    return path;
}
