// The page base widget: geometry, the borrowed status bar and own soft-key bar, key routing,
// Escape closing on release, activation hook, status refresh from settings, background paint.
#include "BaseWidget.h"
#include "Core.h"
#include "MessageCapture.h"
#include "Status.h"
#include "Tail.h"
#include "TailButton.h"
#include "TestHost.h"
#include "TimeLabel.h"
#include "WidgetImage.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// Counts the events of some types that reach an object.
class EventCounter : public QObject
{
public:
    EventCounter(QObject* target, QList<QEvent::Type> types) : m_types(types)
    {
        target->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (m_types.contains(e->type()))
            ++count;
        return false;
    }

private:
    QList<QEvent::Type> m_types;
};

// A page that puts its title up whenever it comes to the front.
class TitledPage : public BaseWidget
{
public:
    int setups = 0;
    void setupStatus() override
    {
        ++setups;
        if (m_status)
            m_status->setTitle("Settings | Time Zone");
    }
};

bool sendKey(QWidget* target, QEvent::Type type, int key)
{
    QKeyEvent event(type, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
    return event.isAccepted();
}

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kGrey(187, 187, 187);

} // namespace

class FrameBaseWidgetTest : public QObject
{
    Q_OBJECT

    TestHost* m_host;
    Status* m_bar;

private slots:
    void initTestCase()
    {
        m_host = new TestHost;
        m_bar = new Status;
        m_host->core()->setStatusWidget(m_bar);
    }

    void cleanupTestCase()
    {
        m_host->core()->setStatusWidget(0);
        delete m_bar;
        delete m_host;
    }

    void init()
    {
        m_host->core()->setStatusWidget(m_bar);
        m_host->core()->setDesignType(0);
        m_host->core()->setConfigDir(m_host->dir());
        m_host->removeFile("settings.conf");
        m_host->removeFile("system.conf");
    }

    void construction()
    {
        BaseWidget page;
        QCOMPARE(page.geometry(), QRect(0, 26, 384, 134));
        QVERIFY(page.isWindow());
        QVERIFY(page.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(page.status(), m_bar);
        Tail* tail = page.tail();
        QVERIFY(tail);
        QCOMPARE(tail->parentWidget(), &page);
        QCOMPARE(tail->geometry(), QRect(8, 107, 369, 27));
        QVERIFY(tail->isVisibleTo(&page));
        QCOMPARE(tail->buttonGeometry(3), QRect(276, 0, 92, 27));
        QCOMPARE(page.bgColor(), QColor(255, 255, 255, 255));
        // Only the class name: no signals, slots or properties of its own.
        const QMetaObject* meta = page.metaObject();
        QCOMPARE(meta->className(), "BaseWidget");
        QCOMPARE(meta->methodCount(), QDialog::staticMetaObject.methodCount());
        QCOMPARE(meta->propertyCount(), QDialog::staticMetaObject.propertyCount());

        // The page borrows the bar: it survives the page.
        {
            BaseWidget other;
        }
        QCOMPARE(m_bar->objectName(), QString("Status"));
    }

    void withoutStatusBar()
    {
        m_host->core()->setStatusWidget(0);
        m_host->setValue("system.conf", "Menu_Password/enable", true);
        TitledPage page;
        QVERIFY(!page.status());
        MessageCapture capture;
        page.updateStatus();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&page, &activate);
        QCOMPARE(page.setups, 1);
        QCOMPARE(capture.lines(), QStringList());
    }

    void background_data()
    {
        QTest::addColumn<int>("design");
        QTest::newRow("design 0") << 0;
        QTest::newRow("design 1") << 1;
    }

    // White page, and the four idle unlabelled keys grey in their areas along the bottom.
    void background()
    {
        QFETCH(int, design);
        m_host->core()->setDesignType(design);
        BaseWidget page;
        QImage image = WidgetImage::render(&page);
        QVERIFY(WidgetImage::allColor(image, QRect(0, 0, 384, 107), kWhite));
        QVERIFY(WidgetImage::allColor(image, QRect(0, 107, 10, 27), kWhite));
        QVERIFY(WidgetImage::allColor(image, QRect(8 + 366, 107, 10, 27), kWhite));
        for (int i = 0; i < 4; ++i) {
            QVERIFY(WidgetImage::allColor(image, QRect(8 + i * 92 + 2, 107, 88, 27), kGrey));
            QVERIFY(WidgetImage::allColor(image, QRect(8 + i * 92, 107, 2, 27), kWhite));
        }

        page.setBgColor(QColor(0, 0, 128));
        QCOMPARE(page.bgColor(), QColor(0, 0, 128));
        image = WidgetImage::render(&page);
        QVERIFY(WidgetImage::allColor(image, QRect(0, 0, 384, 107), QColor(0, 0, 128)));
        QVERIFY(WidgetImage::allColor(image, QRect(8, 107, 2, 27), QColor(0, 0, 128)));
    }

