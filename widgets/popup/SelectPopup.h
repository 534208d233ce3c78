#ifndef SELECTPOPUP_H
#define SELECTPOPUP_H

#include <QDialog>
#include <QFont>
#include <QPixmap>
#include <QPointer>
#include <QString>

class ImageButton;
class QPropertyAnimation;
class SelectPopupListView;

// Modal list popup on the right half of the screen: a page fills its list, runs exec() and
// reads selectedIdx() on Accepted. Context3 pages the list, Context4 or Escape cancels, OK on
// a row picks it. The host closes every open popup with the broadcast "closeSelectPopup()".
class SelectPopup : public QDialog
{
    Q_OBJECT
    Q_PROPERTY(float m_AlphaValue READ getAlphaValue WRITE setAlphaValue)
public:
    SelectPopup(QWidget* parent = 0, int kind = 0);
    ~SelectPopup();

    SelectPopupListView* listView();
    ImageButton* nextButton();
    ImageButton* cancelButton();
    ImageButton* okButton();

    // Row last reported by the list, -1 after a cancel.
    int selectedIdx();
    void addListViewItem(const QString& text);
    void setStartFuncKey(int key);
    void setMultipleCheck(const bool& multiple);
    bool isMultipleCheck() const;
    int kind() const;

    void setContentsTitle(const QString& title);
    QString contentsTitle() const;
    void setContentsTitlePos(int x, int y);
    QPoint contentsTitlePos() const;
    void setContentsTitleFont(QFont font);
    QFont contentsTitleFont() const;

    void setAlphaValue(float value);
    float getAlphaValue();
    void setUseBackGroundRect(bool use);
    void setUseBackGroundRectVideo(bool use);
    bool useBackGroundRect();
    bool useBackGroundRectVideo() const;
    void setBackgroundImage(const QPixmap& image);
    void clearBackgroundImage();
    const QPixmap* backgroundImage() const;
    void setUseAnimation(bool use);

    void setUseFastClose(bool use);
    bool getUseFastClose() const;
    void setCancelKey(int key);
    void setNextKey(int key);
    void setOkKey(int key);
    int CancelKey() const;
    int NextKey() const;
    int OkKey() const;

    // Places the popup and moves the slide animations' end points with it.
    void setGeometry(const QRect& r);
    void setGeometry(int x, int y, int w, int h);

    // The slide and fade animations, kept for hosts that animate popups themselves.
    QPropertyAnimation* showAnimation() const;
    QPropertyAnimation* hideAnimation() const;
    QPropertyAnimation* alphaAnimation() const;
    // Set by hide, close, accept and reject; cleared by show.
    bool isHiding() const;

signals:
    void clicked(int idx);

public slots:
    void show();
    void showAfterAnimation();
    void hide();
    void hideAfterAnimation();
    void close();
    void closeAfterAnimation();
    virtual void reject() override;
    void rejectAfterAnimation();
    virtual void accept() override;
    void acceptAfterAnimation();
    bool isVisible();
    // Hides QDialog::exec (a virtual since Qt 5, a plain slot in Qt 4): callers reach it
    // through a SelectPopup, so no "override" here.
    int exec();

protected slots:
    void signalReciever(QString cmd, QByteArray data);

private slots:
    void clickedListView(int idx);
    void nextButtonClicked();
    void onClickOkButton();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    // The frame of left, tiled middle and right pictures for width w, built once.
    static QPixmap frame(int w);
    void setAnimationEnds(const QRect& showFrom, const QRect& showTo, const QRect& hideFrom,
                          const QRect& hideTo);

    QPointer<SelectPopupListView> m_litView;
    ImageButton* m_nextButton;
    ImageButton* m_cancelButton;
    ImageButton* m_okButton;
    bool m_useBackGroundRect;
    bool m_useBackGroundRectVideo;
    int m_kind;
    int m_selectedIdx;
    bool m_keyPressed;
    QPixmap* m_backgroundImage;
    float m_AlphaValue;
    QString m_contentsTitle;
    int m_contentsTitleX;
    int m_contentsTitleY;
    QFont m_contentsTitleFont;
    QPropertyAnimation* m_showAnimation;
    QPropertyAnimation* m_hideAnimation;
    QPropertyAnimation* m_alphaAnimation;
    bool m_useAnimation;
    bool m_hiding;
    bool m_useFastClose;
    int m_cancelKey;
    int m_nextKey;
    int m_okKey;
    bool m_multipleCheck;
};

#endif
