#include "SettingsRingTone.h"

#include "Core.h"
#include "ImageButton.h"
#include "IniFile.h"
#include "ListView.h"
#include "ListViewCheckItem.h"
#include "ListViewLineEditItem.h"
#include "ListViewProgressItem.h"
#include "ListViewRadioItem.h"
#include "ListViewSelectItem.h"
#include "SelectPopupListView.h"
#include "SoundSelectPopup.h"
#include "Status.h"
#include "Tail.h"

#include <QDebug>
#include <QStringList>

#include <stdlib.h>

namespace {

const char* const kToneKey = "Ring/Tone";
const char* const kVolumeKey = "Ring/Volume";
const char* const kVibrateKey = "Ring/Vibrate";
const char* const kNameKey = "Ring/Name";

const int kMaxVolume = 8;
const int kDefaultVolume = 5;
const int kMaxNameLength = 16;
const int kSaveKey = 3;

// The phone's built-in tones; their names are data, shown untranslated.
QStringList tones()
{
    return QStringList() << "Classic" << "Bell" << "Chime" << "Digital" << "Marimba" << "Melody"
                         << "Piano" << "Trill";
}

} // namespace

SettingsRingTone::SettingsRingTone(QWidget* parent)
    : BaseWidget(parent),
      BaseAppInterface("settings_ringtone", parent),
      m_listView(0)
{
    setupStatus();
    setupTail();
    setupListView();
}

void SettingsRingTone::setupStatus()
{
    if (m_status)
        m_status->setTitle(tr("Settings | Ring Tone"));
}

void SettingsRingTone::setupTail()
{
    if (!m_tail)
        return;
    for (int i = 0; i < 4; ++i)
        m_tail->setFuncButtonText(i, i == kSaveKey ? tr("Save") : QString(""));
    connect(m_tail, SIGNAL(clicked(int)), this, SLOT(tailFuncButtonClicked(int)), Qt::UniqueConnection);
}

void SettingsRingTone::setupListView()
{
    m_listView = new ListView(this);
    m_listView->setLineColor(QColor(0, 0, 0));
    m_listView->setGeometry(5, 2, 374, 104);
    m_listView->addItem(new ListViewSelectItem(tr("Ring Tone"), tones().first()));
    ListViewProgressItem* volume = new ListViewProgressItem(tr("Volume"), kMaxVolume);
    volume->setValue(kDefaultVolume);
    m_listView->addItem(volume);
    m_listView->addItem(new ListViewCheckItem(tr("Vibrate"), false));
    ListViewLineEditItem* name = new ListViewLineEditItem(tr("Name"), QString());
    name->setMaxLength(kMaxNameLength);
    m_listView->addItem(name);
    connect(m_listView, SIGNAL(clicked(int)), this, SLOT(clickedListViewItem(int)));
    connect(m_listView, SIGNAL(changeValue(int, int)), this, SLOT(changedListViewValue(int, int)));
    m_listView->show();
}

QString SettingsRingTone::configPath() const
{
    return theCore ? theCore->configFileName(eConfigSettings) : QString();
}

void SettingsRingTone::loadRow(int row, const IniFile& file)
{
    switch (row) {
    case RowTone: {
        // A tone the phone no longer has reads as the first one.
        const QString tone = file.value(kToneKey, QString()).toString();
        static_cast<ListViewSelectItem*>(m_listView->item(row))
            ->setSelectedText(tones().contains(tone) ? tone : tones().first());
        break;
    }
    case RowVolume:
        // setValue() clamps whatever the file holds into the bar.
        static_cast<ListViewProgressItem*>(m_listView->item(row))
            ->setValue(file.value(kVolumeKey, kDefaultVolume).toInt());
        break;
    case RowVibrate:
        static_cast<ListViewCheckItem*>(m_listView->item(row))
            ->setChecked(file.value(kVibrateKey, false).toBool());
        break;
    case RowName:
        static_cast<ListViewLineEditItem*>(m_listView->item(row))
            ->setEditText(file.value(kNameKey, QString()).toString());
        break;
    }
}

