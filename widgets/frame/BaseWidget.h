#ifndef BASEWIDGET_H
#define BASEWIDGET_H

#include <QColor>
#include <QDialog>

class Status;
class Tail;

// Base of every page: a frameless dialog below the host's status bar, with its own soft-key
// bar. Soft keys go to the bar; Escape closes the page on release.
class BaseWidget : public QDialog
{
    Q_OBJECT
public:
    explicit BaseWidget(QWidget* parent = 0);
    virtual ~BaseWidget();

    // Called on every window activation; pages put their title into the status bar here.
    virtual void setupStatus();
    // Re-reads the clock format and the menu-password switch into the status bar.
    void updateStatus();

    QColor bgColor() const;
    void setBgColor(const QColor& color);

    Status* status() const;
    Tail* tail() const;

protected:
    virtual bool event(QEvent* e);
    virtual void keyPressEvent(QKeyEvent* e);
    virtual void keyReleaseEvent(QKeyEvent* e);
    virtual void paintEvent(QPaintEvent* e);
    virtual void closeEvent(QCloseEvent* e);
    virtual void hideEvent(QHideEvent* e);

    Status* m_status;   // the host's, not owned
    Tail* m_tail;

private:
    QColor m_bgColor;
};

#endif
