// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the main window is created hidden and disabled, finds the
// dictionary, then the splash window shows for one second before the main
// window appears and opens the saved game named on the command line.
#include "app/main_form.h"
#include "app/program_pictures.h"
#include "app/splash_form.h"
#include "app/version.h"
#include "wordgames/scene3d/scene_view.h"

#include <cstdio>
#include <QApplication>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();

    // The 3D scenes' surface format must be the default before the first
    // OpenGL widget, hence before the application.
    scene3d::SetDefaultSurfaceFormat();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ludorine"));
    QApplication::setApplicationVersion(QStringLiteral(LUDORINE_VERSION));
    QApplication::setApplicationDisplayName(QStringLiteral("Ludorine"));
    QApplication::setDesktopFileName(QStringLiteral("ludorine"));
    QApplication::setWindowIcon(ProgramIcon());
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    // The standard dialogs (file dialogs, print dialog) in French.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    TMainForm mainForm(TMainForm::DefaultEnvironment(arguments));
    if (!mainForm.Initialize())
        return 1;
    mainForm.setEnabled(false);
    mainForm.hide();

    // With LUDORINE_STARTUP_PROBE set, the program prints the time from its
    // start to the main window shown, then quits (start-up benchmark).
    const bool probe = qEnvironmentVariableIsSet("LUDORINE_STARTUP_PROBE");

    auto *splash = new TSplashForm(&mainForm);
    splash->setAttribute(Qt::WA_DeleteOnClose, false);
    mainForm.SetSplash(splash);
    QObject::connect(splash, &TSplashForm::finished, &app, [&] {
        if (!probe)
            return;
        QTimer::singleShot(0, &app, [&] {
            std::printf("main window shown after %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
            std::fflush(stdout);
            mainForm.Quit();
        });
    });
    splash->show();
    splash->repaint();

    return QApplication::exec();
}
