// The soft-key bar: key layout, the press / long press / release signals from real key events,
// the erase key while an input method is active, blocked windows, the key search, and the
// painting of the keys in both designs and states.
#include "Core.h"
#include "IME.h"
#include "MessageCapture.h"
#include "QWSServer.h"
#include "Tail.h"
#include "TailButton.h"
#include "TestHost.h"
#include "WidgetImage.h"

#include <QButtonGroup>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

void sendKey(QWidget* target, QEvent::Type type, int key, bool autoRepeat = false)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QCoreApplication::sendEvent(target, &event);
}

void press(QWidget* target, int key, bool autoRepeat = false)
{
    sendKey(target, QEvent::KeyPress, key, autoRepeat);
}

void release(QWidget* target, int key, bool autoRepeat = false)
{
    sendKey(target, QEvent::KeyRelease, key, autoRepeat);
}

int contextKey(int idx)
{
    return Qt::Key_Context1 + idx;
}

// Opaque pixels of a picture found at (x, y) of the image.
bool pictureAt(const QImage& image, const QPixmap& pixmap, int x, int y)
{
    const QImage picture = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int py = 0; py < picture.height(); ++py)
        for (int px = 0; px < picture.width(); ++px)
            if (qAlpha(picture.pixel(px, py)) == 255) {
                ++opaque;
                if (image.pixel(x + px, y + py) != picture.pixel(px, py))
                    return false;
            }
    return opaque > 0;
}

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGrey(187, 187, 187);

} // namespace

// Records the bar's three signals in the order they come.
class SignalLog : public QObject
{
    Q_OBJECT
public:
    explicit SignalLog(Tail* tail)
    {
        connect(tail, SIGNAL(clicked(int)), this, SLOT(onClicked(int)));
        connect(tail, SIGNAL(longPress(int)), this, SLOT(onLongPress(int)));
        connect(tail, SIGNAL(pressed(int,bool)), this, SLOT(onPressed(int,bool)));
    }
    QStringList events;

public slots:
    void onClicked(int idx) { events << QString("clicked(%1)").arg(idx); }
    void onLongPress(int idx) { events << QString("longPress(%1)").arg(idx); }
    void onPressed(int idx, bool down) { events << QString("pressed(%1,%2)").arg(idx).arg(down ? "true" : "false"); }
};

class FrameTailTest : public QObject
{
    Q_OBJECT

    TestHost* m_host;

    static void label(Tail& tail, const QStringList& texts)
    {
        for (int i = 0; i < texts.size(); ++i)
            tail.setFuncButtonText(i, texts[i]);
    }

    QImage renderKey(const QString& text, bool down, int design)
    {
        m_host->core()->setDesignType(design);
        TailButton key;
        key.resize(92, 27);
        key.setText(text);
        key.setDown(down);
        return WidgetImage::render(&key);
    }

private slots:
    void initTestCase()
    {
        m_host = new TestHost;
    }

    void cleanupTestCase()
    {
        TestHost::unloadPictures();
        delete m_host;
    }

    void init()
    {
        TestHost::unloadPictures();
        m_host->core()->setDesignType(0);
        m_host->core()->setIme(m_host->core()->findChild<IME*>());
        m_host->core()->ime()->setImeStatus(0);
    }

