// For reference: an empty window of Zorbika's size.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    const QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(461, 345);
    window.show();
    return QApplication::exec();
}
