#include "KeyScript.h"

#include "PhoneHost.h"

#include <QRegExp>
#include <QTextStream>
#include <QTimer>

namespace {

// A screen that never settles (a page that never takes the keyboard) still lets the script go
// on, with a line saying so.
const int kSettleLimitMs = 30000;

bool isNumber(const QString& word)
{
    bool ok = false;
    word.toInt(&ok);
    return ok;
}

} // namespace

KeyScript::KeyScript(PhoneHost* host, QObject* parent)
    : QObject(parent), m_host(host), m_pendingWait(0), m_keyDelay(0), m_faceZoom(2), m_running(false), m_marked(false)
{
}

int KeyScript::keyOf(const QString& word)
{
    const QString w = word.toLower();
    if (w == "up") return Qt::Key_Up;
    if (w == "down") return Qt::Key_Down;
    if (w == "left") return Qt::Key_Left;
    if (w == "right") return Qt::Key_Right;
    if (w == "ok" || w == "enter") return Qt::Key_Return;
    if (w == "back" || w == "esc") return Qt::Key_Escape;
    if (w == "soft1") return Qt::Key_Context1;
    if (w == "soft2") return Qt::Key_Context2;
    if (w == "soft3") return Qt::Key_Context3;
    if (w == "soft4") return Qt::Key_Context4;
    QRegExp fkey("f(\\d+)");
    if (fkey.exactMatch(w)) {
        const int n = fkey.cap(1).toInt();
        if (n >= 1 && n <= 10)
            return Qt::Key_F1 + n - 1;
    }
    return 0;
}

void KeyScript::add(Kind kind, int value, const QString& text, int delay)
{
    Step step;
    step.kind = kind;
    step.value = value;
    step.text = text;
    step.delay = delay + m_pendingWait;
    m_pendingWait = 0;
    m_steps.append(step);
}

bool KeyScript::parse(const QString& text)
{
    m_steps.clear();
    m_pendingWait = 0;
    m_error.clear();
    QStringList words;
    for (QString line : text.split('\n')) {
        const int hash = line.indexOf('#');
        if (hash >= 0)
            line.truncate(hash);
        for (const QString& word : line.split(QRegExp("[\\s,;]+")))
            if (!word.isEmpty())
                words << word;
    }
    QRegExp repeated("([^*]+)\\*(\\d+)");
    for (int i = 0; i < words.size(); ++i) {
        const QString word = words.at(i).toLower();
        const QString arg = i + 1 < words.size() ? words.at(i + 1) : QString();
        QString name = word;
        int times = 1;
        if (repeated.exactMatch(word)) {
            name = repeated.cap(1);
            times = repeated.cap(2).toInt();
        }
        if (const int key = keyOf(name)) {
            for (int n = 0; n < times; ++n) {
                add(Press, key, QString(), m_keyDelay);
                add(Release, key, QString(), 0);
            }
        } else if ((word == "press" || word == "release") && keyOf(arg)) {
            add(word == "press" ? Press : Release, keyOf(arg), QString(), word == "press" ? m_keyDelay : 0);
            ++i;
        } else if (word == "hold" && keyOf(arg) && i + 2 < words.size() && isNumber(words.at(i + 2))) {
            add(Press, keyOf(arg), QString(), m_keyDelay);
            add(Release, keyOf(arg), QString(), qMax(0, words.at(i + 2).toInt()));
            i += 2;
        } else if ((word == "wait" || word == "sleep") && isNumber(arg)) {
            m_pendingWait += qMax(0, arg.toInt());
            ++i;
        } else if ((word == "shot" || word == "face") && !arg.isEmpty()) {
            // The face's zoom is taken when the step plays: -1 stands for it.
            add(Shot, word == "face" ? -1 : 0, words.at(i + 1), m_keyDelay);
            ++i;
        } else if (word == "lang" || word == "ime") {
            int value = -1;
            if (isNumber(arg)) {
                value = arg.toInt();
                ++i;
            }
            add(word == "lang" ? Language : Ime, value, QString(), m_keyDelay);
        } else if (word == "clock24") {
            add(Clock24, 0, QString(), m_keyDelay);
        } else if (word == "closepopups") {
            add(ClosePopups, 0, QString(), m_keyDelay);
        } else if (word == "quit") {
            add(Quit, 0, QString(), m_keyDelay);
        } else {
            // Say what is missing after a word that needs more.
            QString need;
            if (word == "wait" || word == "sleep")
                need = "a time in milliseconds";
            else if (word == "shot" || word == "face")
                need = "a file name";
            else if (word == "press" || word == "release")
                need = "a key (up down left right ok back soft1..soft4 f1..f10)";
            else if (word == "hold")
                need = "a key and a time in milliseconds";
            m_error = need.isEmpty() ? QString("unknown word \"%1\" (word %2)").arg(words.at(i)).arg(i + 1)
                                     : QString("\"%1\" needs %2 (word %3)").arg(words.at(i), need).arg(i + 1);
            m_steps.clear();
            return false;
        }
    }
    // A trailing wait still counts: the script ends after it.
    if (m_pendingWait > 0 && !m_steps.isEmpty())
        add(Pause, 0, QString(), 0);
    return true;
}

