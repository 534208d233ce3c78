#ifndef PAGEMENU_H
#define PAGEMENU_H

#include <QStringList>
#include <QWidget>

class ListView;

// The host's menu of the loaded pages, shown over the idle screen when there is more than
// one: a list of the toolkit, one row per page; OK opens the row's page, Escape goes back.
class PageMenu : public QWidget
{
    Q_OBJECT
public:
    explicit PageMenu(QWidget* parent = 0);

    void setTitles(const QStringList& titles);
    QStringList titles() const;
    ListView* list() const;
    // Shows the menu with the keyboard, on its first row.
    void open();

signals:
    void pageChosen(int index);

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    ListView* m_list;
    QStringList m_titles;
    bool m_backPressed;
};

#endif
