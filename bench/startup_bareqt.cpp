// The bare program the start-up benchmark compares Orvalen with: a Qt Widgets window holding
// fourteen push buttons (as many as the main menu), quitting once it is painted and idle.

#include "startupprobe.h"

#include <QApplication>
#include <QGridLayout>
#include <QPushButton>

int main(int argc, char** argv) {
    StartupProbe probe;
    {
        QApplication app(argc, argv);
        QWidget window;
        auto* layout = new QGridLayout(&window);
        for (int i = 0; i < 14; ++i) {
            layout->addWidget(new QPushButton(QStringLiteral("Button %1").arg(i + 1), &window),
                              i % 7, i / 7);
        }
        window.resize(641, 454);
        probe.watch(window);
        window.show();
        QApplication::exec();
    }
    probe.report();
    return 0;
}
