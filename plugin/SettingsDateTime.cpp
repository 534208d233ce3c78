#include "SettingsDateTime.h"

#include "Core.h"
#include "ImageButton.h"
#include "IniFile.h"
#include "ListView.h"
#include "ListViewRadioItem.h"
#include "ListViewSelectItem.h"
#include "SelectPopup.h"
#include "SelectPopupListView.h"
#include "Status.h"
#include "Tail.h"
#include "TimeZoneData.h"

#include <QDebug>
#include <QShowEvent>

#include <stdlib.h>

namespace {

const char* const kUserSetKey = "NTP_Serv/User_Set";
const char* const kUserZoneKey = "NTP_Serv/User_TimeZone";
const char* const kZoneInfoKey = "NTP_Serv/ZoneInfo";

// Every row of the page and of its popups shares these colours.
void applyRowColours(ListViewItem* item)
{
    item->setTextColor(QColor(0, 0, 0, 255));
    item->setTextSelectColor(QColor(255, 255, 255, 255));
    item->setBackGroundSelectColor(QColor(0, 0, 0, 255));
}

ListViewSelectItem* makeRow(const QString& title, const QString& value)
{
    ListViewSelectItem* row = new ListViewSelectItem(title, value);
    applyRowColours(row);
    return row;
}

} // namespace

SettingsDateTime::SettingsDateTime(QWidget* parent)
    : BaseWidget(parent),
      BaseAppInterface("settings_datetime", parent),
      m_listView(0)
{
    loadTimeZone();
    setupStatus();
    setupTail();
    setupListView();
}

SettingsDateTime::~SettingsDateTime()
{
    qDeleteAll(m_timeZoneList);
    m_timeZoneList.clear();
}

void SettingsDateTime::setupStatus()
{
    if (m_status)
        m_status->setTitle(tr("Settings | Time Zone"));
}

void SettingsDateTime::setupTail()
{
    if (!m_tail)
        return;
    for (int i = 0; i < 4; ++i)
        m_tail->setFuncButtonText(i, QString(""));
    // Unique: retranslateUi() runs this again on every language change.
    connect(m_tail, SIGNAL(clicked(int)), this, SLOT(tailFuncButtonClicked(int)), Qt::UniqueConnection);
}

void SettingsDateTime::setupListView()
{
    m_listView = new ListView(this);
    connect(m_listView, SIGNAL(clicked(int)), this, SLOT(clickedListViewItem(int)));
    m_listView->setLineColor(QColor(0, 0, 0, 255));
    m_listView->setGeometry(5, 2, 374, 104);
    m_listView->show();
    m_listView->addItem(makeRow(tr("Time Update"), tr("Default")));
}

void SettingsDateTime::loadTimeZone()
{
    TimeZoneData::load(TimeZoneData::tablePath(), m_timeZoneList, m_regionIndex, m_regionList);
}

void SettingsDateTime::updateCityList(const QString& region)
{
    m_cityList = TimeZoneData::cities(region, m_timeZoneList, m_regionIndex);
}

QList<QString> SettingsDateTime::regionList() const
{
    return m_regionList;
}

QList<QString> SettingsDateTime::cityList() const
{
    return m_cityList;
}

QString SettingsDateTime::configPath() const
{
    return theCore ? theCore->sipConfigFileName("phone_info.conf") : QString();
}

void SettingsDateTime::updateListView(bool userMode)
{
    if (!userMode) {
        if (m_listView->item(2))
            m_listView->removeItem(2);
        if (m_listView->item(1))
            m_listView->removeItem(1);
        m_listView->update();
        return;
    }
    if (m_listView->itemSize() == 3)
        return;
    m_listView->addItem(makeRow(tr("Time Area Select"), "Asia"));
    m_listView->addItem(makeRow(tr("Time City Select"), "Seoul"));
    updateCityList("Asia");
    m_listView->update();
}

void SettingsDateTime::loadSetting()
{
    const QString path = configPath();
    if (path.isEmpty())
        return;
    IniFile file(path);
    showSetting(file);
    if (!file.errorString().isEmpty())
        qWarning() << "SettingsDateTime::loadSetting unreadable:" << path << file.errorString();
}

void SettingsDateTime::showSetting(const IniFile& file)
{
    const QString mode = file.value(kUserSetKey, 0).toInt() != 0 ? tr("User") : tr("Default");
    if (ListViewSelectItem* row = static_cast<ListViewSelectItem*>(m_listView->item(0)))
        row->setSelectedText(mode);
    if (mode != tr("User")) {
        updateListView(false);
        return;
    }
    updateListView(true);

    QString zone = file.value(kUserZoneKey, QString()).toString();
    if (zone.isEmpty())
        zone = file.value(kZoneInfoKey, QString()).toString();
    const int slash = zone.indexOf('/');
    QString region = slash < 0 ? zone : zone.left(slash);
    QString city = slash < 0 ? QString() : zone.mid(slash + 1);
    if (region.isEmpty())
        region = "Asia";
    if (city.isEmpty())
        city = "Seoul";
    qDebug() << "SettingsDateTime::loadSetting region:" << region << "city:" << city;

    updateCityList(region);
    static_cast<ListViewSelectItem*>(m_listView->item(1))->setSelectedText(region);
    static_cast<ListViewSelectItem*>(m_listView->item(2))->setSelectedText(city);
    update();
}

