// SPDX-License-Identifier: MIT
// Preloaded (LD_PRELOAD) into a real editor process by tst_install: once the
// application object exists it drives the program's own windows, the way a
// user would, and writes what it saw as "key=value" lines into the file that
// QF_DRIVER_REPORT names; tst_install judges them. It knows the windows only
// by their class and control names, so it links nothing of the program.
//
// The run: Save in the options dialog that the first start shows (with one
// forum in its extraction list), the main window with the command line's
// post, the preview of that post (until its pictures have loaded), the
// contact page, then the program ends.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace {

QWidget* ShownWindow(const char* className)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && qstrcmp(window->metaObject()->className(), className) == 0)
            return window;
    return nullptr;
}

class Driver : public QObject {
public:
    Driver()
    {
        connect(&m_tick, &QTimer::timeout, this, &Driver::Tick);
        m_tick.start(100);
        m_inStep.start();
    }

private:
    void Tick()
    {
        // A step that does not come about (no window, no web view, a page
        // that never loads) ends the run instead of hanging it.
        if (m_step != m_stepTimed) {
            m_stepTimed = m_step;
            m_inStep.restart();
        } else if (m_inStep.elapsed() > 45000) {
            return Finish(QStringLiteral("timed out in step %1").arg(m_step));
        }
        switch (m_step) {
        case 0:
            return SaveOptions();
        case 1:
            return OpenPreview();
        case 2:
            return WatchPage("preview");
        case 3:
            return OpenContact();
        case 4:
            return WatchPage("contact");
        default:
            return;
        }
    }

    void SaveOptions()
    {
        QWidget* options = ShownWindow("OptionsDialog");
        if (!options)
            return;
        options->findChild<QLineEdit*>(QStringLiteral("siteAddressEdit"))
            ->setText(QStringLiteral("http://forum.test/"));
        options->findChild<QListWidget*>(QStringLiteral("forumsFoundList"))
            ->addItem(QStringLiteral("7- Installed forum"));
        m_step = 1;
        // Save closes the modal dialog: pressed from the event loop, not from
        // inside this tick.
        QPushButton* save = options->findChild<QPushButton*>(QStringLiteral("saveButton"));
        QTimer::singleShot(0, save, &QPushButton::click);
    }

    void OpenPreview()
    {
        QWidget* main = ShownWindow("MainWindow");
        if (!main)
            return;
        Note("title", main->findChild<QLineEdit*>(QStringLiteral("subjectEdit"))->text());
        const auto* forums = main->findChild<QComboBox*>(QStringLiteral("forumChooser"));
        QStringList entries;
        for (int i = 0; i < forums->count(); ++i)
            entries << forums->itemText(i);
        Note("forums", entries.join(QLatin1Char('|')));
        m_main = main;
        m_step = 2;
        QTimer::singleShot(0, main->findChild<QPushButton*>(QStringLiteral("previewButton")), &QPushButton::click);
    }

    void OpenContact()
    {
        if (ShownWindow("BrowserWindow"))
            return;
        m_step = 4;
        QTimer::singleShot(0, m_main, [this] {
            for (QAction* action : m_main->findChildren<QAction*>())
                if (action->objectName() == QStringLiteral("contactAction"))
                    action->trigger();
        });
    }

    // Once the browser window shows its page: where the page was loaded from,
    // the pictures it refers to, and whether they all loaded.
    void WatchPage(const char* key)
    {
        QWidget* browser = ShownWindow("BrowserWindow");
        auto* view = browser ? browser->findChild<QWebEngineView*>() : nullptr;
        if (!view || m_asking)
            return;
        m_asking = true;
        const QString script =
            QStringLiteral("location.protocol == 'file:' && document.readyState == 'complete' ? "
                           "Array.from(document.images).map(function (i) {"
                           " return (i.complete && i.naturalWidth > 0 ? 'loaded ' : 'missing ') + i.src; }).join('\\n')"
                           " : null");
        view->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, [=, this](const QVariant& value) {
            m_asking = false;
            if (value.isNull() || ShownWindow("BrowserWindow") != browser)
                return;
            const QString page = view->url().toLocalFile();
            Note(QStringLiteral("%1.page").arg(QLatin1String(key)), page);
            Note(QStringLiteral("%1.pictures").arg(QLatin1String(key)), value.toString().replace('\n', '|'));
            QFile file(page);
            QStringList sources;
            if (file.open(QIODevice::ReadOnly)) {
                const QRegularExpression src(QStringLiteral("src=\"([^\"]*)\""));
                for (const auto& match : src.globalMatch(QString::fromUtf8(file.readAll())))
                    sources << match.captured(1);
            }
            Note(QStringLiteral("%1.sources").arg(QLatin1String(key)), sources.join(QLatin1Char('|')));
            ++m_step;
            browser->close();
            if (m_step > 4)
                Finish(QString());
        });
    }

    void Note(const QString& key, const QString& value)
    {
        m_report += key + QLatin1Char('=') + value + QLatin1Char('\n');
    }

    void Finish(const QString& failure)
    {
        m_tick.stop();
        if (!failure.isEmpty())
            Note(QStringLiteral("failure"), failure);
        QFile report(qEnvironmentVariable("QF_DRIVER_REPORT"));
        if (report.open(QIODevice::WriteOnly))
            report.write(m_report.toUtf8());
        // Ends the event loop without the close sequence's questions.
        QApplication::exit(failure.isEmpty() ? 0 : 3);
    }

    QTimer m_tick;
    QElapsedTimer m_inStep;
    int m_stepTimed = 0;
    int m_step = 0;
    bool m_asking = false;
    QWidget* m_main = nullptr;
    QString m_report;
};

void StartDriver()
{
    auto* driver = new Driver;
    driver->setParent(QCoreApplication::instance());
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(StartDriver)