    void construction()
    {
        Tail tail;
        QCOMPARE(tail.objectName(), QString("Tail"));
        QCOMPARE(tail.geometry(), QRect(8, 133, 369, 27));
        QVERIFY(tail.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(tail.testAttribute(Qt::WA_TranslucentBackground));
        QButtonGroup* group = tail.findChild<QButtonGroup*>();
        QVERIFY(group);
        for (int i = 0; i < 4; ++i) {
            TailButton* key = tail.button(i);
            QVERIFY(key);
            QCOMPARE(key->parentWidget(), &tail);
            QCOMPARE(key->geometry(), QRect(i * 92, 0, 92, 27));
            QCOMPARE(tail.buttonGeometry(i), QRect(i * 92, 0, 92, 27));
            QCOMPARE(tail.buttonWidth(i), 92);
            QCOMPARE(key->focusPolicy(), Qt::NoFocus);
            QCOMPARE(key->font().pointSize(), 20);
            QVERIFY(!key->isDown());
            QCOMPARE(group->id(key), i);
            QCOMPARE(key->startPos(), 2.0f);
            QCOMPARE(key->endPos(), 2.0f);
            QCOMPARE(tail.funcButtonText(i), QString());
        }
        QVERIFY(!tail.useEraseStr());

        QWidget page;
        Tail child(&page);
        QCOMPARE(child.parentWidget(), &page);
        QVERIFY(!child.isWindow());
    }

    void badIndices()
    {
        Tail tail;
        label(tail, { "A", "B", "C", "D" });
        MessageCapture capture;
        tail.setFuncButtonText(4, "x");
        tail.setFuncButtonText(-1, "x");
        QCOMPARE(capture.lines(), QStringList({ "Tail::setFuncButtonText invalid idx: 4",
                                                "Tail::setFuncButtonText invalid idx: -1" }));
        capture.clear();
        QCOMPARE(tail.funcButtonText(7), QString());
        QCOMPARE(capture.lines(), QStringList("Tail::funcButtonText invalid idx: 7"));
        capture.clear();
        QVERIFY(!tail.button(4));
        QVERIFY(!tail.button(-1));
        QCOMPARE(tail.buttonWidth(9), 369 / 4);
        QVERIFY(tail.buttonGeometry(-2).isNull());
        tail.setButtonTextColor(4, Qt::red);
        QCOMPARE(capture.lines(), QStringList());
        for (int i = 0; i < 4; ++i)
            QCOMPARE(tail.funcButtonText(i), QString(QChar('A' + i)));

        tail.setButtonTextColor(1, QColor(255, 0, 0));
        QCOMPARE(tail.button(1)->styleSheet(), QString("QPushButton { color: #ff0000; }"));
    }

    void shortPress_data()
    {
        QTest::addColumn<int>("idx");
        for (int i = 0; i < 4; ++i)
            QTest::newRow(qPrintable(QString("key %1").arg(i))) << i;
    }

    void shortPress()
    {
        QFETCH(int, idx);
        Tail tail;
        label(tail, { "A", "B", "C", "D" });
        SignalLog log(&tail);
        press(&tail, contextKey(idx));
        QCOMPARE(log.events, QStringList(QString("pressed(%1,true)").arg(idx)));
        QVERIFY(tail.button(idx)->isDown());
        release(&tail, contextKey(idx));
        QCOMPARE(log.events, QStringList({ QString("pressed(%1,true)").arg(idx),
                                           QString("pressed(%1,false)").arg(idx),
                                           QString("clicked(%1)").arg(idx) }));
        QVERIFY(!tail.button(idx)->isDown());
        // Nothing fires later.
        QTest::qWait(600);
        QCOMPARE(log.events.size(), 3);
    }

    void longPress_data()
    {
        QTest::addColumn<int>("idx");
        QTest::addColumn<bool>("autoRepeat");
        QTest::newRow("key 1") << 1 << false;
        QTest::newRow("key 3") << 3 << false;
        QTest::newRow("key 0 auto-repeating") << 0 << true;
    }

    void longPress()
    {
        QFETCH(int, idx);
        QFETCH(bool, autoRepeat);
        Tail tail;
        label(tail, { "A", "B", "C", "D" });
        SignalLog log(&tail);
        QElapsedTimer held;
        held.start();
        press(&tail, contextKey(idx));
        QCOMPARE(log.events, QStringList(QString("pressed(%1,true)").arg(idx)));
        QTest::qWait(300);
        if (autoRepeat) {
            // A held key repeats; the repeats do not end the press.
            release(&tail, contextKey(idx), true);
            press(&tail, contextKey(idx), true);
        }
        if (held.elapsed() < 450)   // a busy machine may have slept past the long-press time
            QCOMPARE(log.events, QStringList(QString("pressed(%1,true)").arg(idx)));
        QTRY_COMPARE_WITH_TIMEOUT(log.events, QStringList({ QString("pressed(%1,true)").arg(idx),
                                                            QString("longPress(%1)").arg(idx) }), 3000);
        QVERIFY(held.elapsed() >= 500);
        QVERIFY(!tail.button(idx)->isDown());
        release(&tail, contextKey(idx));
        QCOMPARE(log.events, QStringList({ QString("pressed(%1,true)").arg(idx),
                                           QString("longPress(%1)").arg(idx),
                                           QString("pressed(%1,false)").arg(idx),
                                           QString("clicked(%1)").arg(idx) }));

        // The press is over: an ignored press and release of an unlabelled key says nothing.
        tail.setFuncButtonText(2, QString());
        press(&tail, Qt::Key_Context3);
        release(&tail, Qt::Key_Context3);
        QCOMPARE(log.events.size(), 4);
    }

    void unlabelledKeysAreSilent()
    {
        Tail tail;
        label(tail, { "A", "", "C", "" });
        SignalLog log(&tail);
        for (int idx : { 1, 3 }) {
            press(&tail, contextKey(idx));
            QVERIFY(!tail.button(idx)->isDown());
            QTest::qWait(idx == 1 ? 550 : 0);
            release(&tail, contextKey(idx));
        }
        QCOMPARE(log.events, QStringList());
        // Keys other than the four context keys are not the bar's.
        press(&tail, Qt::Key_Return);
        release(&tail, Qt::Key_Return);
        press(&tail, Qt::Key_F1);
        QCOMPARE(log.events, QStringList());
    }

    void secondPressTakesOver()
    {
        Tail tail;
        label(tail, { "A", "B", "C", "D" });
        SignalLog log(&tail);
        press(&tail, Qt::Key_Context1);
        QTest::qWait(300);
        QElapsedTimer second;
        second.start();
        press(&tail, Qt::Key_Context2);
        QVERIFY(!tail.button(0)->isDown());
        QVERIFY(tail.button(1)->isDown());
        QTest::qWait(300);   // 600 ms after the first press, 300 after the second
        if (second.elapsed() < 450)
            QCOMPARE(log.events, QStringList({ "pressed(0,true)", "pressed(1,true)" }));
        else
            QCOMPARE(log.events.mid(0, 2), QStringList({ "pressed(0,true)", "pressed(1,true)" }));
        log.events = log.events.mid(0, 2);
        release(&tail, Qt::Key_Context2);
        release(&tail, Qt::Key_Context1);
        QCOMPARE(log.events, QStringList({ "pressed(0,true)", "pressed(1,true)",
                                           "pressed(1,false)", "clicked(1)" }));
    }

    void touch()
    {
        Tail tail;
        label(tail, { "A", "B", "C", "D" });
        SignalLog log(&tail);
        m_host->core()->ime()->setImeStatus(1);
        for (int i = 0; i < 4; ++i)
            QTest::mouseClick(tail.button(i), Qt::LeftButton);
        QCOMPARE(log.events, QStringList({ "clicked(0)", "clicked(1)", "clicked(2)", "clicked(3)" }));
    }

    // While text input is on, the third key erases in the focused editor instead of clicking.
    void eraseKey()
    {
        QWidget window;
        QVBoxLayout* layout = new QVBoxLayout(&window);
        QLineEdit* edit = new QLineEdit("abc", &window);
        layout->addWidget(edit);
        Tail* tail = new Tail(&window);
        tail->show();
        label(*tail, { "A", "B", "Own", "D" });
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        edit->end(false);
        QCOMPARE(QApplication::focusWidget(), edit);
        SignalLog log(tail);

        m_host->core()->ime()->setImeStatus(1);
        QCOMPARE(tail->funcButtonText(2), QString("Erase"));
        const int injected = QWSServer::injectedKeyCount();
        press(tail, Qt::Key_Context3);
        release(tail, Qt::Key_Context3);
        QCOMPARE(QWSServer::injectedKeyCount(), injected + 2);
        QVERIFY(!log.events.contains("clicked(2)"));
        QCOMPARE(edit->text(), QString("abc"));   // posted: arrives with the event loop
        QTRY_COMPARE(edit->text(), QString("ab"));

        press(tail, Qt::Key_Context3);
        release(tail, Qt::Key_Context3);
        QTRY_COMPARE(edit->text(), QString("a"));
        QVERIFY(!log.events.contains("clicked(2)"));

        // Input over: the key has its own text back and clicks again.
        m_host->core()->ime()->setImeStatus(0);
        QCOMPARE(tail->funcButtonText(2), QString("Own"));
        log.events.clear();
        press(tail, Qt::Key_Context3);
        release(tail, Qt::Key_Context3);
        QCOMPARE(log.events, QStringList({ "pressed(2,true)", "pressed(2,false)", "clicked(2)" }));
        QCOMPARE(QWSServer::injectedKeyCount(), injected + 4);
        QCoreApplication::processEvents();
        QCOMPARE(edit->text(), QString("a"));
    }

    void eraseTextFollowsInputMethod()
    {
        Tail tail;
        label(tail, { "A", "B", "Own", "D" });
        IME* ime = m_host->core()->ime();
        ime->setImeStatus(2);
        QCOMPARE(tail.funcButtonText(2), QString("Erase"));
        tail.setFuncButtonText(2, "New");
        QCOMPARE(tail.funcButtonText(2), QString("New"));
        ime->setImeStatus(3);
        QCOMPARE(tail.funcButtonText(2), QString("Erase"));
        ime->setImeStatus(0);
        QCOMPARE(tail.funcButtonText(2), QString("New"));

        tail.setUseEraseStr(true);
        tail.setEraseStr("Del");
        QVERIFY(tail.useEraseStr());
        ime->setImeStatus(1);
        QCOMPARE(tail.funcButtonText(2), QString("Del"));
        // The other keys never change.
        QCOMPARE(tail.funcButtonText(0), QString("A"));
        QCOMPARE(tail.funcButtonText(3), QString("D"));
    }

    void noInputMethodEngine()
    {
        m_host->core()->setIme(0);
        Tail tail;
        label(tail, { "A", "B", "C", "D" });
        SignalLog log(&tail);
        press(&tail, Qt::Key_Context3);
        release(&tail, Qt::Key_Context3);
        QCOMPARE(log.events, QStringList({ "pressed(2,true)", "pressed(2,false)", "clicked(2)" }));
    }

    // A modal dialog over the page blocks its window; the page's keys then ignore the input
    // method, which belongs to the dialog.
    void blockedWindow()
    {
        QWidget page;
        page.resize(384, 134);
        Tail* tail = new Tail(&page);
        tail->show();
        label(*tail, { "A", "B", "Own", "D" });
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        IME* ime = m_host->core()->ime();

        QDialog popup(&page);
        popup.setModal(true);
        popup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        ime->setImeStatus(1);
        QCOMPARE(tail->funcButtonText(2), QString("Own"));

        popup.hide();
        QCoreApplication::processEvents();
        ime->setImeStatus(1);
        QCOMPARE(tail->funcButtonText(2), QString("Erase"));

        // The same by hand, and activation clears the mark too.
        QEvent blocked(QEvent::WindowBlocked);
        QCoreApplication::sendEvent(tail, &blocked);
        ime->setImeStatus(0);
        QCOMPARE(tail->funcButtonText(2), QString("Erase"));
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(tail, &activate);
        ime->setImeStatus(0);
        QCOMPARE(tail->funcButtonText(2), QString("Own"));
    }

    void findButtonIndex_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("found");
        // Keys: "OK", "Back", "OK", "Save"
        QTest::newRow("first") << "OK" << 0 << 3 << 0;
        QTest::newRow("from 1") << "OK" << 1 << 3 << 2;
        QTest::newRow("from 2 to 0 searches from 0") << "OK" << 2 << 0 << 0;
        QTest::newRow("from 5 starts at 0") << "OK" << 5 << 0 << 0;
        QTest::newRow("from -1 starts at 0") << "Back" << -1 << 0 << 1;
        QTest::newRow("3 to 7: key 3 only") << "OK" << 3 << 7 << -1;
        QTest::newRow("3 to 7 finds key 3") << "Sav" << 3 << 7 << 3;
        QTest::newRow("to below 0 skips no key") << "Back" << 2 << -5 << 1;
        QTest::newRow("case-sensitive") << "ok" << 0 << 3 << -1;
        QTest::newRow("substring") << "ac" << 0 << 3 << 1;
        QTest::newRow("missing") << "Menu" << 0 << 3 << -1;
    }

