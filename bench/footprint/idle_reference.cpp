// The floor bench/footprint measures Tarnwick against: a Qt program that does nothing but wake
// once a second. It is made like Tarnwick's own process at rest (QApplication on the xcb platform,
// a precise one-second timer) and prints "ready" once its event loop runs.

#include <cstdio>

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1000);
    QObject::connect(&tick, &QTimer::timeout, [] {});
    tick.start();
    QTimer::singleShot(0, [] {
        std::puts("ready");
        std::fflush(stdout);
    });
    return app.exec();
}
