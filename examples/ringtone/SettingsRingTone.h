#ifndef SETTINGSRINGTONE_H
#define SETTINGSRINGTONE_H

#include "BaseAppInterface.h"
#include "BaseWidget.h"

#include <QString>
#include <QVariant>

class IniFile;
class ListView;

// The phone's ring settings page: the ring tone (picked in a popup), the ring volume (Left
// and Right), vibration (OK) and a name (typed, kept with the Save soft key). Every
// change is stored in the phone's settings file at once and announced to "idle".
class SettingsRingTone : public BaseWidget, public BaseAppInterface
{
    Q_OBJECT
    Q_INTERFACES(BaseAppInterface)
#if QT_VERSION >= 0x050000
    // Qt 4 exports the page with Q_EXPORT_PLUGIN2 (PluginExport.cpp).
    Q_PLUGIN_METADATA(IID "com.rarezodero.Plugin.BaseAppInterface/1.0")
#endif

public:
    explicit SettingsRingTone(QWidget* parent = 0);

    void setupStatus() override;

    bool start(QWidget* parent, void* data) override;
    bool end() override;
    void receiveMsg(const QString& command, const QByteArray& data) override;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void tailFuncButtonClicked(int idx);
    void clickedListViewItem(int idx);
    void changedListViewValue(int idx, int value);

private:
    enum Row { RowTone, RowVolume, RowVibrate, RowName };

    void setupTail();
    void setupListView();
    void retranslateUi();
    // Shows what the settings file holds in one row.
    void loadRow(int row, const IniFile& file);
    void chooseTone();
    // Stores one value and tells "idle"; on failure puts the row back and says so.
    bool store(int row, const QVariant& value);
    void showNotSaved();

    QString configPath() const;

    ListView* m_listView;
};

#endif
