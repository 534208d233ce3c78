// The start-up anchor: a Qt "hello world" of three labels on the phone's 384 x 160 screen, in
// the simulator's font, that ends once its first frame is painted.
#include <QApplication>
#include <QLabel>

#include <cstdio>

// Callgrind stops counting when this returns (--dump-after); keep it a real call.
extern "C" Q_DECL_EXPORT void __attribute__((noinline)) benchFirstFrame()
{
    printf("first frame\n");
    fflush(stdout);
}

namespace {

class LastLabel : public QLabel
{
public:
    LastLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QLabel::paintEvent(e);
        if (!m_painted) {
            m_painted = true;
            benchFirstFrame();
            QCoreApplication::exit(0);
        }
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "72");
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    QApplication app(argc, argv);
    app.setFont(QFont("Liberation Sans Narrow"));
    QWidget screen;
    screen.setGeometry(0, 0, 384, 160);
    QLabel title("Idle", &screen);
    title.setGeometry(5, 2, 280, 22);
    QLabel clock("10:17 AM", &screen);
    clock.setGeometry(300, 2, 72, 22);
    LastLabel hint("OK: Time zone settings", &screen);
    hint.setGeometry(0, 110, 384, 24);
    screen.show();
    return app.exec();
}
