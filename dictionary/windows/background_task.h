// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs one piece of long dictionary work (an export, the statistics) on a
// worker thread while the window stays responsive: the busy cursor shows,
// and a progress dialog appears when the work lasts, its text refreshed from
// `status` a few times a second. The work must use its own dictionary
// objects: none of the window's is touched from the worker.
#include <functional>
#include <QString>

class QWidget;

// Returns once the work has finished; false when it threw.
bool RunInBackground(QWidget *parent, const QString &title, const std::function<void()> &work,
                     const std::function<QString()> &status);
