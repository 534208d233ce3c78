#include "SelectPopup.h"

#include "Core.h"
#include "ImageButton.h"
#include "ListViewItem.h"
#include "SelectPopupListView.h"

#include <QDebug>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QPropertyAnimation>

namespace {

// Off the right edge of the 384-pixel screen.
const QPoint kParked(384, 0);

void placeButton(ImageButton* button, int x, const QString& text)
{
    button->QWidget::setGeometry(x, 133, 87, 25);
    button->setLeftGap(0);
    button->setRightGap(0);
    button->setText(text);
}

} // namespace

SelectPopup::SelectPopup(QWidget* parent, int kind)
    : QDialog(parent, Qt::FramelessWindowHint),
      m_litView(0),
      m_nextButton(0),
      m_cancelButton(0),
      m_okButton(0),
      m_useBackGroundRect(true),
      m_useBackGroundRectVideo(false),
      m_kind(kind),
      m_selectedIdx(-1),
      m_keyPressed(false),
      m_backgroundImage(new QPixmap),
      m_AlphaValue(0),
      m_contentsTitleX(18),
      m_contentsTitleY(30),
      m_showAnimation(0),
      m_hideAnimation(0),
      m_alphaAnimation(0),
      m_useAnimation(false),
      m_hiding(false),
      m_useFastClose(false),
      m_cancelKey(Qt::Key_Context4),
      m_nextKey(Qt::Key_Context3),
      m_okKey(Qt::Key_Context3),
      m_multipleCheck(false)
{
    setObjectName("SelectPopup");
    setModal(true);

    QWidget::setGeometry(190, 0, 194, 161);
    setAttribute(Qt::WA_TranslucentBackground);
    QFont f = font();
    f.setPointSize(13);
    setFont(f);

    m_litView = new SelectPopupListView(this);
    m_litView->setAttribute(Qt::WA_TranslucentBackground);
    m_litView->setStartFuncKey(Qt::Key_F6);
    m_litView->setObjectName("SelectPopup::m_litView");
    connect(m_litView, SIGNAL(clicked(int)), this, SLOT(clickedListView(int)));
    m_litView->setPageCount(4);
    m_litView->setScrollRightMargin(0);
    m_litView->setBackgroundColor(QColor(255, 255, 255));
    m_litView->setLineColor(QColor(0, 0, 0));
    m_litView->setLineLeftMargin(0);
    m_litView->setLineRightMargin(0);
    m_litView->setScrollTopMargin(0);
    m_litView->setScrollBottomMargin(0);
    m_litView->setUseDirectMovement(true);
    m_litView->setGeometry(5, 8, 183, 122);
    // Keys go to the list first; the popup gets what the list leaves.
    m_litView->setFocus(Qt::OtherFocusReason);

    m_nextButton = new ImageButton(this);
    placeButton(m_nextButton, 7, QString(QChar(0x2228)));
    connect(m_nextButton, SIGNAL(clicked()), this, SLOT(nextButtonClicked()));

    m_cancelButton = new ImageButton(this);
    connect(m_cancelButton, SIGNAL(clicked()), this, SLOT(reject()));
    placeButton(m_cancelButton, 100, tr("Cancel"));

    m_okButton = new ImageButton(this);
    placeButton(m_okButton, 7, QString());
    connect(m_okButton, SIGNAL(clicked()), this, SLOT(onClickOkButton()));
    m_okButton->QWidget::hide();

    m_contentsTitleFont = font();

    m_showAnimation = new QPropertyAnimation(this, "geometry");
    m_showAnimation->setEasingCurve(QEasingCurve::OutQuad);
    m_showAnimation->setDuration(100);
    m_hideAnimation = new QPropertyAnimation(this, "geometry");
    m_hideAnimation->setEasingCurve(QEasingCurve::InQuad);
    m_hideAnimation->setDuration(10);
    setAnimationEnds(QRect(190, 160, width(), 158), QRect(190, 0, width(), 158),
                     QRect(190, 0, width(), 158), QRect(190, 160, width(), 158));
    m_alphaAnimation = new QPropertyAnimation(this, "m_AlphaValue");
    m_alphaAnimation->setDuration(5);
    m_alphaAnimation->setStartValue(0.0f);
    m_alphaAnimation->setEndValue(90.0f);

    if (theCore)
        connect(theCore, SIGNAL(signalBroadcast(QString,QByteArray)),
                this, SLOT(signalReciever(QString,QByteArray)));
}