bool SettingsRingTone::store(int row, const QVariant& value)
{
    static const char* const keys[] = {kToneKey, kVolumeKey, kVibrateKey, kNameKey};
    IniFile file(configPath());
    // Written to a new file, flushed and put in place of the old one, or not at all.
    if (!file.setValue(keys[row], value)) {
        qWarning() << "SettingsRingTone::store not saved:" << keys[row] << file.fileName() << file.errorString();
        // The typed name stays for another try; the other rows show what is stored.
        if (row != RowName)
            loadRow(row, file);
        m_listView->update();
        showNotSaved();
        return false;
    }
    // The phone's storage must hold the change before anyone acts on it.
    const int synced = system("sync");
    Q_UNUSED(synced);
    // Nothing for the host to apply: the idle screen reads the file when told.
    if (theCore)
        theCore->sendAppMsg("idle", "changedRingTone()", QByteArray());
    return true;
}

// A one-line popup the user closes with OK or Back, as the phone tells of a failure.
void SettingsRingTone::showNotSaved()
{
    SelectPopup popup(this);
    popup.nextButton()->setVisible(false);
    popup.cancelButton()->setVisible(false);
    popup.okButton()->setText(tr("OK"));
    popup.okButton()->setVisible(true);
    popup.listView()->addItem(new ListViewItem(tr("Not saved"), QPixmap(), QPixmap()));
    popup.exec();
}

void SettingsRingTone::showEvent(QShowEvent*)
{
    setupStatus();
    const IniFile file(configPath());
    for (int row = RowTone; row <= RowName; ++row)
        loadRow(row, file);
    m_listView->setSelectedIdx(RowTone);
    // Keys go to the list every time the page comes up, not only the first time.
    m_listView->setFocus();
}

bool SettingsRingTone::start(QWidget*, void*)
{
    exec();
    return true;
}

bool SettingsRingTone::end()
{
    return close();
}

void SettingsRingTone::receiveMsg(const QString& command, const QByteArray&)
{
    qDebug() << "SettingsRingTone::receiveMsg command:" << command;
    if (command == "changedLanguage()") {
        reloadLanguage();
        retranslateUi();
    } else if (command == "changedStatus()") {
        updateStatus();
    }
}

void SettingsRingTone::retranslateUi()
{
    setupStatus();
    setupTail();
    const QStringList titles = QStringList() << tr("Ring Tone") << tr("Volume") << tr("Vibrate")
                                             << tr("Name");
    for (int row = RowTone; row <= RowName; ++row)
        m_listView->item(row)->setText(titles.at(row));
    m_listView->update();
}

void SettingsRingTone::tailFuncButtonClicked(int idx)
{
    // The list keeps OK from its editor, so the name is kept with the Save soft key.
    if (idx == kSaveKey)
        store(RowName, static_cast<ListViewLineEditItem*>(m_listView->item(RowName))->editText());
}

void SettingsRingTone::clickedListViewItem(int idx)
{
    if (idx == RowTone)
        chooseTone();
    else if (idx == RowVibrate)
        store(idx, static_cast<ListViewCheckItem*>(m_listView->item(idx))->isChecked());
}

void SettingsRingTone::changedListViewValue(int idx, int value)
{
    if (idx == RowVolume)
        store(idx, value);
}

void SettingsRingTone::chooseTone()
{
    ListViewSelectItem* row = static_cast<ListViewSelectItem*>(m_listView->item(RowTone));
    const QStringList names = tones();
    SoundSelectPopup popup(this);
    popup.cancelButton()->setText(tr("Cancel"));
    SelectPopupListView* list = popup.listView();
    for (int i = 0; i < names.size(); ++i) {
        const bool current = names.at(i) == row->selectedText();
        list->addItem(new ListViewRadioItem(names.at(i), current));
        if (current)
            list->setSelectedIdx(i);
    }
    const int chosen = popup.exec() ? popup.selectedIdx() : -1;
    if (chosen < 0 || chosen >= names.size() || names.at(chosen) == row->selectedText())
        return;
    if (store(RowTone, names.at(chosen)))
        row->setSelectedText(names.at(chosen));
    m_listView->update();
}
