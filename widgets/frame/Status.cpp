#include "Status.h"

#include "Core.h"
#include "TimeLabel.h"
#include "TitleLabel.h"
#include "ui_status.h"

#include <QDebug>
#include <QPainter>
#include <QPixmap>

namespace {

const char kTitlePictures[] = ":/ui/images/title/";

// Pictures by enum value; value 0 hides the icon.
const char* const kHeadsetPictures[] = { 0, "status_headset.png", "status_headset_ehs.png" };
const char* const kBluetoothHeadsetPictures[] = { 0, "status_headset_bt.png", "status_headset_bt_off.png" };
const char* const kWifiPictures[] = { 0, "status_wifi_-1.png", "status_wifi_0.png", "status_wifi_1.png",
                                      "status_wifi_2.png", "status_wifi_3.png", "status_wifi_4.png" };
const char* const kAGPictures[] = { 0, "status_bluetooth_acc.png", "status_bluetooth_acc_off.png" };
const char* const kPairingPictures[] = { 0, "status_bluetooth.png", "status_bluetooth_off.png" };

QPixmap titlePicture(const char* name)
{
    return QPixmap(QString::fromLatin1(kTitlePictures) + QString::fromLatin1(name));
}

// The pictures the labels start with. They are decoded when a label is first shown: most
// icons stay hidden for the whole life of the bar.
struct InitialPicture
{
    QLabel* Ui_Status::*label;
    const char* name;
};

const InitialPicture kInitialPictures[] = {
    { &Ui_Status::statusCallHold, "status_hold.png" },
    { &Ui_Status::statusUpgrade, "status_updatecom.png" },
    { &Ui_Status::statusForward, "status_callforward.png" },
    { &Ui_Status::statusDND, "status_dnd.png" },
    { &Ui_Status::statusAutoAnswer, "status_autoanswer.png" },
    { &Ui_Status::statusLock, "status_lock.png" },
    { &Ui_Status::statusCallLock, "status_call_lock.png" },
    { &Ui_Status::statusConnectHVR, "status_pcconnected.png" },
    { &Ui_Status::statusConnectAOM, "status_aomlink.png" },
    { &Ui_Status::statusConnectMobile, "status_phonemode.png" },
    { &Ui_Status::statusBTHSetPairing, "status_bluetooth.png" },
    { &Ui_Status::statusAGMode, "status_bluetooth_acc.png" },
    { &Ui_Status::statusBlutoothHeadset, "status_headset_bt.png" },
    { &Ui_Status::statusHeadset, "status_headset.png" },
    { &Ui_Status::statusWifi, "status_wifi_0.png" },
    { &Ui_Status::specialCharLabel, "status_type_mark.png" },
    { &Ui_Status::charLabel, "status_type_korean.png" },
};

// Connections by name carry the enums unqualified, as the signatures spell them; queued
// connections and signal spies need the types known under those names too.
void registerStatusTypes()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    qRegisterMetaType<IMEStatus>("IMEStatus");
    qRegisterMetaType<Status::UIStatusHeadset>("UIStatusHeadset");
    qRegisterMetaType<Status::UIStatusHeadset>("Status::UIStatusHeadset");
    qRegisterMetaType<Status::UIStatusBluetoothHeadset>("UIStatusBluetoothHeadset");
    qRegisterMetaType<Status::UIStatusBluetoothHeadset>("Status::UIStatusBluetoothHeadset");
    qRegisterMetaType<Status::UIStatusWifi>("UIStatusWifi");
    qRegisterMetaType<Status::UIStatusWifi>("Status::UIStatusWifi");
    qRegisterMetaType<Status::UIStatusAG>("UIStatusAG");
    qRegisterMetaType<Status::UIStatusAG>("Status::UIStatusAG");
    qRegisterMetaType<Status::UIStatusBTHeadsetPairing>("UIStatusBTHeadsetPairing");
    qRegisterMetaType<Status::UIStatusBTHeadsetPairing>("Status::UIStatusBTHeadsetPairing");
}

} // namespace

