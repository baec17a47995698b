// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up benchmark: launches the program several times and measures the
// time from the process start to the main window shown (the program prints
// that moment when LUDORINE_STARTUP_PROBE is set, then quits). The splash
// window accounts for one second of it by design.
//
// Usage: bench_startup [PROGRAM] [RUNS]   (needs a display: run under xvfb-run)
#include <algorithm>
#include <cstdio>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString program =
        args.size() > 1 ? args[1] : app.applicationDirPath() + QStringLiteral("/ludorine");
    const int runs = args.size() > 2 ? std::max(1, args[2].toInt()) : 10;

    // A private settings and data folder, so that the runs neither read nor
    // change the user's own.
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUDORINE_STARTUP_PROBE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));

    std::vector<double> outside, inside;
    for (int run = 0; run < runs; ++run) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(QFileInfo(program).absolutePath());
        QElapsedTimer clock;
        clock.start();
        process.start(program, {});
        if (!process.waitForStarted(5000)) {
            std::fprintf(stderr, "cannot start %s\n", qPrintable(program));
            return 1;
        }
        QByteArray output;
        while (!output.contains('\n') && process.waitForReadyRead(10000))
            output += process.readAllStandardOutput();
        const double shown = clock.nsecsElapsed() / 1e6;
        process.waitForFinished(10000);
        const QByteArray line = output.trimmed();
        const int at = line.indexOf("after ");
        if (at < 0) {
            std::fprintf(stderr, "no start-up line from %s: %s\n", qPrintable(program),
                         process.readAllStandardError().constData());
            return 1;
        }
        outside.push_back(shown);
        inside.push_back(line.mid(at + 6).split(' ').first().toDouble());
    }
    auto report = [](const char *what, std::vector<double> values) {
        std::sort(values.begin(), values.end());
        std::printf("%-38s min %7.1f ms  median %7.1f ms  max %7.1f ms  (splash 1000 ms included)\n", what,
                    values.front(), values[values.size() / 2], values.back());
    };
    std::printf("runs: %d\n", runs);
    report("process start -> main window shown", outside);
    report("main() -> main window shown", inside);
    return 0;
}
