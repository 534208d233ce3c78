#include "KeyMap.h"

#include <QKeyEvent>
#include <QTextStream>

namespace {

const KeyMap::Binding kBindings[] = {
    {Qt::Key_Up, false, KeyMap::NoAction, Qt::Key_Up, "arrows", "move"},
    {Qt::Key_Down, false, KeyMap::NoAction, Qt::Key_Down, 0, 0},
    {Qt::Key_Left, false, KeyMap::NoAction, Qt::Key_Left, 0, 0},
    {Qt::Key_Right, false, KeyMap::NoAction, Qt::Key_Right, 0, 0},
    {Qt::Key_Return, false, KeyMap::NoAction, Qt::Key_Return, "Enter", "OK"},
    {Qt::Key_Escape, false, KeyMap::NoAction, Qt::Key_Escape, "Esc", "back: closes a page, cancels a popup"},
    {Qt::Key_Z, false, KeyMap::PhoneKey, Qt::Key_Context1, "Z X C V", "soft keys 1 to 4, left to right"},
    {Qt::Key_X, false, KeyMap::PhoneKey, Qt::Key_Context2, 0, 0},
    {Qt::Key_C, false, KeyMap::PhoneKey, Qt::Key_Context3, 0, 0},
    {Qt::Key_V, false, KeyMap::PhoneKey, Qt::Key_Context4, 0, 0},
    {Qt::Key_F1, false, KeyMap::NoAction, Qt::Key_F1, "F1..F10", "the lists' hot keys"},
    {Qt::Key_1, false, KeyMap::PhoneKey, Qt::Key_F1, "1..9 0", "F1..F9 F10 too (TigerVNC keeps F8)"},
    {Qt::Key_2, false, KeyMap::PhoneKey, Qt::Key_F2, 0, 0},
    {Qt::Key_3, false, KeyMap::PhoneKey, Qt::Key_F3, 0, 0},
    {Qt::Key_4, false, KeyMap::PhoneKey, Qt::Key_F4, 0, 0},
    {Qt::Key_5, false, KeyMap::PhoneKey, Qt::Key_F5, 0, 0},
    {Qt::Key_6, false, KeyMap::PhoneKey, Qt::Key_F6, 0, 0},
    {Qt::Key_7, false, KeyMap::PhoneKey, Qt::Key_F7, 0, 0},
    {Qt::Key_8, false, KeyMap::PhoneKey, Qt::Key_F8, 0, 0},
    {Qt::Key_9, false, KeyMap::PhoneKey, Qt::Key_F9, 0, 0},
    {Qt::Key_0, false, KeyMap::PhoneKey, Qt::Key_F10, 0, 0},
    {Qt::Key_L, false, KeyMap::SwitchLanguage, 0, "L", "next language (\"changedLanguage()\")"},
    {Qt::Key_T, false, KeyMap::Toggle24Hour, 0, "T", "12/24-hour clock (\"changedStatus()\")"},
    {Qt::Key_I, false, KeyMap::CycleIme, 0, "I", "next input-method status"},
    {Qt::Key_P, false, KeyMap::ClosePopups, 0, "P", "broadcast \"closeSelectPopup()\""},
    {Qt::Key_S, false, KeyMap::Screenshot, 0, "S", "screenshot (PNG, the path is printed)"},
    {Qt::Key_Plus, false, KeyMap::ZoomIn, 0, "+ -", "zoom the VNC screen (x1 to x4)"},
    {Qt::Key_Equal, false, KeyMap::ZoomIn, 0, 0, 0},
    {Qt::Key_Minus, false, KeyMap::ZoomOut, 0, 0, 0},
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
    // Shift does not matter (caps lock on a VNC client, "+" on most layouts); any other
    // modifier makes a different key, except Control for the few bindings that ask for it.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (mods != Qt::NoModifier && mods != Qt::ControlModifier)
        return 0;
    return find(event->key(), mods == Qt::ControlModifier);
}

QList<QPair<QString, QString> > KeyMap::legend()
{
    QList<QPair<QString, QString> > lines;
    for (const Binding& b : kBindings)
        if (b.keyName)
            lines.append(qMakePair(QString::fromLatin1(b.keyName), QString::fromLatin1(b.meaning)));
    return lines;
}

QString KeyMap::helpText()
{
    QString text;
    QTextStream out(&text);
    for (const QPair<QString, QString>& line : legend())
        out << "  " << line.first.leftJustified(9) << line.second << "\n";
    out << "  In a text field the letters, digits and + - type; the face's keys still act.\n";
    return text;
}
