// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/windows/background_task.h"

#include "dictionary/windows/busy_cursor.h"

#include <atomic>
#include <memory>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

bool RunInBackground(QWidget *parent, const QString &title, const std::function<void()> &work,
                     const std::function<QString()> &status)
{
    BusyCursor busy;
    std::atomic<bool> failed = false;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            work();
        } catch (...) {
            failed = true;
        }
    }));

    QProgressDialog progress(parent);
    progress.setWindowTitle(title);
    progress.setCancelButton(nullptr);
    progress.setRange(0, 0); // no known end: a moving bar
    progress.setMinimumDuration(0);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumWidth(360);
    progress.setLabelText(status());

    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer refresh;
    QObject::connect(&refresh, &QTimer::timeout, &progress, [&] {
        progress.setLabelText(status());
        if (!progress.isVisible())
            progress.show();
    });
    // Short work ends before anything flashes on the screen.
    refresh.start(250);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    return !failed;
}
