// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start to first painted frame, and resident memory while playing, of the
// real main window. The parent starts itself as a child several times and
// takes the time from just before the start to the child's first paint of
// the play field; the child then plays 200 ticks and reports its resident
// memory. Runs offscreen unless DISPLAY is set.

#include "components/media/ImageBox.h"
#include "framework/app/Application.h"
#include "framework/controls/Menus.h"
#include "game/Main.h"
#include "game/UGame.h"

#include <QCoreApplication>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

namespace {

double NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

int Child(int argc, char** argv) {
    orv::TApplication app(argc, argv);
    app.SetTitle(orv::TMainForm::kProgramName);
    app.SetExeName(std::string(std::getenv("ORV_BENCH_DIR")) + "/orbit-raven");
    auto* form = new orv::TMainForm(&app);
    double firstPaint = 0;
    const orv::TNotifyEvent overlay = form->GameImageBox->OnPainted;
    form->GameImageBox->OnPainted = [&](orv::TObject* sender) {
        if (overlay)
            overlay(sender);
        if (firstPaint == 0)
            firstPaint = NowMs();
    };
    form->Show();
    while (firstPaint == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    form->StartItem->Click();
    form->GameImageBox->SetTimerEnabled(false);
    for (int i = 0; i < 200; ++i)
        form->GameImageBox->WndProc(orv::TCustomImageBox::kTickMessage);
    std::printf("%.3f %ld\n", firstPaint, ResidentKb());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--child")
        return Child(argc, argv);
    if (!std::getenv("DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 10;
    char folder[] = "/tmp/orv-bench-XXXXXX";
    setenv("ORV_BENCH_DIR", mkdtemp(folder), 1);
    std::vector<double> startMs;
    std::vector<long> rssKb;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        const double before = NowMs();
        child.start(QString::fromLocal8Bit(argv[0]), {QStringLiteral("--child")});
        child.waitForFinished(30000);
        double painted = 0;
        long rss = 0;
        if (std::sscanf(child.readAllStandardOutput().constData(), "%lf %ld", &painted, &rss) !=
            2) {
            std::puts("the child reported nothing");
            return 1;
        }
        startMs.push_back(painted - before);
        rssKb.push_back(rss);
    }
    std::sort(startMs.begin(), startMs.end());
    std::sort(rssKb.begin(), rssKb.end());
    std::printf("start to first painted frame: median %.1f ms, max %.1f ms (target <= 250 ms)\n",
                startMs[startMs.size() / 2], startMs.back());
    std::printf("resident memory while playing: median %.1f MB, max %.1f MB (target <= 60 MB)\n",
                static_cast<double>(rssKb[rssKb.size() / 2]) / 1024.0,
                static_cast<double>(rssKb.back()) / 1024.0);
    return 0;
}
