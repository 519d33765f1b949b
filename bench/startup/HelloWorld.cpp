// The yardstick of start-up: the least a Qt Widgets program does before its
// first paint.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setCentralWidget(new QLabel(QStringLiteral("Hello")));
  window.show();
  return app.exec();
}
