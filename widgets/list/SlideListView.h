#ifndef SLIDELISTVIEW_H
#define SLIDELISTVIEW_H

#include "ListView.h"

#include <QEasingCurve>
#include <QRect>

class QPropertyAnimation;

// A ListView that slides into its target geometry when shown and out again when hidden or
// closed, by animating its own geometry. The hidden geometry lies one screen away in the
// slide direction.
//
// show(), hide(), close(), isVisible() and setGeometry() stand in front of the QWidget
// members of the same names: call them on a SlideListView, not through a QWidget pointer.
class SlideListView : public ListView
{
    Q_OBJECT
public:
    // Fixed underlying type: a page may store any number; unknown ones keep the hidden place.
    enum eSlideType : int {
        eSlideNone = 0,
        eSlideFromBottom = 1,
        eSlideFromTop = 2,
        eSlideFromLeft = 3,
        eSlideFromRight = 4
    };

    explicit SlideListView(QWidget* parent = 0);
    ~SlideListView();

    // The target geometry; the hidden one follows from the slide type.
    void setGeometry(QRect const& r);
    void setGeometry(int x, int y, int w, int h);

    void setSlideType(SlideListView::eSlideType const& type);
    SlideListView::eSlideType getSlideType() const;
    // Stored only; used from the next setSlideType() or setGeometry().
    void setScreenRect(QRect const& r);
    QRect getScreenRect() const;

    // The getters report the stored values; the animations keep 100 ms OutQuad in and
    // 70 ms InQuad out until the matching setter is called.
    void setShowDuration(int ms);
    int getShowDuration() const;
    void setHideDuration(int ms);
    int getHideDuration() const;
    void setShowAnimationType(QEasingCurve::Type const& type);
    QEasingCurve getShowAnimationType() const;
    void setHideAnimationType(QEasingCurve::Type const& type);
    QEasingCurve getHideAnimationType() const;

    // Off: show() and hide() jump without finished signals and close() closes at once.
    bool useAnimation() const;
    void setUseAnimation(bool use);

    // False while sliding out, true while sliding in, else the widget's visibility.
    bool isVisible() const;

    QRect targetRect() const;
    QRect hiddenRect() const;

public slots:
    void show();
    void hide();
    void hideAfterAnimation();
    void close();
    void closeAfterAnimation();

signals:
    void showFinished();
    void hideFinished();
    void closeFinished();

private:
    void startHideAnimation(QRect const& from, const char* finishedSlot);

    QPropertyAnimation* m_showAnimation;
    QPropertyAnimation* m_hideAnimation;
    QRect m_hiddenRect;
    QRect m_targetRect;
    QRect m_screenRect;
    eSlideType m_slideType;
    int m_hideDuration;
    int m_showDuration;
    QEasingCurve::Type m_showAnimationType;
    QEasingCurve::Type m_hideAnimationType;
    bool m_useAnimation;
};

#endif
