// A minimal Qt Widgets program that shows one label of Japanese text and quits:
// the other side of the start-up benchmark.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Ｈ形鋼Ｓ造小梁の計画"));
    label.show();
    QTimer::singleShot(0, &application, &QApplication::quit);
    return QApplication::exec();
}