SelectPopup::~SelectPopup()
{
    delete m_showAnimation;
    delete m_hideAnimation;
    delete m_alphaAnimation;
    delete m_backgroundImage;
}

SelectPopupListView* SelectPopup::listView()
{
    return m_litView;
}

ImageButton* SelectPopup::nextButton()
{
    return m_nextButton;
}

ImageButton* SelectPopup::cancelButton()
{
    return m_cancelButton;
}

ImageButton* SelectPopup::okButton()
{
    return m_okButton;
}

int SelectPopup::selectedIdx()
{
    return m_selectedIdx;
}

void SelectPopup::addListViewItem(const QString& text)
{
    if (m_litView)
        m_litView->addItem(new ListViewItem(text, QPixmap(), QPixmap()));
}

void SelectPopup::setStartFuncKey(int key)
{
    if (m_litView)
        m_litView->setStartFuncKey(key);
}

void SelectPopup::setMultipleCheck(const bool& multiple)
{
    m_multipleCheck = multiple;
}

bool SelectPopup::isMultipleCheck() const
{
    return m_multipleCheck;
}

int SelectPopup::kind() const
{
    return m_kind;
}

void SelectPopup::setContentsTitle(const QString& title)
{
    m_contentsTitle = title;
    update();
}

QString SelectPopup::contentsTitle() const
{
    return m_contentsTitle;
}

void SelectPopup::setContentsTitlePos(int x, int y)
{
    m_contentsTitleX = x;
    m_contentsTitleY = y;
    update();
}

QPoint SelectPopup::contentsTitlePos() const
{
    return QPoint(m_contentsTitleX, m_contentsTitleY);
}

void SelectPopup::setContentsTitleFont(QFont font)
{
    m_contentsTitleFont = font;
    update();
}

QFont SelectPopup::contentsTitleFont() const
{
    return m_contentsTitleFont;
}

void SelectPopup::setAlphaValue(float value)
{
    m_AlphaValue = value;
    update();
}

float SelectPopup::getAlphaValue()
{
    return m_AlphaValue;
}

void SelectPopup::setUseBackGroundRect(bool use)
{
    m_useBackGroundRect = use;
}

void SelectPopup::setUseBackGroundRectVideo(bool use)
{
    m_useBackGroundRectVideo = use;
}

bool SelectPopup::useBackGroundRect()
{
    return m_useBackGroundRect;
}

bool SelectPopup::useBackGroundRectVideo() const
{
    return m_useBackGroundRectVideo;
}

void SelectPopup::setBackgroundImage(const QPixmap& image)
{
    delete m_backgroundImage;
    m_backgroundImage = new QPixmap(image);
    // The caller's snapshot is usually a one-off screen grab: do not let it pile up.
    QPixmapCache::clear();
    update();
}

void SelectPopup::clearBackgroundImage()
{
    delete m_backgroundImage;
    m_backgroundImage = 0;
}

const QPixmap* SelectPopup::backgroundImage() const
{
    return m_backgroundImage;
}

void SelectPopup::setUseAnimation(bool)
{
    // Popups open and close at once on the phone; the flag is kept off on purpose.
}

void SelectPopup::setUseFastClose(bool use)
{
    m_useFastClose = use;
}

bool SelectPopup::getUseFastClose() const
{
    return m_useFastClose;
}

void SelectPopup::setCancelKey(int key)
{
    m_cancelKey = key;
}

void SelectPopup::setNextKey(int key)
{
    m_nextKey = key;
}

void SelectPopup::setOkKey(int key)
{
    m_okKey = key;
}

int SelectPopup::CancelKey() const
{
    return m_cancelKey;
}

