// A small window program for the walks: `titled_window TITLE` shows one window with that
// title, green while it has the focus, and ends on Escape or when its window closes.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {

class TitledWindow : public QWidget {
 public:
  explicit TitledWindow(const QString& title) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(title, this));
    layout->addWidget(new QLabel(QStringLiteral("Esc: end"), this));
    resize(320, 120);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape) close();
    QWidget::keyPressEvent(event);
  }
  void focusInEvent(QFocusEvent* event) override {
    setStyleSheet(QStringLiteral("background: #c0ffc0"));
    QWidget::focusInEvent(event);
  }
  void focusOutEvent(QFocusEvent* event) override {
    setStyleSheet(QString());
    QWidget::focusOutEvent(event);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  TitledWindow window(args.size() > 1 ? args[1] : QStringLiteral("titled_window"));
  window.setFocusPolicy(Qt::StrongFocus);
  window.move(700, 100);
  window.show();
  return app.exec();
}
