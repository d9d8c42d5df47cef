#include <QApplication>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWidget>

// The yardstick for the program's start-up: one maximised form holding a 62x4 table, as little as
// a Qt window with a grid costs.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget form;
    auto *layout = new QVBoxLayout(&form);
    layout->addWidget(new QTableWidget(62, 4, &form));
    form.showMaximized();
    return QApplication::exec();
}