int SelectPopup::NextKey() const
{
    return m_nextKey;
}

int SelectPopup::OkKey() const
{
    return m_okKey;
}

void SelectPopup::setAnimationEnds(const QRect& showFrom, const QRect& showTo,
                                   const QRect& hideFrom, const QRect& hideTo)
{
    m_showAnimation->setStartValue(showFrom);
    m_showAnimation->setEndValue(showTo);
    m_hideAnimation->setStartValue(hideFrom);
    m_hideAnimation->setEndValue(hideTo);
}

void SelectPopup::setGeometry(const QRect& r)
{
    QWidget::setGeometry(r);
    const int w = r.width();
    const int h = r.height();
    setAnimationEnds(QRect(0, 160, w, 160), QRect(0, 0, w, 160),
                     QRect(0, 0, w, h), QRect(0, h, w, 160));
}

void SelectPopup::setGeometry(int x, int y, int w, int h)
{
    QWidget::setGeometry(x, y, w, h);
    setAnimationEnds(QRect(x, 160, w, 160), QRect(x, 0, w, 160),
                     QRect(x, 0, w, 160), QRect(x, 160, w, 160));
}

QPropertyAnimation* SelectPopup::showAnimation() const
{
    return m_showAnimation;
}

QPropertyAnimation* SelectPopup::hideAnimation() const
{
    return m_hideAnimation;
}

QPropertyAnimation* SelectPopup::alphaAnimation() const
{
    return m_alphaAnimation;
}

bool SelectPopup::isHiding() const
{
    return m_hiding;
}

// ---- Showing and finishing -----------------------------------------------------------------

void SelectPopup::show()
{
    setVisible(true);
    m_hiding = false;
}

void SelectPopup::showAfterAnimation()
{
    m_hiding = false;
    disconnect(m_showAnimation, SIGNAL(finished()), this, SLOT(showAfterAnimation()));
}

void SelectPopup::hide()
{
    if (m_useFastClose) {
        hideAfterAnimation();
        move(kParked);
        setVisible(false);
        return;
    }
    m_hiding = true;
    setVisible(false);
}

void SelectPopup::hideAfterAnimation()
{
    m_hiding = false;
    disconnect(m_hideAnimation, SIGNAL(finished()), this, SLOT(hideAfterAnimation()));
    setVisible(false);
}

void SelectPopup::close()
{
    if (m_useFastClose) {
        closeAfterAnimation();
        move(kParked);
        return;
    }
    m_hiding = true;
    QWidget::close();
}

void SelectPopup::closeAfterAnimation()
{
    m_hiding = false;
    disconnect(m_hideAnimation, SIGNAL(finished()), this, SLOT(closeAfterAnimation()));
    QWidget::close();
}

void SelectPopup::reject()
{
    if (m_useFastClose) {
        rejectAfterAnimation();
        move(kParked);
        // Hosts that watch finished()/rejected() of fast-closing popups count on this pair.
        QDialog::reject();
        return;
    }
    m_hiding = true;
    QDialog::reject();
}

void SelectPopup::rejectAfterAnimation()
{
    m_hiding = false;
    disconnect(m_hideAnimation, SIGNAL(finished()), this, SLOT(rejectAfterAnimation()));
    QDialog::reject();
}

void SelectPopup::accept()
{
    if (m_useFastClose) {
        acceptAfterAnimation();
        move(kParked);
        QDialog::accept();
        return;
    }
    m_hiding = true;
    QDialog::accept();
}

void SelectPopup::acceptAfterAnimation()
{
    m_hiding = false;
    disconnect(m_hideAnimation, SIGNAL(finished()), this, SLOT(acceptAfterAnimation()));
    QDialog::accept();
}

bool SelectPopup::isVisible()
{
    return QWidget::isVisible();
}

int SelectPopup::exec()
{
    show();
    return QDialog::exec();
}

// ---- Choices -------------------------------------------------------------------------------

void SelectPopup::signalReciever(QString cmd, QByteArray)
{
    qDebug() << "signalReciever" << cmd;
    if (cmd == "closeSelectPopup()")
        reject();
}