Status::Status(QWidget* parent)
    : QLabel(parent, Qt::FramelessWindowHint),
      m_ui(new Ui_Status),
      m_disabledUpdateTitle(false),
      m_statusIconIsCall(false),
      m_call(false),
      m_connectMobile(false),
      m_connectAOM(false),
      m_connectHVR(false),
      m_upgrade(false),
      m_lock(false),
      m_callLock(false),
      m_callForward(false),
      m_dnd(false),
      m_autoAnswer(false),
      m_callHold(false),
      m_wifi(WifiNone),
      m_headset(HeadsetNone),
      m_btHeadsetPairing(BTPairingNone),
      m_bluetoothHeadset(BluetoothHeadsetNone),
      m_agMode(AGNone)
{
    registerStatusTypes();
    m_ui->setupUi(this);

    setFocusPolicy(Qt::NoFocus);
    layout()->setContentsMargins(0, 0, 0, 0);

    m_ui->specialCharLabel->hide();
    m_ui->charLabel->hide();

    setUIStatusCall(false);
    setUIStatusConnectMobile(false);
    setUIStatusConnectAOM(false);
    setUIStatusConnectHVR(false);
    setUIStatusUpgrade(false);
    setUIStatusLock(false);
    setUIStatusCallLock(false);
    setUIStatusCallForward(false);
    setUIStatusDND(false);
    setUIStatusAutoAnswer(false);
    setUIStatusCallHold(false);
    setUIStatusBluetoothHeadset(BluetoothHeadsetNone);
    setUIStatusHeadSet(HeadsetNone);
    setUIStatusWifi(WifiNone);
    setUIStatusAGMode(AGNone);
    setUIStatusBTHeadsetPairing(BTPairingNone);
    setStatusIcon_isCall(false);

    connect(&m_callTimer, SIGNAL(timeout()), this, SLOT(callTimeout()));
    connect(&m_timer, SIGNAL(timeout()), this, SLOT(timeout()));
    m_timer.start(1000);
    timeout();

    m_displayRssi = QString::fromLocal8Bit(qgetenv("DISPLAY_RSSI"));

    QFont labelFont = font();
    labelFont.setPointSize(18);
    m_ui->titleLabel->setFont(labelFont);
    m_ui->timeLabel->setFont(labelFont);
    m_ui->titleLabel->update();
    m_ui->titleLabel->setIndent(3);
    m_ui->titleLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_bgColor = QColor(255, 255, 255);
    m_underlineUpper = QColor(85, 85, 85);
    m_underlineLower = QColor(187, 187, 187);
}

Status::~Status()
{
    m_timer.stop();
    delete m_ui;
}

void Status::setTitle(const QString& title)
{
    if (m_disabledUpdateTitle) {
        qDebug() << "Status::setTitle m_disabledUpdateTitle:" << true;
        return;
    }
    m_ui->titleLabel->setText(title);
    m_ui->titleLabel->update();
    emit titleChanged(title);
}

void Status::setTitleFromSignal(QString title)
{
    m_ui->titleLabel->setText(title);
    m_ui->titleLabel->update();
}

QString Status::title()
{
    return m_ui->titleLabel->text();
}

void Status::setDisabledUpdateTitle(bool disabled)
{
    m_disabledUpdateTitle = disabled;
}

int Status::titleLabelWidgetWidth()
{
    QWidget* const taken[] = {
        m_ui->statusCallHold, m_ui->statusUpgrade, m_ui->statusForward, m_ui->statusDND,
        m_ui->statusAutoAnswer, m_ui->statusLock, m_ui->statusCallLock, m_ui->statusConnectHVR,
        m_ui->statusConnectAOM, m_ui->statusConnectMobile, m_ui->statusBTHSetPairing,
        m_ui->statusAGMode, m_ui->statusBlutoothHeadset, m_ui->statusHeadset, m_ui->statusWifi,
        m_ui->specialCharLabel, m_ui->charLabel, m_ui->timeLabel
    };
    int available = width();
    for (QWidget* w : taken) {
        // Visible once the bar is on screen, so the answer holds before the first show too.
        if (w->isVisibleTo(this))
            available -= w->width();
    }
    return qMin(available, 300);
}

void Status::setTime24Hour(bool on)
{
    m_ui->timeLabel->setTime24Hour(on);
    m_ui->timeLabel->setMinimumWidth(on ? 43 : 72);
    m_ui->horizontalLayout->invalidate();
    m_ui->timeLabel->update();
}

