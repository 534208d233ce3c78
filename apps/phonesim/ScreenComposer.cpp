#include "ScreenComposer.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QWidget>

ScreenComposer::ScreenComposer(const QSize& screen, QObject* parent)
    : QObject(parent), m_screen(screen)
{
    qApp->installEventFilter(this);
}

ScreenComposer::~ScreenComposer()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

QSize ScreenComposer::screenSize() const
{
    return m_screen;
}

QList<QWidget*> ScreenComposer::stack() const
{
    QList<QWidget*> list;
    for (const QPointer<QWidget>& w : m_order)
        if (w && w->isVisible())
            list.append(w.data());
    return list;
}

QImage ScreenComposer::compose(const QWidget* below) const
{
    QImage screen(m_screen, QImage::Format_ARGB32_Premultiplied);
    screen.fill(Qt::black);
    QPainter p(&screen);
    for (QWidget* w : stack()) {
        if (w == below)
            break;
        // Each window alone first, so that its transparent parts stay transparent.
        QImage layer(w->size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        w->render(&layer, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
        p.drawImage(w->geometry().topLeft(), layer);
    }
    p.end();
    return screen.convertToFormat(QImage::Format_RGB32);
}

bool ScreenComposer::save(const QString& path) const
{
    return compose().save(path, "PNG");
}

void ScreenComposer::forget(QObject* window)
{
    m_backdrops.remove(window);
}

void ScreenComposer::raise(QWidget* window)
{
    for (int i = m_order.size() - 1; i >= 0; --i)
        if (!m_order.at(i) || m_order.at(i) == window)
            m_order.removeAt(i);
    m_order.append(window);
}

bool ScreenComposer::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType())
        return false;
    QWidget* w = static_cast<QWidget*>(watched);
    if (!w->isWindow())
        return false;
    switch (event->type()) {
    case QEvent::Show:
        raise(w);
        if (w->testAttribute(Qt::WA_TranslucentBackground)) {
            if (!m_backdrops.contains(w))
                connect(w, SIGNAL(destroyed(QObject*)), this, SLOT(forget(QObject*)));
            m_backdrops.insert(w, compose(w).copy(w->geometry()));
        }
        break;
    case QEvent::Paint:
        if (m_backdrops.contains(w)) {
            // Runs inside the window's paint, before its own paintEvent draws on top.
            QPainter p(w);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(0, 0, m_backdrops.value(w));
        }
        break;
    default:
        break;
    }
    return false;
}
