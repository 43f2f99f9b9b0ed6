#pragma once
// What the two start-up probe programs share. A probe watches its top-level window; once the
// window has been painted and the event loop has nothing left to do (a zero timer), it quits
// the application. At the end of main it prints one line
//   probe main=<ns> idle=<ns> end=<ns> painted=<0|1> maxrss_kib=<n>
// with readings of CLOCK_MONOTONIC, which every process of the machine shares, so the
// launcher can subtract its own spawn time: main is the entry of main, idle the moment the
// zero timer fired, end the return from main with the window destroyed.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <sys/resource.h>
#include <time.h>

class StartupProbe : public QObject {
public:
    // Construct first thing in main: the construction time is the entry reading.
    StartupProbe() : m_main(now()) {}

    static long long now() {
        timespec ts{};
        clock_gettime(CLOCK_MONOTONIC, &ts);
        return static_cast<long long>(ts.tv_sec) * 1'000'000'000LL + ts.tv_nsec;
    }

    // Quits once `window` has been painted and the loop is idle. A window that is never
    // painted quits after ten seconds and is reported with painted=0.
    void watch(QWidget& window) {
        window.installEventFilter(this);
        QTimer::singleShot(10'000, this, [this] { quitNow(); });
    }

    // Call just before returning from main.
    void report() const {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("probe main=%lld idle=%lld end=%lld painted=%d maxrss_kib=%ld\n", m_main,
                    m_idle, now(), m_painted ? 1 : 0, usage.ru_maxrss);
        std::fflush(stdout);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, this, [this] { quitNow(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void quitNow() {
        if (m_idle == 0) {
            m_idle = now();
            QCoreApplication::quit();
        }
    }

    long long m_main;
    long long m_idle = 0;
    bool m_painted = false;
};