    // A labelled key pressed through the page turns to its pressed look, then back.
    void softKeyStates_data()
    {
        QTest::addColumn<int>("design");
        QTest::addColumn<QColor>("upArea");
        QTest::addColumn<QColor>("downArea");
        QTest::newRow("design 0") << 0 << kBlack << kBlack;
        QTest::newRow("design 1") << 1 << kBlack << kGrey;
    }

    void softKeyStates()
    {
        QFETCH(int, design);
        QFETCH(QColor, upArea);
        QFETCH(QColor, downArea);
        m_host->core()->setDesignType(design);
        BaseWidget page;
        page.tail()->setFuncButtonText(1, "Menu");
        const QRect border(8 + 92 + 2, 107, 88, 3);
        const QRect face(8 + 92 + 4, 110, 84, 24);

        QImage image = WidgetImage::render(&page);
        QVERIFY(WidgetImage::allColor(image, border, upArea));
        if (design == 0)
            QCOMPARE(WidgetImage::bounds(image, face, kWhite), face);

        sendKey(&page, QEvent::KeyPress, Qt::Key_Context2);
        image = WidgetImage::render(&page);
        QVERIFY(WidgetImage::allColor(image, border, downArea));
        QVERIFY(WidgetImage::count(image, face, design == 0 ? kWhite : kBlack) > 10);
        // Neighbours stay idle grey.
        QVERIFY(WidgetImage::allColor(image, QRect(8 + 2, 107, 88, 27), kGrey));

        sendKey(&page, QEvent::KeyRelease, Qt::Key_Context2);
        image = WidgetImage::render(&page);
        QVERIFY(WidgetImage::allColor(image, border, upArea));
    }

    void setBgColorWaitsForNextPaint()
    {
        BaseWidget page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QCoreApplication::processEvents();
        EventCounter paints(&page, { QEvent::Paint });
        page.setBgColor(Qt::red);
        QTest::qWait(50);
        QCOMPARE(paints.count, 0);
        page.update();
        QTRY_VERIFY(paints.count > 0);
    }

