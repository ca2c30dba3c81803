// SPDX-License-Identifier: MIT
// Start-up to the shown main window, against a bare Qt window that shows one
// QPlainTextEdit: both are started as processes many times, each timed from
// its start to the line it writes once its window is painted, and the
// medians compared. The editor must not start the web engine on its way up.

#include "BenchHarness.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

bool g_failed = false;

// An environment whose caches are empty: a fresh XDG_CACHE_HOME (Qt's and
// Mesa's caches) and a font library configuration that reads the system's
// rules and fonts but keeps its font list cache in a fresh folder, so the
// font files are scanned again. `folder` must outlive the run.
QProcessEnvironment ColdEnvironment(QProcessEnvironment environment, const QString& folder)
{
    const QString cache = folder + QStringLiteral("/cache");
    QDir().mkpath(cache);
    QFile fonts(folder + QStringLiteral("/fonts.conf"));
    if (fonts.open(QIODevice::WriteOnly)) {
        fonts.write("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                    "<fontconfig>\n"
                    "  <dir>/usr/share/fonts</dir>\n"
                    "  <dir>/usr/local/share/fonts</dir>\n"
                    "  <include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n"
                    "  <cachedir>" + QFile::encodeName(folder) + "/fontconfig</cachedir>\n"
                    "</fontconfig>\n");
        fonts.close();
    }
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), fonts.fileName());
    return environment;
}

// The median time from starting `program` to its "painted" line; with
// `cold`, every run starts with empty caches.
double StartMs(const QString& program, const QProcessEnvironment& environment, int runs, bool cold = false)
{
    std::vector<double> times;
    for (int run = 0; run < std::max(1, runs); ++run) {
        QTemporaryDir caches;
        QProcess process;
        process.setProcessEnvironment(cold ? ColdEnvironment(environment, caches.path()) : environment);
        const auto start = std::chrono::steady_clock::now();
        process.start(program, {});
        while (!process.canReadLine() && process.waitForReadyRead(60000)) {
        }
        const auto painted = std::chrono::steady_clock::now();
        const bool said = process.readLine() == "painted\n";
        if (!said || !process.waitForFinished(60000) || process.exitCode() != 0) {
            std::fprintf(stderr, "%s did not start cleanly\n", qPrintable(program));
            g_failed = true;
        }
        times.push_back(std::chrono::duration<double, std::milli>(painted - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    const bool quick = Bench::Quick(argc, argv);
    QCoreApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();

    // A configured site, so start-up goes straight to the main window.
    QTemporaryDir home;
    QDir().mkpath(home.path() + "/Quillforge");
    QFile conf(home.path() + "/Quillforge/Quillforge.conf");
    if (!conf.open(QIODevice::WriteOnly))
        return 1;
    conf.write("[Options]\nSiteAdress=http://forum.test/\n");
    conf.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", home.path());
    if (!environment.contains("QT_QPA_PLATFORM"))
        environment.insert("QT_QPA_PLATFORM", "offscreen");

    const int runs = quick ? 1 : 15;
    StartMs(folder + "/startup_bare", environment, 1);  // warm the file cache
    StartMs(folder + "/startup_quillforge", environment, 1);
    const double bare = StartMs(folder + "/startup_bare", environment, runs);
    const double editor = StartMs(folder + "/startup_quillforge", environment, runs);
    Bench::Report("start-up, bare Qt window", bare, "ms");
    Bench::Report("start-up, Quillforge main window", editor, "ms");
    Bench::Report("start-up ratio (Quillforge / bare)", editor / bare, "x");

    // The first start after the caches were emptied (a new user, a cleaned
    // cache): the font library scans the font files again.
    const int coldRuns = quick ? 1 : 5;
    const double coldBare = StartMs(folder + "/startup_bare", environment, coldRuns, true);
    const double coldEditor = StartMs(folder + "/startup_quillforge", environment, coldRuns, true);
    Bench::Report("start-up, cold caches, bare Qt window", coldBare, "ms");
    Bench::Report("start-up, cold caches, Quillforge main window", coldEditor, "ms");
    Bench::Report("start-up ratio, cold caches", coldEditor / coldBare, "x");
    return g_failed ? 1 : 0;
}
