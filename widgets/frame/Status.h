#ifndef STATUS_H
#define STATUS_H

#include <QColor>
#include <QLabel>
#include <QMetaType>
#include <QString>
#include <QTimer>

class QPainter;
class Ui_Status;

// Input-method state, shared with the host's input-method engine (which signals it as int).
// 0, 5, 6 and 7 show no indicator.
enum IMEStatus : int {
    IMEStatusNone = 0,
    IMEStatusKorean = 1,
    IMEStatusSmallLetter = 2,
    IMEStatusCapital = 3,
    IMEStatusNumber = 4,
    IMEStatusHidden5 = 5,
    IMEStatusHidden6 = 6,
    IMEStatusHidden7 = 7
};

// The bar across the top of the screen: page title, status icons, input-method indicator
// and clock. The host owns the one instance and lends it to every page.
class Status : public QLabel
{
    Q_OBJECT
    Q_ENUMS(UIStatusHeadset UIStatusBluetoothHeadset UIStatusWifi UIStatusAG UIStatusBTHeadsetPairing)
public:
    // The underlying type is fixed so that a value out of range from the host stays a
    // well-defined int that the setters can refuse.
    enum UIStatusHeadset : int { HeadsetNone = 0, HeadsetOn = 1, HeadsetEHS = 2 };
    enum UIStatusBluetoothHeadset : int {
        BluetoothHeadsetNone = 0, BluetoothHeadsetOn = 1, BluetoothHeadsetOff = 2
    };
    enum UIStatusWifi : int {
        WifiNone = 0, WifiNoSignal = 1, WifiLevel0 = 2, WifiLevel1 = 3, WifiLevel2 = 4,
        WifiLevel3 = 5, WifiLevel4 = 6
    };
    enum UIStatusAG : int { AGNone = 0, AGOn = 1, AGOff = 2 };
    enum UIStatusBTHeadsetPairing : int { BTPairingNone = 0, BTPairingOn = 1, BTPairingOff = 2 };

    explicit Status(QWidget* parent = 0);
    virtual ~Status();

    void setTitle(const QString& title);
    QString title();
    void setDisabledUpdateTitle(bool disabled);
    // Width left for the title beside the visible icons, indicator and clock; at most 300.
    int titleLabelWidgetWidth();

    void setTime24Hour(bool on);

    void setUIStatusLock(bool on);
    void setUIStatusCallLock(bool on);
    void setUIStatusCallForward(bool on);
    void setUIStatusDND(bool on);
    void setUIStatusAutoAnswer(bool on);
    void setUIStatusCallHold(bool on);
    void setUIStatusUpgrade(bool on);
    void setUIStatusConnectMobile(bool on);
    void setUIStatusConnectAOM(bool on);
    void setUIStatusConnectHVR(bool on);
    void setUIStatusCall(bool on);

    bool presenceIconVisible();
    void setDisplayRssi(const QString& rssi);
    QString displayRssi();

    // In call-icon mode the call screen owns the icon row: most boolean icons keep still.
    void setStatusIcon_isCall(bool on);
    bool statusIcon_isCall();

    UIStatusHeadset statusHeadset();
    UIStatusBluetoothHeadset statusBluetoothHeadset();
    UIStatusBTHeadsetPairing statusBTHeadsetPairing();

    QColor bgColor() const;
    void setBgColor(const QColor& color);
    QColor titleColor() const;
    void setTitleColor(const QColor& color);
    void setUnderlineColor(const QColor& upper, const QColor& lower);

signals:
    void changeHeadset(UIStatusHeadset status);
    void changeBluetoothHeadset(UIStatusBluetoothHeadset status);
    void changeCamOff(bool off);
    void changeWifi(UIStatusWifi status);
    void changeAGMode(UIStatusAG status);
    void changeBTHsetPairing(UIStatusBTHeadsetPairing status);
    void changeIMEStatus(IMEStatus status);
    void statusInfoChanged();
    void titleChanged(QString title);

public slots:
    void timeout();
    void callTimeout();
    void setIMEStatus(IMEStatus status);
    void setUIStatusHeadSet(UIStatusHeadset status);
    void setUIStatusBluetoothHeadset(UIStatusBluetoothHeadset status);
    void setUIStatusWifi(UIStatusWifi status);
    void setUIStatusAGMode(UIStatusAG status);
    void setUIStatusBTHeadsetPairing(UIStatusBTHeadsetPairing status);
    void setTitleFromSignal(QString title);

protected:
    virtual void paintEvent(QPaintEvent* e);

private:
    void setBoolIcon(bool& field, bool on, QLabel* icon, bool honoursCallMode);
    // Shows or hides an icon, giving it its initial picture the first time it shows.
    void showIcon(QLabel* icon, bool on);
    static void showEnumIcon(QLabel* icon, int value, const char* const* pictures);
    void underline(QPainter* painter, int y, const QColor& color);

    Ui_Status* m_ui;
    bool m_disabledUpdateTitle;
    bool m_statusIconIsCall;
    QTimer m_timer;
    QTimer m_callTimer;
    bool m_call;
    bool m_connectMobile;
    bool m_connectAOM;
    bool m_connectHVR;
    bool m_upgrade;
    bool m_lock;
    bool m_callLock;
    bool m_callForward;
    bool m_dnd;
    bool m_autoAnswer;
    bool m_callHold;
    UIStatusWifi m_wifi;
    UIStatusHeadset m_headset;
    UIStatusBTHeadsetPairing m_btHeadsetPairing;
    UIStatusBluetoothHeadset m_bluetoothHeadset;
    UIStatusAG m_agMode;
    QString m_displayRssi;
    QColor m_bgColor;
    QColor m_titleColor;
    QColor m_underlineUpper;
    QColor m_underlineLower;
};

Q_DECLARE_METATYPE(IMEStatus)
Q_DECLARE_METATYPE(Status::UIStatusHeadset)
Q_DECLARE_METATYPE(Status::UIStatusBluetoothHeadset)
Q_DECLARE_METATYPE(Status::UIStatusWifi)
Q_DECLARE_METATYPE(Status::UIStatusAG)
Q_DECLARE_METATYPE(Status::UIStatusBTHeadsetPairing)

#endif
