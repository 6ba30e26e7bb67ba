// The start-up baseline: the least a Qt Widgets program of the main window's
// size does, a window with a line edit and a button.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("baseline"));
    window.resize(506, 414);
    auto *input = new QLineEdit(QStringLiteral("137.500"), &window);
    input->setGeometry(264, 40, 89, 25);
    auto *button = new QPushButton(QStringLiteral("COMPUTE"), &window);
    button->setGeometry(376, 40, 113, 25);
    window.show();
    return QApplication::exec();
}