void SelectPopup::clickedListView(int idx)
{
    m_selectedIdx = idx;
    emit clicked(idx);
    if (idx == -1) {
        reject();
        return;
    }
    if (m_multipleCheck)
        return;
    if (!m_litView) {
        reject();
        return;
    }
    const int size = m_litView->itemSize();
    qDebug() << "SelectPopup::clickedListView idx:" << idx << "itemSize:" << size;
    // Only a real row accepts; anything else would hand the caller a row that is not there.
    if (idx >= 0 && idx < size)
        accept();
    else
        reject();
}

void SelectPopup::nextButtonClicked()
{
    if (m_multipleCheck) {
        accept();
        return;
    }
    if (m_litView)
        m_litView->nextPage();
}

void SelectPopup::onClickOkButton()
{
    if (m_multipleCheck)
        accept();
}

// ---- Keys and paint ------------------------------------------------------------------------

void SelectPopup::keyPressEvent(QKeyEvent* e)
{
    e->accept();
    m_keyPressed = true;
    const int key = e->key();
    if (key == m_nextKey && m_nextButton->isVisibleTo(this))
        m_nextButton->setHover(true);
    else if (key == m_okKey && m_okButton->isVisibleTo(this))
        m_okButton->setHover(true);
    else if (key == m_cancelKey || key == Qt::Key_Escape)
        m_cancelButton->setHover(true);
}

void SelectPopup::keyReleaseEvent(QKeyEvent* e)
{
    e->accept();
    // The release of the key that opened the popup belongs to the page.
    if (!m_keyPressed)
        return;
    const int key = e->key();
    if (key == m_nextKey && m_nextButton->isVisibleTo(this)) {
        m_nextButton->setHover(false);
        nextButtonClicked();
    } else if (key == m_okKey && m_okButton->isVisibleTo(this)) {
        m_okButton->setHover(false);
        accept();
    } else if (key == m_cancelKey || key == Qt::Key_Escape) {
        m_cancelButton->setHover(false);
        clickedListView(-1);
    }
}

void SelectPopup::focusInEvent(QFocusEvent*)
{
    if (m_litView)
        m_litView->setFocus(Qt::OtherFocusReason);
}

void SelectPopup::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::transparent);
    // The frame's pieces do not overlap, so drawing them once onto a clear picture and
    // blending that gives the same pixels as blending each piece, for a fraction of the
    // cost of tiling the one-pixel middle slice on every paint.
    p.drawPixmap(0, 0, frame(width()));

    if (!m_contentsTitle.isEmpty()) {
        p.setPen(Qt::white);
        p.setFont(m_contentsTitleFont);
        p.drawText(QPoint(m_contentsTitleX, m_contentsTitleY + 32), m_contentsTitle);
    }
}

QPixmap SelectPopup::frame(int w)
{
    const QPixmap left = ListViewItem::picture(QString::fromLatin1(":/ui/images/widget/popup_01_left.png"));
    const QPixmap mid = ListViewItem::picture(QString::fromLatin1(":/ui/images/widget/popup_01_mid.png"));
    const QPixmap right = ListViewItem::picture(QString::fromLatin1(":/ui/images/widget/popup_01_right.png"));
    const QString key = QString::fromLatin1("phone-popup-frame:%1:%2:%3:%4")
                            .arg(w).arg(left.cacheKey()).arg(mid.cacheKey()).arg(right.cacheKey());
    QPixmap frame;
    if (QPixmapCache::find(key, &frame))
        return frame;
    const int h = 2 + qMax(left.height(), qMax(mid.height(), right.height()));
    QImage image(qMax(w, 1), h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.drawPixmap(0, 2, left);
        if (!mid.isNull())
            p.drawTiledPixmap(QRect(left.width(), 2, w - left.width() - right.width() - 2, mid.height()), mid);
        p.drawPixmap(w - right.width() - 2, 2, right);
    }
    frame = QPixmap::fromImage(image);
    QPixmapCache::insert(key, frame);
    return frame;
}
