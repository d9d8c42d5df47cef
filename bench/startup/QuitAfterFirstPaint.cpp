#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

// Linked into a start-up measurement program: once the first widget has been painted, the program
// quits at the next idle of its event loop, so a run costs exactly its start-up. A run that never
// paints ends with exit code 2 after ten seconds.

namespace
{

class FirstPaint : public QObject
{
  public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!armed_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            armed_ = true;
            // Zero-time timers run once the events queued before them are done: the rest of the
            // window's paint comes first.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
        }
        return false;
    }

  private:
    bool armed_ = false;
};

void installProbe()
{
    qApp->installEventFilter(new FirstPaint(qApp));
    QTimer::singleShot(10000, qApp, [] {
        std::fputs("startup: no paint within 10 s\n", stderr);
        std::exit(2);
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