bool SettingsDateTime::commitSetting(const QString& key, const QVariant& value, bool modeChanged)
{
    IniFile file(configPath());
    if (!file.setValue(key, value)) {
        qWarning() << "SettingsDateTime::commitSetting not saved:" << key << file.fileName() << file.errorString();
        showSetting(file);
        showNotSaved();
        return false;
    }
    // The phone's storage must hold the change before the host acts on it.
    const int synced = system("sync");
    Q_UNUSED(synced);
    if (modeChanged)
        loadSetting();
    if (theCore) {
        theCore->setTimeZoneFromConfig();
        theCore->sendAppMsg("idle", "changedTimezone()", QByteArray());
    }
    return true;
}

// A one-line popup the user closes with OK or Back, as the phone tells of a failure.
void SettingsDateTime::showNotSaved()
{
    SelectPopup popup(this, 2);
    popup.nextButton()->setVisible(false);
    popup.cancelButton()->setVisible(false);
    popup.okButton()->setText(tr("OK"));
    popup.okButton()->setVisible(true);
    ListViewItem* row = new ListViewItem(tr("Not saved"), QPixmap(), QPixmap());
    applyRowColours(row);
    popup.listView()->addItem(row);
    popup.exec();
}

void SettingsDateTime::showEvent(QShowEvent*)
{
    setupStatus();
    loadSetting();
    m_listView->setSelectedIdx(0);
}

bool SettingsDateTime::start(QWidget*, void*)
{
    exec();
    return true;
}

bool SettingsDateTime::end()
{
    return close();
}

void SettingsDateTime::receiveMsg(const QString& command, const QByteArray&)
{
    qDebug() << "SettingsDateTime::receiveMsg command:" << command;
    if (command == "changedLanguage()") {
        reloadLanguage();
        retranslateUi();
        return;
    }
    if (command == "changedStatus()")
        updateStatus();
}

void SettingsDateTime::retranslateUi()
{
    setupStatus();
    setupTail();

    const QStringList titles = QStringList() << tr("Time Update") << tr("Time Area Select")
                                             << tr("Time City Select");
    for (int i = 0; i < titles.size() && i < m_listView->itemSize(); ++i)
        m_listView->item(i)->setText(titles.at(i));

    IniFile file(configPath());
    const bool user = file.value(kUserSetKey, 0).toInt() != 0;
    if (!file.errorString().isEmpty())
        qWarning() << "SettingsDateTime::retranslateUi unreadable:" << file.fileName() << file.errorString();
    if (ListViewSelectItem* row = static_cast<ListViewSelectItem*>(m_listView->item(0)))
        row->setSelectedText(user ? tr("User") : tr("Default"));
    m_listView->update();
}

void SettingsDateTime::tailFuncButtonClicked(int idx)
{
    Q_UNUSED(idx);
}

int SettingsDateTime::choose(int kind, const QList<QString>& texts, const QString& current, bool showNext)
{
    SelectPopup popup(this, kind);
    if (!showNext)
        popup.nextButton()->setVisible(false);
    popup.cancelButton()->setText(tr("Cancel"));
    ListView* list = popup.listView();
    for (int i = 0; i < texts.size(); ++i) {
        ListViewRadioItem* row = new ListViewRadioItem(texts.at(i), false);
        applyRowColours(row);
        list->addItem(row);
        if (texts.at(i) == current) {
            row->setChecked(true);
            list->setSelectedIdx(i);
        }
    }
    if (!popup.exec())
        return -1;
    const int chosen = popup.selectedIdx();
    // The popup rejects rows it does not hold; never trust an index outside the list.
    return chosen >= 0 && chosen < texts.size() ? chosen : -1;
}

void SettingsDateTime::clickedListViewItem(int idx)
{
    qDebug() << "SettingsDateTime::clickedListViewItem idx:" << idx;

    ListViewSelectItem* modeRow = static_cast<ListViewSelectItem*>(m_listView->item(0));
    ListViewSelectItem* regionRow = static_cast<ListViewSelectItem*>(m_listView->item(1));
    ListViewSelectItem* cityRow = static_cast<ListViewSelectItem*>(m_listView->item(2));

    if (idx == 0 && modeRow) {
        const QList<QString> modes = QList<QString>() << tr("Default") << tr("User");
        const int chosen = choose(2, modes, modeRow->selectedText(), false);
        if (chosen < 0)
            return;
        const QString mode = modes.at(chosen);
        const bool user = mode == tr("User");
        updateListView(user);
        if (!commitSetting(kUserSetKey, user ? 1 : 0, true))
            return;
        modeRow->setSelectedText(mode);
        m_listView->update();
        return;
    }

    // An empty table offers no popup: there would be no row to accept.
    if (idx == 1 && regionRow && cityRow && !m_regionList.isEmpty()) {
        const int chosen = choose(5, m_regionList, regionRow->selectedText(), true);
        if (chosen < 0)
            return;
        const QString region = m_regionList.at(chosen);
        if (region == regionRow->selectedText())
            return;
        regionRow->setSelectedText(region);
        updateCityList(region);
        const QString city = m_cityList.value(0);
        cityRow->setSelectedText(city);
        m_listView->update();
        commitSetting(kUserZoneKey, region + "/" + city, false);
        return;
    }

    if (idx == 2 && regionRow && cityRow && !m_cityList.isEmpty()) {
        const QString region = regionRow->selectedText();
        const int chosen = choose(5, m_cityList, cityRow->selectedText(), true);
        if (chosen < 0)
            return;
        const QString city = m_cityList.at(chosen);
        cityRow->setSelectedText(city);
        m_listView->update();
        commitSetting(kUserZoneKey, region + "/" + city, false);
    }
}
