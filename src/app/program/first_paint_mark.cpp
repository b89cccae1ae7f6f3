// The first-paint mark of the program: with VORN_FIRST_PAINT_FILE naming a file, the program
// writes that file once its windows have painted for the first time after start-up (once the
// event loop runs, after the document on the command line is loaded). The start-up benchmark
// starts the real program on an X server and waits for the file.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>

namespace {

class CFirstPaintMark : public QObject {
public:
    explicit CFirstPaintMark(QString path) : QObject(QCoreApplication::instance()), m_path(std::move(path)) {
        // A zero timer fires once the event loop runs: paints before it are of start-up.
        QTimer::singleShot(0, this, [this] { m_running = true; });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (m_running && !m_marked && event->type() == QEvent::Paint) {
            m_marked = true;
            // Written once the whole paint this one belongs to is done.
            QTimer::singleShot(0, this, [this] { Write(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Write() {
        QCoreApplication::instance()->removeEventFilter(this);
        const QString partial = m_path + QStringLiteral(".part");
        QFile file(partial);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
        file.write("painted\n");
        file.close();
        QFile::remove(m_path);
        QFile::rename(partial, m_path);
    }

    QString m_path;
    bool m_running = false;
    bool m_marked = false;
};

void InstallFirstPaintMark() {
    const QString path = qEnvironmentVariable("VORN_FIRST_PAINT_FILE");
    if (path.isEmpty()) return;
    QCoreApplication::instance()->installEventFilter(new CFirstPaintMark(path));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaintMark)
