#include "SlideListView.h"

#include <QPropertyAnimation>

SlideListView::SlideListView(QWidget* parent)
    : ListView(parent),
      m_showAnimation(new QPropertyAnimation(this, "geometry")),
      m_hideAnimation(new QPropertyAnimation(this, "geometry")),
      m_screenRect(QPoint(0, 0), QPoint(383, 159)),
      m_slideType(eSlideFromBottom),
      m_hideDuration(100),
      m_showDuration(100),
      m_showAnimationType(QEasingCurve::Linear),
      m_hideAnimationType(QEasingCurve::Linear),
      m_useAnimation(true)
{
    m_showAnimation->setEasingCurve(QEasingCurve::OutQuad);
    m_showAnimation->setDuration(100);
    m_hideAnimation->setEasingCurve(QEasingCurve::InQuad);
    m_hideAnimation->setDuration(70);
    connect(m_showAnimation, SIGNAL(finished()), this, SIGNAL(showFinished()));
}

SlideListView::~SlideListView()
{
    // Not parented (they animate this widget): stop and delete them before the widget goes.
    m_showAnimation->stop();
    m_hideAnimation->stop();
    delete m_showAnimation;
    delete m_hideAnimation;
}

void SlideListView::setGeometry(QRect const& r)
{
    m_targetRect = r;
    m_hiddenRect = r;
    setSlideType(m_slideType);
    QWidget::setGeometry(r);
}

void SlideListView::setGeometry(int x, int y, int w, int h)
{
    setGeometry(QRect(x, y, w, h));
}

void SlideListView::setSlideType(SlideListView::eSlideType const& type)
{
    m_slideType = type;
    const int screenHeight = m_screenRect.bottom() - m_screenRect.top() + 1;
    const int screenWidth = m_screenRect.right() - m_screenRect.left() + 1;
    switch (type) {
    case eSlideNone:
        m_hiddenRect = m_targetRect;
        break;
    case eSlideFromBottom:
        m_hiddenRect = m_targetRect.translated(0, screenHeight);
        break;
    case eSlideFromTop:
        m_hiddenRect = m_targetRect.translated(0, -screenHeight);
        break;
    case eSlideFromLeft:
        // A fixed distance: the phone's screen width, whatever screen rectangle is set.
        m_hiddenRect = m_targetRect.translated(-384, 0);
        break;
    case eSlideFromRight:
        m_hiddenRect = m_targetRect.translated(screenWidth, 0);
        break;
    default:
        break;
    }
    move(m_hiddenRect.topLeft());
}

SlideListView::eSlideType SlideListView::getSlideType() const
{
    return m_slideType;
}

void SlideListView::setScreenRect(QRect const& r)
{
    m_screenRect = r;
}

QRect SlideListView::getScreenRect() const
{
    return m_screenRect;
}

void SlideListView::setShowDuration(int ms)
{
    m_showDuration = ms;
    m_showAnimation->setDuration(ms);
}

int SlideListView::getShowDuration() const
{
    return m_showDuration;
}

void SlideListView::setHideDuration(int ms)
{
    m_hideDuration = ms;
    m_hideAnimation->setDuration(ms);
}

int SlideListView::getHideDuration() const
{
    return m_hideDuration;
}

void SlideListView::setShowAnimationType(QEasingCurve::Type const& type)
{
    m_showAnimationType = type;
    m_showAnimation->setEasingCurve(type);
}

QEasingCurve SlideListView::getShowAnimationType() const
{
    return QEasingCurve(m_showAnimationType);
}

void SlideListView::setHideAnimationType(QEasingCurve::Type const& type)
{
    m_hideAnimationType = type;
    m_hideAnimation->setEasingCurve(type);
}

QEasingCurve SlideListView::getHideAnimationType() const
{
    return QEasingCurve(m_hideAnimationType);
}

bool SlideListView::useAnimation() const
{
    return m_useAnimation;
}

void SlideListView::setUseAnimation(bool use)
{
    m_useAnimation = use;
}

bool SlideListView::isVisible() const
{
    if (m_useAnimation) {
        if (m_hideAnimation->state() == QAbstractAnimation::Running)
            return false;
        if (m_showAnimation->state() == QAbstractAnimation::Running)
            return true;
    }
    return QWidget::isVisible();
}

QRect SlideListView::targetRect() const
{
    return m_targetRect;
}

QRect SlideListView::hiddenRect() const
{
    return m_hiddenRect;
}

void SlideListView::show()
{
    if (!m_useAnimation) {
        move(m_targetRect.topLeft());
        QWidget::show();
        return;
    }
    // A slide-out still running would fight over the geometry and hide the list at its end.
    m_hideAnimation->stop();
    disconnect(m_hideAnimation, SIGNAL(finished()), this, 0);
    QWidget::show();
    m_showAnimation->stop();
    m_showAnimation->setStartValue(m_hiddenRect);
    m_showAnimation->setEndValue(m_targetRect);
    m_showAnimation->start(QAbstractAnimation::KeepWhenStopped);
}

void SlideListView::hide()
{
    if (!m_useAnimation) {
        QWidget::hide();
        move(m_targetRect.topLeft());
        return;
    }
    startHideAnimation(m_targetRect, SLOT(hideAfterAnimation()));
}

void SlideListView::hideAfterAnimation()
{
    disconnect(m_hideAnimation, SIGNAL(finished()), this, SLOT(hideAfterAnimation()));
    QWidget::hide();
    emit hideFinished();
}

void SlideListView::close()
{
    if (!m_useAnimation) {
        QWidget::close();
        return;
    }
    startHideAnimation(QRect(0, 0, width(), height()), SLOT(closeAfterAnimation()));
}

void SlideListView::closeAfterAnimation()
{
    disconnect(m_hideAnimation, SIGNAL(finished()), this, SLOT(closeAfterAnimation()));
    QWidget::close();
    emit closeFinished();
}

void SlideListView::startHideAnimation(QRect const& from, const char* finishedSlot)
{
    m_showAnimation->stop();
    m_hideAnimation->stop();
    // A hide and a close in a row end with the later one only.
    disconnect(m_hideAnimation, SIGNAL(finished()), this, 0);
    m_hideAnimation->setStartValue(from);
    m_hideAnimation->setEndValue(m_hiddenRect);
    connect(m_hideAnimation, SIGNAL(finished()), this, finishedSlot);
    m_hideAnimation->start(QAbstractAnimation::KeepWhenStopped);
}