void Status::showIcon(QLabel* icon, bool on)
{
    if (on && !icon->pixmap()) {
        for (const InitialPicture& initial : kInitialPictures) {
            if (m_ui->*initial.label == icon) {
                icon->setPixmap(titlePicture(initial.name));
                break;
            }
        }
    }
    icon->setVisible(on);
}

void Status::setBoolIcon(bool& field, bool on, QLabel* icon, bool honoursCallMode)
{
    const bool old = field;
    field = on;
    // The value is kept for later; the call screen decides what the icon row shows.
    if (honoursCallMode && m_statusIconIsCall)
        return;
    showIcon(icon, on);
    if (old != on)
        emit statusInfoChanged();
}

void Status::setUIStatusLock(bool on)
{
    setBoolIcon(m_lock, on, m_ui->statusLock, true);
}

void Status::setUIStatusCallLock(bool on)
{
    setBoolIcon(m_callLock, on, m_ui->statusCallLock, true);
}

void Status::setUIStatusCallForward(bool on)
{
    setBoolIcon(m_callForward, on, m_ui->statusForward, true);
}

void Status::setUIStatusDND(bool on)
{
    setBoolIcon(m_dnd, on, m_ui->statusDND, true);
}

void Status::setUIStatusAutoAnswer(bool on)
{
    setBoolIcon(m_autoAnswer, on, m_ui->statusAutoAnswer, true);
}

void Status::setUIStatusCallHold(bool on)
{
    setBoolIcon(m_callHold, on, m_ui->statusCallHold, true);
}

void Status::setUIStatusUpgrade(bool on)
{
    setBoolIcon(m_upgrade, on, m_ui->statusUpgrade, false);
}

void Status::setUIStatusConnectMobile(bool on)
{
    setBoolIcon(m_connectMobile, on, m_ui->statusConnectMobile, true);
}

void Status::setUIStatusConnectAOM(bool on)
{
    qDebug() << "Status::setUIStatusConnectAOM value:" << on;
    setBoolIcon(m_connectAOM, on, m_ui->statusConnectAOM, true);
}

void Status::setUIStatusConnectHVR(bool on)
{
    qDebug() << "Status::setUIStatusConnectHVR value:" << on;
    setBoolIcon(m_connectHVR, on, m_ui->statusConnectHVR, false);
}

void Status::setUIStatusCall(bool on)
{
    m_call = on;
}

bool Status::presenceIconVisible()
{
    return false;
}

void Status::setDisplayRssi(const QString& rssi)
{
    m_displayRssi = rssi;
}

QString Status::displayRssi()
{
    return m_displayRssi;
}

void Status::setStatusIcon_isCall(bool on)
{
    m_statusIconIsCall = on;
    m_ui->timeLabel->setVisible(!on);
}

bool Status::statusIcon_isCall()
{
    return m_statusIconIsCall;
}

void Status::showEnumIcon(QLabel* icon, int value, const char* const* pictures)
{
    if (value == 0) {
        icon->hide();
        return;
    }
    icon->setPixmap(titlePicture(pictures[value]));
    icon->show();
}

void Status::setUIStatusHeadSet(UIStatusHeadset status)
{
    if (static_cast<unsigned>(status) > HeadsetEHS) {
        qDebug() << "Status::setUIStatusHeadSet invaild value! noupdate!";
        return;
    }
    const UIStatusHeadset old = m_headset;
    m_headset = status;
    emit changeHeadset(status);
    showEnumIcon(m_ui->statusHeadset, status, kHeadsetPictures);
    if (old != status)
        emit statusInfoChanged();
}

void Status::setUIStatusBluetoothHeadset(UIStatusBluetoothHeadset status)
{
    if (static_cast<unsigned>(status) > BluetoothHeadsetOff) {
        qDebug() << "Status::setUIStatusBluetoothHeadset invaild value! noupdate!";
        return;
    }
    const UIStatusBluetoothHeadset old = m_bluetoothHeadset;
    m_bluetoothHeadset = status;
    emit changeBluetoothHeadset(status);
    showEnumIcon(m_ui->statusBlutoothHeadset, status, kBluetoothHeadsetPictures);
    if (old != status)
        emit statusInfoChanged();
}

