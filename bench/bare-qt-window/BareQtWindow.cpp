// The yardstick for the Linux edition's start-up: an empty window of the
// same size, built with the same compiler and flags. bench/linux-startup
// times the two alternately.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
