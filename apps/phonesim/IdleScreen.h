#ifndef IDLESCREEN_H
#define IDLESCREEN_H

#include "BaseAppInterface.h"

#include <QDateTime>
#include <QTimer>
#include <QWidget>

// The host's idle screen, registered as the application "idle": the clock, the date and the
// zone the host applied, below the shared status bar. OK opens the time-zone settings page;
// "changedTimezone()" makes it read the zone again.
class IdleScreen : public QWidget, public BaseAppInterface
{
    Q_OBJECT
    Q_INTERFACES(BaseAppInterface)
public:
    explicit IdleScreen(QWidget* parent = 0);
    ~IdleScreen();

    bool start(QWidget* parent, void* data) override;
    bool end() override;
    void receiveMsg(const QString& command, const QByteArray& data) override;

    // With more than one page OK offers a menu, and the hint line says so.
    void setPageCount(int count);

    // What the screen shows, as last painted or refreshed.
    QString zone() const;
    QString mode() const;
    QString clockText() const;
    int refreshCount() const;

signals:
    // OK released on the idle screen: the host opens the settings page.
    void openSettings();
    void firstFrame();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private slots:
    void tick();

private:
    void refresh();
    void setupStatus();

    QTimer m_timer;
    QString m_zone;
    QString m_mode;
    QString m_clockText;
    int m_pageCount;
    bool m_okPressed;
    bool m_painted;
    int m_refreshCount;
};

#endif
