// For reference: an empty window of Zorbika's size and place.

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

int main(int argc, char** argv)
{
    const QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(461, 345);
    // Where Zorbika opens: in the middle of the screen.
    window.setGeometry(QStyle::alignedRect(
        Qt::LeftToRight, Qt::AlignCenter, window.size(), window.screen()->availableGeometry()));
    window.show();
    return QApplication::exec();
}
