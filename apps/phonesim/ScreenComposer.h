#ifndef SCREENCOMPOSER_H
#define SCREENCOMPOSER_H

#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>

class QWidget;

// The phone's screen as one picture: the visible top-level windows (status bar, idle screen,
// pages, popups) painted at their screen positions, lowest first, in the order they were
// last shown. It also gives translucent windows (the popups) a backdrop of what lies below
// them, because a window system without compositing (Qt's VNC server, a bare X server) would
// otherwise show black where they are transparent.
class ScreenComposer : public QObject
{
    Q_OBJECT
public:
    explicit ScreenComposer(const QSize& screen, QObject* parent = 0);
    ~ScreenComposer();

    QSize screenSize() const;
    // The whole screen; with below set, only the windows under that one.
    QImage compose(const QWidget* below = 0) const;
    bool save(const QString& path) const;
    // Visible windows, lowest first.
    QList<QWidget*> stack() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void forget(QObject* window);

private:
    void raise(QWidget* window);

    QSize m_screen;
    QList<QPointer<QWidget> > m_order;
    QHash<QObject*, QImage> m_backdrops;
};

#endif
