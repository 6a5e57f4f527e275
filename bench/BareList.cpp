// The anchor of the speech timing benchmark: a bare Qt list of a hundred rows, whose focus
// change a screen reader says as Qt alone makes it (bench/orca_latency.py).
#include <QApplication>
#include <QListWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QListWidget list;
    list.setWindowTitle(QStringLiteral("Bare list"));
    for (int i = 1; i <= 100; ++i)
        list.addItem(QStringLiteral("Row %1").arg(i));
    list.setCurrentRow(0);
    list.resize(300, 400);
    list.show();
    return QApplication::exec();
}