    void findButtonIndex()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, found);
        Tail tail;
        label(tail, { "OK", "Back", "OK", "Save" });
        QCOMPARE(tail.findButtonIndex(text, from, to), found);
    }

    // Key face by design and state: the key area runs from x 2 to W-3, the face of an
    // idle labelled key (design 0) from (4, 3) to (W-5, H-1); the two outer columns stay clear.
    void keyFace_data()
    {
        QTest::addColumn<int>("design");
        QTest::addColumn<bool>("down");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("area");
        QTest::addColumn<QColor>("face");   // invalid: no separate face
        QTest::addColumn<QColor>("ink");    // invalid: no text
        QTest::newRow("0 up empty") << 0 << false << "" << kGrey << QColor() << QColor();
        QTest::newRow("1 up empty") << 1 << false << "" << kGrey << QColor() << QColor();
        QTest::newRow("0 up MSG_ only") << 0 << false << "MSG_" << kGrey << QColor() << QColor();
        QTest::newRow("0 up text") << 0 << false << "Menu" << kBlack << kWhite << kBlack;
        QTest::newRow("1 up text") << 1 << false << "Menu" << kBlack << QColor() << kWhite;
        QTest::newRow("0 down") << 0 << true << "Menu" << kBlack << QColor() << kWhite;
        QTest::newRow("1 down") << 1 << true << "Menu" << kGrey << QColor() << kBlack;
    }

    void keyFace()
    {
        QFETCH(int, design);
        QFETCH(bool, down);
        QFETCH(QString, text);
        QFETCH(QColor, area);
        QFETCH(QColor, face);
        QFETCH(QColor, ink);
        const QImage image = renderKey(text, down, design);
        const int w = 92, h = 27;
        QVERIFY(WidgetImage::allColor(image, QRect(0, 0, 2, h), Qt::transparent));
        QVERIFY(WidgetImage::allColor(image, QRect(w - 2, 0, 2, h), Qt::transparent));
        // The top three rows and two columns at each side of the key area are the area colour.
        QVERIFY(WidgetImage::allColor(image, QRect(2, 0, w - 4, 3), area));
        QVERIFY(WidgetImage::allColor(image, QRect(2, 0, 2, h), area));
        QVERIFY(WidgetImage::allColor(image, QRect(w - 4, 0, 2, h), area));
        const QRect inner(4, 3, w - 8, h - 3);
        if (face.isValid()) {
            QCOMPARE(WidgetImage::bounds(image, inner, face), inner);
        }
        if (ink.isValid()) {
            QVERIFY(WidgetImage::count(image, inner, ink) > 10);
            const QRect drawn = WidgetImage::bounds(image, inner, ink);
            // Centred in the content area (0, 3) .. (W-1, H-1).
            QVERIFY(qAbs((drawn.left() + drawn.right()) - (w - 1)) <= 4);
            QVERIFY(qAbs((drawn.top() + drawn.bottom()) - (3 + h - 1)) <= 6);
        } else {
            QVERIFY(WidgetImage::allColor(image, inner, area));
        }
    }

    void noHostDrawsDesign0()
    {
        m_host->core()->setDesignType(1);
        delete m_host;
        QVERIFY(!theCore);
        TailButton key;
        key.resize(92, 27);
        key.setText("Menu");
        const QImage image = WidgetImage::render(&key);
        m_host = new TestHost;
        QVERIFY(WidgetImage::isColor(image, 5, 4, kWhite));
        QVERIFY(WidgetImage::isColor(image, 2, 10, kBlack));
    }

    void textRules()
    {
        QCOMPARE(renderKey("MSG_Save", false, 0), renderKey("Save", false, 0));
        QCOMPARE(renderKey("MSG_SaMSG_ve", false, 0), renderKey("Save", false, 0));
        QCOMPARE(renderKey("  Save ", false, 0), renderKey("Save", false, 0));
        QVERIFY(renderKey("Save", false, 0) != renderKey("Sa", false, 0));
    }

    // A label too wide at 20 points drops to 18.
    void longLabelShrinks()
    {
        TailButton key;
        key.resize(92, 27);
        QFont big = key.font();
        big.setPointSize(20);
        QFont small = big;
        small.setPointSize(18);
        const QFontMetrics m20(big, &key), m18(small, &key);
        QString text;
        for (const char* candidate : { "Contacts", "Message", "Settings", "Directory", "History", "Options" })
            if (m20.horizontalAdvance(candidate) >= 89 && m18.horizontalAdvance(candidate) < 88) {
                text = candidate;
                break;
            }
        QVERIFY2(!text.isEmpty(), "no candidate label between the two sizes");
        key.setText(text);
        const QImage image = WidgetImage::render(&key);
        const QRect drawn = WidgetImage::bounds(image, QRect(4, 3, 84, 24), kBlack);
        QVERIFY(drawn.width() <= m18.horizontalAdvance(text));
        QVERIFY(drawn.left() > 4);
    }

    void pictureKeys_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("design");
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("sel");
        const QString widget = ":/ui/images/widget/";
        struct { const char* text; const char* picture; } keys[] = {
            { "\xe2\x88\xa8", "softkey_ok" }, { "<-", "softkey_delete" }, { "Erase", "softkey_delete" },
            { "erase", "softkey_delete" }, { "ERASE", "softkey_delete" }, { "X", "softkey_cancel" },
            { ">>", "softkey_nextpage" }
        };
        for (const auto& k : keys)
            for (int design : { 0, 1 })
                for (bool down : { false, true })
                    QTest::newRow(qPrintable(QString("%1 d%2 %3").arg(QString::fromUtf8(k.text)).arg(design)
                                             .arg(down ? "down" : "up")))
                        << QString::fromUtf8(k.text) << widget + k.picture << design << down << (down != (design == 1));
    }

    void pictureKeys()
    {
        QFETCH(QString, text);
        QFETCH(QString, picture);
        QFETCH(int, design);
        QFETCH(bool, down);
        QFETCH(bool, sel);
        QVERIFY(TestHost::loadPictures());
        const QPixmap pixmap(picture + (sel ? "_sel.png" : ".png"));
        QVERIFY(!pixmap.isNull());
        const QImage image = renderKey(text, down, design);
        const int x = (92 - pixmap.width()) / 2;
        const int y = 3 + (27 - 3 - pixmap.height()) / 2;
        QVERIFY(pictureAt(image, pixmap, x, y));
        // No text beside the picture: the rest of the key is its plain background.
        const QColor background = image.pixel(5, 4);
        QImage masked = image;
        QPainter(&masked).fillRect(QRect(x, y, pixmap.width(), pixmap.height()), background);
        QVERIFY(WidgetImage::allColor(masked, QRect(4, 3, 84, 24), background));
    }

    void pictureKeyWithoutPictures()
    {
        const QImage image = renderKey("X", false, 0);
        QVERIFY(WidgetImage::allColor(image, QRect(4, 3, 84, 24), kWhite));
        QVERIFY(WidgetImage::allColor(image, QRect(2, 0, 88, 3), kBlack));
    }

    // The bar itself paints nothing: between and beside the keys the page shows through.
    void barIsTransparent()
    {
        QWidget page;
        page.resize(384, 134);
        page.setStyleSheet("background: rgb(10, 200, 30);");
        page.setAutoFillBackground(true);
        Tail* tail = new Tail(&page);
        tail->setGeometry(8, 107, 369, 27);
        tail->show();
        label(*tail, { "A", "", "C", "D" });
        const QImage image = WidgetImage::render(&page);
        const QColor green(10, 200, 30);
        for (int i = 0; i < 4; ++i) {
            const int x = 8 + i * 92;
            QVERIFY(WidgetImage::allColor(image, QRect(x, 107, 2, 27), green));
            QVERIFY(WidgetImage::allColor(image, QRect(x + 90, 107, 2, 27), green));
        }
        QVERIFY(WidgetImage::allColor(image, QRect(8 + 368, 107, 1, 27), green));
        QVERIFY(WidgetImage::isColor(image, 8 + 92 + 40, 107, kGrey));
        QVERIFY(WidgetImage::isColor(image, 8 + 40, 107, kBlack));
    }
};

QTEST_MAIN(FrameTailTest)
#include "tst_frame_tail.moc"
