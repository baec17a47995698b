// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/main_window_link.h"

namespace {
MainWindowLink *g_mainForm = nullptr;
}

MainWindowLink *MainForm()
{
    return g_mainForm;
}

void SetMainForm(MainWindowLink *mainForm)
{
    g_mainForm = mainForm;
}
