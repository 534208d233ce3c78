#ifndef SETTINGSDATETIME_H
#define SETTINGSDATETIME_H

#include "BaseAppInterface.h"
#include "BaseWidget.h"

#include <QList>
#include <QMap>
#include <QString>

class IniFile;
class ListView;
class TimeZoneData;

// The phone's time-zone settings page: how the zone is set ("Default" or "User") and, in the
// User mode, the region and city picked from the phone's time-zone table. The choice lives in
// phone_info.conf; every change is flushed, applied by the host and announced to "idle".
class SettingsDateTime : public BaseWidget, public BaseAppInterface
{
    Q_OBJECT
    Q_INTERFACES(BaseAppInterface)
#if QT_VERSION >= 0x050000
    // Qt 5's plug-in export; Qt 4 exports with Q_EXPORT_PLUGIN2 (PluginExport.cpp).
    Q_PLUGIN_METADATA(IID "com.rarezodero.Plugin.BaseAppInterface/1.0")
#endif

public:
    explicit SettingsDateTime(QWidget* parent = 0);
    ~SettingsDateTime();

    void setupStatus() override;

    bool start(QWidget* parent, void* data) override;
    bool end() override;
    void receiveMsg(const QString& command, const QByteArray& data) override;

    // What the page offers, for the host's tools and tests.
    QList<QString> regionList() const;
    QList<QString> cityList() const;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void tailFuncButtonClicked(int idx);
    void clickedListViewItem(int idx);

private:
    void setupTail();
    void setupListView();
    void loadTimeZone();
    void loadSetting();
    void updateListView(bool userMode);
    void updateCityList(const QString& region);
    void retranslateUi();

    QString configPath() const;
    // Sets the rows from the settings in file.
    void showSetting(const IniFile& file);
    // Stores one key, flushes it to storage, lets the host apply the zone and tells "idle".
    // When the file cannot be written: one diagnostic line, the rows show what is stored, a
    // popup says so, and nothing is applied or announced; returns false.
    bool commitSetting(const QString& key, const QVariant& value, bool modeChanged);
    void showNotSaved();
    // Runs a selection popup over texts with current checked; returns the accepted index or -1.
    int choose(int kind, const QList<QString>& texts, const QString& current, bool showNext);

    ListView* m_listView;
    QList<TimeZoneData*> m_timeZoneList;
    QList<QString> m_regionList;
    QList<QString> m_cityList;
    QMap<QString, int> m_regionIndex;
};

#endif
