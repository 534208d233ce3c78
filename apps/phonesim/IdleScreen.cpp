#include "IdleScreen.h"

#include "Core.h"
#include "IniFile.h"
#include "Status.h"

#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QtDebug>

namespace {

const QColor kInk(0, 0, 0);
const QColor kGrey(85, 85, 85);
const QColor kLine(187, 187, 187);

// The date in the phone's language; the clock keeps its digits and AM/PM either way.
QLocale phoneLocale()
{
    const QString code = theCore ? Core::languageCode(theCore->language()) : QString();
    if (code.isEmpty())
        return QLocale(QLocale::English);
    return QLocale(code == "kr" ? QString("ko_KR") : code);
}

QString utcOffset(const QDateTime& now)
{
    const int seconds = now.offsetFromUtc();
    const int minutes = qAbs(seconds) / 60;
    return QString("UTC%1%2:%3")
        .arg(seconds < 0 ? '-' : '+')
        .arg(minutes / 60, 2, 10, QChar('0'))
        .arg(minutes % 60, 2, 10, QChar('0'));
}

} // namespace

IdleScreen::IdleScreen(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint),
      BaseAppInterface("idle", parent),
      m_pageCount(1),
      m_okPressed(false),
      m_painted(false),
      m_refreshCount(0)
{
    // The texts live in a static library: named here so that the linker keeps them.
    Q_INIT_RESOURCE(phonesimcore_translations);
    setObjectName("IdleScreen");
    setGeometry(0, 26, 384, 134);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&m_timer, SIGNAL(timeout()), this, SLOT(tick()));
    m_timer.start(1000);
    refresh();
}

IdleScreen::~IdleScreen() {}

bool IdleScreen::start(QWidget*, void*)
{
    refresh();
    show();
    activateWindow();
    setFocus();
    return true;
}

bool IdleScreen::end()
{
    hide();
    return true;
}

void IdleScreen::receiveMsg(const QString& command, const QByteArray&)
{
    qDebug() << "IdleScreen::receiveMsg command:" << command;
    if (command == "changedTimezone()" || command == "changedStatus()"
        || command == "changedLanguage()") {
        if (command == "changedLanguage()")
            reloadLanguage();
        refresh();
        if (command == "changedLanguage()" && isActiveWindow())
            setupStatus();
        update();
    }
}

void IdleScreen::setPageCount(int count)
{
    m_pageCount = count;
    update();
}

QString IdleScreen::zone() const
{
    return m_zone;
}

QString IdleScreen::mode() const
{
    return m_mode;
}

QString IdleScreen::clockText() const
{
    return m_clockText;
}

int IdleScreen::refreshCount() const
{
    return m_refreshCount;
}

bool IdleScreen::event(QEvent* e)
{
    // Like a page, the idle screen puts its title into the shared bar whenever it comes back.
    if (e->type() == QEvent::WindowActivate)
        setupStatus();
    return QWidget::event(e);
}

void IdleScreen::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (!e->isAutoRepeat())
            m_okPressed = true;
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

void IdleScreen::keyReleaseEvent(QKeyEvent* e)
{
    // Act on the release, as the phone does, and only for a press seen here: the release of
    // the key that closed a page must not open it again.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        if (e->isAutoRepeat() || !m_okPressed)
            return;
        m_okPressed = false;
        emit openSettings();
        return;
    }
    QWidget::keyReleaseEvent(e);
}

void IdleScreen::paintEvent(QPaintEvent*)
{
    const bool use24 = theCore && theCore->use24HourTime();
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale english(QLocale::English);
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The clock: big digits, the AM/PM mark small beside them.
    QFont big = font();
    big.setPixelSize(52);
    big.setBold(true);
    QFont small = font();
    small.setPixelSize(18);
    // "hh" counts to 12 only beside an AM/PM mark in the same format.
    const QString twelve = english.toString(now.time(), "hh:mm AP");
    const QString digits = use24 ? now.toString("hh:mm") : twelve.section(' ', 0, 0);
    const QString ampm = use24 ? QString() : twelve.section(' ', 1);
    m_clockText = ampm.isEmpty() ? digits : digits + " " + ampm;
    const int digitsWidth = QFontMetrics(big).horizontalAdvance(digits);
    const int ampmWidth = ampm.isEmpty() ? 0 : QFontMetrics(small).horizontalAdvance(ampm) + 6;
    const int x = (width() - digitsWidth - ampmWidth) / 2;
    p.setPen(kInk);
    p.setFont(big);
    p.drawText(QRect(x, 2, digitsWidth, 60), Qt::AlignLeft | Qt::AlignVCenter, digits);
    if (!ampm.isEmpty()) {
        p.setFont(small);
        p.drawText(QRect(x + digitsWidth + 6, 8, ampmWidth, 44), Qt::AlignLeft | Qt::AlignBottom, ampm);
    }

    p.setFont(small);
    p.drawText(QRect(0, 62, width(), 22), Qt::AlignCenter, phoneLocale().toString(now.date(), "dddd, d MMMM yyyy"));

    QFont zoneFont = font();
    zoneFont.setPixelSize(16);
    p.setFont(zoneFont);
    p.setPen(kGrey);
    const QString zoneText = m_zone.isEmpty() ? tr("Local time") : m_zone;
    p.drawText(QRect(0, 84, width(), 20), Qt::AlignCenter,
               QString("%1  %2  (%3)").arg(zoneText, utcOffset(now), m_mode));

    p.fillRect(QRect(8, 108, width() - 16, 1), kLine);
    QFont hint = font();
    hint.setPixelSize(15);
    p.setFont(hint);
    p.drawText(QRect(0, 110, width(), 24), Qt::AlignCenter,
               m_pageCount > 1 ? tr("OK: %1 settings pages").arg(m_pageCount) : tr("OK: Time zone settings"));

    if (!m_painted) {
        m_painted = true;
        emit firstFrame();
    }
}

void IdleScreen::tick()
{
    update();
}

void IdleScreen::refresh()
{
    ++m_refreshCount;
    m_zone = theCore ? theCore->appliedTimeZone() : QString();
    m_mode = tr("Default");
    const QString path = theCore ? theCore->sipConfigFileName("phone_info.conf") : QString();
    if (!path.isEmpty()) {
        if (IniFile(path).value("NTP_Serv/User_Set", 0).toInt() != 0)
            m_mode = tr("User");
    }
}

void IdleScreen::setupStatus()
{
    Status* status = theCore ? theCore->statusWidget() : 0;
    if (!status)
        return;
    QString title = tr("Idle");
    const QString path = theCore->sipConfigFileName("phone_info.conf");
    if (!path.isEmpty()) {
        // The line's number and name, as a phone shows its account at rest.
        const IniFile settings(path);
        const QString number = settings.value("SIP_Account1/User_ID").toString();
        const QString name = settings.value("SIP_Account1/Display_Name").toString();
        if (!number.isEmpty())
            title = name.isEmpty() ? number : number + " | " + name;
    }
    status->setTitle(title);
}