    void softKeysReachTheBarOnce_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("idx");
        for (int i = 0; i < 4; ++i)
            QTest::newRow(qPrintable(QString("Context%1").arg(i + 1))) << int(Qt::Key_Context1 + i) << i;
    }

    void softKeysReachTheBarOnce()
    {
        QFETCH(int, key);
        QFETCH(int, idx);
        BaseWidget page;
        for (int i = 0; i < 4; ++i)
            page.tail()->setFuncButtonText(i, "K");
        EventCounter presses(page.tail(), { QEvent::KeyPress });
        EventCounter releases(page.tail(), { QEvent::KeyRelease });
        QSignalSpy pressed(page.tail(), SIGNAL(pressed(int,bool)));
        QSignalSpy clicked(page.tail(), SIGNAL(clicked(int)));

        QVERIFY(sendKey(&page, QEvent::KeyPress, key));
        QCOMPARE(presses.count, 1);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.at(0).at(0).toInt(), idx);
        QVERIFY(sendKey(&page, QEvent::KeyRelease, key));
        QCOMPARE(releases.count, 1);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), idx);

        // Through a focused editor that has no use for the key, exactly once as well.
        QLineEdit* edit = new QLineEdit(&page);
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        edit->setFocus();
        QTest::sendKeyEvent(QTest::Press, edit, Qt::Key(key), QString(), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, edit, Qt::Key(key), QString(), Qt::NoModifier);
        QCOMPARE(presses.count, 2);
        QCOMPARE(releases.count, 2);
        QCOMPARE(clicked.count(), 2);
    }

    void softKeyLongPressThroughPage()
    {
        BaseWidget page;
        page.tail()->setFuncButtonText(3, "Hold");
        QSignalSpy longPress(page.tail(), SIGNAL(longPress(int)));
        QSignalSpy clicked(page.tail(), SIGNAL(clicked(int)));
        sendKey(&page, QEvent::KeyPress, Qt::Key_Context4);
        QTRY_COMPARE_WITH_TIMEOUT(longPress.count(), 1, 3000);
        QCOMPARE(longPress.at(0).at(0).toInt(), 3);
        sendKey(&page, QEvent::KeyRelease, Qt::Key_Context4);
        QCOMPARE(clicked.count(), 1);
    }

    void escapeClosesOnRelease()
    {
        BaseWidget page;
        QLineEdit* edit = new QLineEdit(&page);
        QSignalSpy rejected(&page, SIGNAL(rejected()));
        QSignalSpy finished(&page, SIGNAL(finished(int)));
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        edit->setFocus();

        QTest::keyPress(edit, Qt::Key_Escape);
        QVERIFY(page.isVisible());
        QTest::keyRelease(edit, Qt::Key_Escape);
        QVERIFY(!page.isVisible());
        QCOMPARE(rejected.count(), 0);
        QCOMPARE(finished.count(), 0);
    }

    void escapeEndsModalRun()
    {
        BaseWidget page;
        QSignalSpy rejected(&page, SIGNAL(rejected()));
        QSignalSpy finished(&page, SIGNAL(finished(int)));
        bool pressOnlyKeptItOpen = false;
        QTimer::singleShot(50, &page, [&]() {
            QVERIFY(sendKey(&page, QEvent::KeyPress, Qt::Key_Escape));
            pressOnlyKeptItOpen = page.isVisible();
            QVERIFY(sendKey(&page, QEvent::KeyRelease, Qt::Key_Escape));
        });
        QTimer::singleShot(3000, &page, [&]() { page.done(42); });   // safety net
        const int result = page.exec();
        QVERIFY(pressOnlyKeptItOpen);
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(rejected.count(), 0);
        QCOMPARE(finished.count(), 0);
        QVERIFY(!page.isVisible());
    }

    // Keys the page does not use are neither taken by the dialog (no default button) nor
    // turned into a rejection.
    void otherKeysLeftAlone()
    {
        BaseWidget page;
        QPushButton* ok = new QPushButton("OK", &page);
        ok->setDefault(true);
        QSignalSpy okClicked(ok, SIGNAL(clicked()));
        QSignalSpy clicked(page.tail(), SIGNAL(clicked(int)));
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        sendKey(&page, QEvent::KeyPress, Qt::Key_Return);
        sendKey(&page, QEvent::KeyRelease, Qt::Key_Return);
        sendKey(&page, QEvent::KeyPress, Qt::Key_F1);
        QCOMPARE(okClicked.count(), 0);
        QCOMPARE(clicked.count(), 0);
        QVERIFY(page.isVisible());
    }

    void closeDoesNotReject()
    {
        BaseWidget page;
        QSignalSpy rejected(&page, SIGNAL(rejected()));
        page.show();
        QVERIFY(page.close());
        QVERIFY(!page.isVisible());
        QCOMPARE(rejected.count(), 0);
    }

    void activationRunsSetupStatus()
    {
        TitledPage page;
        m_bar->setTitle("Idle");
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&page, &activate);
        QCoreApplication::sendEvent(&page, &activate);
        QCOMPARE(page.setups, 2);
        QCOMPARE(m_bar->title().trimmed(), QString("Settings | Time Zone"));
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(&page, &deactivate);
        QCOMPARE(page.setups, 2);

        // A real activation too.
        m_bar->setTitle("Idle");
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        QVERIFY(page.setups >= 3);
        QCOMPARE(m_bar->title().trimmed(), QString("Settings | Time Zone"));
    }

    void updateStatus_data()
    {
        QTest::addColumn<QVariant>("hour24");   // invalid: key absent
        QTest::addColumn<QVariant>("password");
        QTest::addColumn<bool>("clock24");
        QTest::addColumn<bool>("lock");
        QTest::newRow("both on") << QVariant(true) << QVariant(true) << true << true;
        QTest::newRow("both off") << QVariant(false) << QVariant(false) << false << false;
        QTest::newRow("absent") << QVariant() << QVariant() << false << false;
        QTest::newRow("24h only") << QVariant(true) << QVariant() << true << false;
        QTest::newRow("lock only") << QVariant() << QVariant(true) << false << true;
        QTest::newRow("numbers") << QVariant(1) << QVariant(0) << true << false;
    }

    void updateStatus()
    {
        QFETCH(QVariant, hour24);
        QFETCH(QVariant, password);
        QFETCH(bool, clock24);
        QFETCH(bool, lock);
        if (hour24.isValid())
            m_host->setValue("settings.conf", "Settings/24HourTime", hour24);
        if (password.isValid())
            m_host->setValue("system.conf", "Menu_Password/enable", password);
        // Something else in the password file is not read.
        m_host->setValue("system.conf", "Menu_Password/password", "1234");

        m_bar->setTime24Hour(!clock24);
        m_bar->setUIStatusLock(!lock);
        BaseWidget page;
        MessageCapture capture;
        page.updateStatus();
        TimeLabel* clock = dynamic_cast<TimeLabel*>(m_bar->findChild<QLabel*>("timeLabel"));
        QCOMPARE(clock->time24Hour(), clock24);
        QCOMPARE(clock->minimumWidth(), clock24 ? 43 : 72);
        QCOMPARE(m_bar->findChild<QLabel*>("statusLock")->isVisibleTo(m_bar), lock);
        QCOMPARE(capture.lines(), QStringList());
    }

    void updateStatusWithoutFiles()
    {
        m_host->core()->setConfigDir(QString());
        m_bar->setTime24Hour(true);
        m_bar->setUIStatusLock(true);
        BaseWidget page;
        page.updateStatus();
        QVERIFY(!dynamic_cast<TimeLabel*>(m_bar->findChild<QLabel*>("timeLabel"))->time24Hour());
        QVERIFY(!m_bar->findChild<QLabel*>("statusLock")->isVisibleTo(m_bar));
    }
};

QTEST_MAIN(FrameBaseWidgetTest)
#include "tst_frame_basewidget.moc"
