#include "BaseWidget.h"

#include "Core.h"
#include "IniFile.h"
#include "Status.h"
#include "Tail.h"

#include <QCoreApplication>
#include <QDebug>
#include <QKeyEvent>
#include <QPainter>

namespace {

// Settings files by the host's numbering: 2 holds the clock format, 0 the menu password.
const int kClockSettingsFile = 2;
const int kPasswordSettingsFile = 0;

bool readFlag(int fileType, const QString& key)
{
    if (!theCore)
        return false;
    const QString path = theCore->configFileName(static_cast<ConfigFileType>(fileType));
    if (path.isEmpty())
        return false;
    // Bounded and non-blocking: a FIFO or a device there reads as "false".
    const IniFile settings(path);
    const bool on = settings.value(key, false).toBool();
    if (!settings.errorString().isEmpty())
        qWarning() << "BaseWidget::readFlag unreadable:" << path << settings.errorString();
    return on;
}

bool isSoftKey(int key)
{
    return key == Qt::Key_Context1 || key == Qt::Key_Context2 || key == Qt::Key_Context3
        || key == Qt::Key_Context4;
}

} // namespace

BaseWidget::BaseWidget(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint),
      m_status(0),
      m_tail(0)
{
    setGeometry(0, 26, 384, 134);
    m_status = theCore ? theCore->statusWidget() : 0;
    m_tail = new Tail(this);
    m_tail->setGeometry(8, 107, 369, 27);
    m_tail->show();
    m_bgColor = QColor(255, 255, 255, 255);
}

BaseWidget::~BaseWidget()
{
}

void BaseWidget::setupStatus()
{
}

void BaseWidget::updateStatus()
{
    if (!m_status)
        return;
    m_status->setTime24Hour(readFlag(kClockSettingsFile, QLatin1String("Settings/24HourTime")));
    m_status->setUIStatusLock(readFlag(kPasswordSettingsFile, QLatin1String("Menu_Password/enable")));
}

QColor BaseWidget::bgColor() const
{
    return m_bgColor;
}

void BaseWidget::setBgColor(const QColor& color)
{
    // Shows at the next paint; callers usually change more before repainting.
    m_bgColor = color;
}

Status* BaseWidget::status() const
{
    return m_status;
}

Tail* BaseWidget::tail() const
{
    return m_tail;
}

bool BaseWidget::event(QEvent* e)
{
    // The status bar is shared: a page coming to the front puts its title back.
    if (e->type() == QEvent::WindowActivate)
        setupStatus();
    return QWidget::event(e);
}

void BaseWidget::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
    } else if (isSoftKey(e->key())) {
        QCoreApplication::sendEvent(m_tail, e);
        e->accept();
    }
}

void BaseWidget::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        close();
    } else if (isSoftKey(e->key())) {
        QCoreApplication::sendEvent(m_tail, e);
        e->accept();
    }
}

void BaseWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, width(), height()), QBrush(m_bgColor));
}

void BaseWidget::closeEvent(QCloseEvent*)
{
    // Closing only hides the page; it is not a rejection.
}

void BaseWidget::hideEvent(QHideEvent*)
{
}