QString KeyScript::errorString() const
{
    return m_error;
}

int KeyScript::stepCount() const
{
    return m_steps.size();
}

void KeyScript::setKeyDelay(int ms)
{
    m_keyDelay = qMax(0, ms);
}

void KeyScript::setFaceZoom(int zoom)
{
    m_faceZoom = zoom;
}

bool KeyScript::isRunning() const
{
    return m_running;
}

QStringList KeyScript::screenshots() const
{
    return m_screenshots;
}

void KeyScript::start()
{
    m_running = true;
    m_marked = false;
    m_settling.invalidate();
    QTimer::singleShot(m_steps.isEmpty() ? 0 : m_steps.first().delay, this, SLOT(next()));
}

void KeyScript::next()
{
    // First a mark behind the last step's follow-up work: once this one-millisecond timer has
    // fired, its posted events and the timers it started for right after (the lists' editor
    // placement) have run too.
    if (!m_marked) {
        m_marked = true;
        QTimer::singleShot(1, this, SLOT(next()));
        return;
    }
    if (!m_host->isSettled()) {
        if (!m_settling.isValid())
            m_settling.start();
        if (m_settling.elapsed() < kSettleLimitMs) {
            QTimer::singleShot(1, this, SLOT(next()));
            return;
        }
        QTextStream(stderr) << "phonesim: script: the screen did not settle in " << kSettleLimitMs / 1000
                            << " s (no window on top holds the keyboard); going on\n";
    }
    m_settling.invalidate();
    m_marked = false;
    if (m_steps.isEmpty()) {
        m_running = false;
        emit finished();
        return;
    }
    const Step step = m_steps.takeFirst();
    // Scheduled before playing: a key may open a modal loop that returns much later.
    QTimer::singleShot(m_steps.isEmpty() ? 0 : m_steps.first().delay, this, SLOT(next()));
    play(step);
}

void KeyScript::play(const Step& step)
{
    switch (step.kind) {
    case Press: m_host->sendPhoneKey(step.value, true); break;
    case Release: m_host->sendPhoneKey(step.value, false); break;
    case Shot: {
        const QString file = m_host->saveScreenshot(step.text, step.value < 0 ? m_faceZoom : 0);
        if (!file.isEmpty())
            m_screenshots.append(file);
        break;
    }
    case Language: m_host->switchLanguage(step.value); break;
    case Clock24: m_host->toggle24HourTime(); break;
    case Ime: m_host->setImeStatus(step.value); break;
    case ClosePopups: m_host->closePopups(); break;
    case Pause: break;
    case Quit: emit quitRequested(); break;
    }
}