void Status::setUIStatusWifi(UIStatusWifi status)
{
    if (static_cast<unsigned>(status) > WifiLevel4) {
        qDebug() << "Status::setUIStatusWifi invaild value! noupdate!";
        return;
    }
    const UIStatusWifi old = m_wifi;
    m_wifi = status;
    emit changeWifi(status);
    showEnumIcon(m_ui->statusWifi, status, kWifiPictures);
    if (old != status)
        emit statusInfoChanged();
}

void Status::setUIStatusAGMode(UIStatusAG status)
{
    if (static_cast<unsigned>(status) > AGOff) {
        qDebug() << "Status::setUIStatusAG invalid value! noupdate!";
        return;
    }
    const UIStatusAG old = m_agMode;
    m_agMode = status;
    emit changeAGMode(status);
    showEnumIcon(m_ui->statusAGMode, status, kAGPictures);
    if (old != status)
        emit statusInfoChanged();
}

void Status::setUIStatusBTHeadsetPairing(UIStatusBTHeadsetPairing status)
{
    if (static_cast<unsigned>(status) > BTPairingOff)
        return;
    const UIStatusBTHeadsetPairing old = m_btHeadsetPairing;
    m_btHeadsetPairing = status;
    emit changeBTHsetPairing(status);
    showEnumIcon(m_ui->statusBTHSetPairing, status, kPairingPictures);
    if (old != status)
        emit statusInfoChanged();
}

Status::UIStatusHeadset Status::statusHeadset()
{
    return m_headset;
}

Status::UIStatusBluetoothHeadset Status::statusBluetoothHeadset()
{
    return m_bluetoothHeadset;
}

Status::UIStatusBTHeadsetPairing Status::statusBTHeadsetPairing()
{
    return m_btHeadsetPairing;
}

void Status::setIMEStatus(IMEStatus status)
{
    int value = status;
    if (value == 0 || value == 5 || value == 6 || value == 7) {
        m_ui->specialCharLabel->hide();
        m_ui->charLabel->hide();
        m_ui->timeLabel->show();
        emit changeIMEStatus(status);
        return;
    }

    showIcon(m_ui->specialCharLabel, true);
    // Without a host there is no Korean input, so 1 reads as small letters.
    const int language = theCore ? theCore->language() : -1;
    if (value == 1 && language == 0) {
        m_ui->charLabel->setPixmap(titlePicture("status_type_korean.png"));
    } else if (value == 1 || value == 2) {
        m_ui->charLabel->setPixmap(titlePicture("status_type_smallletter.png"));
        value = 2;
    } else if (value == 3) {
        m_ui->charLabel->setPixmap(titlePicture("status_type_capital.png"));
    } else if (value == 4) {
        m_ui->charLabel->setPixmap(titlePicture("status_type_num.png"));
    }
    showIcon(m_ui->charLabel, true);
    m_ui->timeLabel->hide();
    update();
    emit changeIMEStatus(static_cast<IMEStatus>(value));
}

void Status::timeout()
{
    m_ui->timeLabel->changeTimeBlinkFlag();
    m_ui->timeLabel->update();
}

void Status::callTimeout()
{
}

QColor Status::bgColor() const
{
    return m_bgColor;
}

void Status::setBgColor(const QColor& color)
{
    m_bgColor = color;
    update();
}

QColor Status::titleColor() const
{
    return m_titleColor;
}

void Status::setTitleColor(const QColor& color)
{
    m_titleColor = color;
    m_ui->titleLabel->setTitleColor(color);
    m_ui->titleLabel->update();
}

void Status::setUnderlineColor(const QColor& upper, const QColor& lower)
{
    m_underlineUpper = upper;
    m_underlineLower = lower;
    update();
}

void Status::underline(QPainter* painter, int y, const QColor& color)
{
    // An opaque one-pixel line is a one-pixel-high fill, without the line rasteriser.
    if (color.alpha() == 255 && width() >= 11) {
        painter->fillRect(QRect(5, y, width() - 10, 1), color);
        return;
    }
    painter->setPen(color);
    painter->drawLine(5, y, width() - 6, y);
}

void Status::paintEvent(QPaintEvent* e)
{
    {
        QPainter painter(this);
        painter.fillRect(QRect(0, 0, width(), height()), m_bgColor);
        underline(&painter, height() - 2, m_underlineUpper);
        underline(&painter, height() - 1, m_underlineLower);
    }
    QLabel::paintEvent(e);
}
