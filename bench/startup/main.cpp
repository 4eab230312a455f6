// Start-up cost: process start to the frame shown with its information window,
// and peak resident memory, for Quillmere and for a bare Qt main window with a
// menu and an MDI area. Each runs in a fresh process, offscreen.
#include "WindowCatalog.h"
#include "shell/ui/MDIForm1.h"
#include "shell/ui/QuillApp.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

long peakRssKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

int child(int argc, char** argv, bool quillmere)
{
    QuillApp app(argc, argv, WindowCatalog::menus());
    QuillApp::setUp(false);
    QMainWindow bare;
    if (quillmere) {
        MDIForm1::instance().show();
    } else {
        for (const char* m : {"General", "Mech", "Aero", "Finance", "Geo", "About"})
            bare.menuBar()->addMenu(m)->addAction("Item");
        bare.setCentralWidget(new QMdiArea(&bare));
        bare.resize(331, 633);
        bare.show();
    }
    QTimer::singleShot(0, [] {
        std::printf("ready %ld\n", peakRssKb());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return app.exec();
}

struct Figures {
    double medianMs;
    long rssKb;
};

Figures measure(const QString& self, const char* mode, int runs)
{
    std::vector<double> ms;
    long rss = 0;
    for (int i = 0; i < runs; ++i) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        const auto t0 = std::chrono::steady_clock::now();
        p.start(self, {mode});
        p.waitForReadyRead(30000);
        const auto t1 = std::chrono::steady_clock::now();
        const QByteArray line = p.readLine();
        p.waitForFinished(30000);
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        rss = std::max(rss, line.mid(6).trimmed().toLong());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], rss};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--quillmere") return child(argc, argv, true);
    if (argc > 1 && QByteArray(argv[1]) == "--bare") return child(argc, argv, false);

    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    const int runs = 15;
    const Figures q = measure(self, "--quillmere", runs);
    const Figures b = measure(self, "--bare", runs);
    std::printf("start to first frame, median of %d runs (offscreen):\n", runs);
    std::printf("  Quillmere  %7.1f ms  peak RSS %6.1f MB\n", q.medianMs, q.rssKb / 1024.0);
    std::printf("  bare Qt    %7.1f ms  peak RSS %6.1f MB\n", b.medianMs, b.rssKb / 1024.0);
    std::printf("  ratio      %7.2fx     memory +%.1f MB  (goal: <= 1.5x, <= +10 MB)\n", q.medianMs / b.medianMs,
                (q.rssKb - b.rssKb) / 1024.0);
    return 0;
}
