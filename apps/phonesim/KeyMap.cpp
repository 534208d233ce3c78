#include "KeyMap.h"

#include <QKeyEvent>
#include <QTextStream>

namespace {

const KeyMap::Binding kBindings[] = {
    {Qt::Key_Up, false, KeyMap::NoAction, Qt::Key_Up, "Up", "up"},
    {Qt::Key_Down, false, KeyMap::NoAction, Qt::Key_Down, "Down", "down"},
    {Qt::Key_Left, false, KeyMap::NoAction, Qt::Key_Left, "Left", "left"},
    {Qt::Key_Right, false, KeyMap::NoAction, Qt::Key_Right, "Right", "right"},
    {Qt::Key_Return, false, KeyMap::NoAction, Qt::Key_Return, "Enter", "OK"},
    {Qt::Key_Escape, false, KeyMap::NoAction, Qt::Key_Escape, "Esc", "back (closes a page, cancels a popup)"},
    {Qt::Key_F1, false, KeyMap::NoAction, Qt::Key_F1, "F1..F10", "list hot keys"},
    {Qt::Key_Z, false, KeyMap::PhoneKey, Qt::Key_Context1, "Z", "soft key 1 (leftmost)"},
    {Qt::Key_X, false, KeyMap::PhoneKey, Qt::Key_Context2, "X", "soft key 2"},
    {Qt::Key_C, false, KeyMap::PhoneKey, Qt::Key_Context3, "C", "soft key 3"},
    {Qt::Key_V, false, KeyMap::PhoneKey, Qt::Key_Context4, "V", "soft key 4 (rightmost)"},
    {Qt::Key_L, false, KeyMap::SwitchLanguage, 0, "L", "next language (host sends \"changedLanguage()\")"},
    {Qt::Key_T, false, KeyMap::Toggle24Hour, 0, "T", "12/24-hour clock (host sends \"changedStatus()\")"},
    {Qt::Key_I, false, KeyMap::CycleIme, 0, "I", "next input-method status (0 none, 1 Korean, 2 abc, 3 ABC, 4 123)"},
    {Qt::Key_P, false, KeyMap::ClosePopups, 0, "P", "host broadcasts \"closeSelectPopup()\""},
    {Qt::Key_S, false, KeyMap::Screenshot, 0, "S", "screenshot (PNG of the 384 x 160 screen)"},
    {Qt::Key_H, false, KeyMap::Help, 0, "H", "print this list"},
    {Qt::Key_Q, true, KeyMap::Quit, 0, "Ctrl+Q", "quit"},
};

} // namespace

QList<KeyMap::Binding> KeyMap::bindings()
{
    QList<Binding> list;
    for (const Binding& b : kBindings)
        list.append(b);
    return list;
}

const KeyMap::Binding* KeyMap::find(int pcKey, bool control)
{
    for (const Binding& b : kBindings)
        if (b.action != NoAction && b.pcKey == pcKey && b.control == control)
            return &b;
    return 0;
}

const KeyMap::Binding* KeyMap::find(const QKeyEvent* event)
{
    if (!event)
        return 0;
    // Shift does not matter (caps lock on a VNC client); any other modifier makes a
    // different key, except Control for the few bindings that ask for it.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (mods != Qt::NoModifier && mods != Qt::ControlModifier)
        return 0;
    return find(event->key(), mods == Qt::ControlModifier);
}

QString KeyMap::helpText()
{
    QString text;
    QTextStream out(&text);
    for (const Binding& b : kBindings) {
        if (b.pcKey == Qt::Key_Down || b.pcKey == Qt::Key_Left || b.pcKey == Qt::Key_Right)
            continue;
        const QString name = b.pcKey == Qt::Key_Up ? QString("arrows") : QString::fromLatin1(b.keyName);
        const QString meaning = b.pcKey == Qt::Key_Up ? QString("move") : QString::fromUtf8(b.meaning);
        out << "  " << name.leftJustified(9) << meaning << "\n";
    }
    return text;
}
