#include "PageMenu.h"

#include "Core.h"
#include "ListView.h"
#include "ListViewItem.h"
#include "Status.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>

PageMenu::PageMenu(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), m_list(new ListView(this)), m_backPressed(false)
{
    setObjectName("PageMenu");
    setGeometry(0, 26, 384, 134);
    // Where a page puts its list.
    m_list->setGeometry(5, 2, 374, 130);
    m_list->setLineColor(QColor(0, 0, 0));
    connect(m_list, SIGNAL(clicked(int)), this, SIGNAL(pageChosen(int)));
}

void PageMenu::setTitles(const QStringList& titles)
{
    const int selected = m_list->selectedIdx();
    // A page's title is its place in the menus ("Settings | Time Zone"); this menu is that
    // place, so it shows the last part.
    m_titles.clear();
    for (const QString& title : titles)
        m_titles << title.section('|', -1).trimmed();
    m_list->itemClear();
    for (const QString& title : m_titles)
        m_list->addItem(new ListViewItem(title, QPixmap(), QPixmap()));
    m_list->setSelectedIdx(qBound(0, selected, titles.size() - 1));
    m_list->update();
}

QStringList PageMenu::titles() const
{
    return m_titles;
}

ListView* PageMenu::list() const
{
    return m_list;
}

void PageMenu::open()
{
    m_list->setSelectedIdx(0);
    m_backPressed = false;
    show();
    raise();
    activateWindow();
    m_list->setFocus();
}

bool PageMenu::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && theCore && theCore->statusWidget())
        theCore->statusWidget()->setTitle(tr("Pages"));
    return QWidget::event(e);
}

void PageMenu::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        m_backPressed = !e->isAutoRepeat() || m_backPressed;
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

void PageMenu::keyReleaseEvent(QKeyEvent* e)
{
    // Back on the release, as a page closes, and only for a press seen here.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        if (m_backPressed && !e->isAutoRepeat())
            hide();
        m_backPressed = false;
        return;
    }
    QWidget::keyReleaseEvent(e);
}

void PageMenu::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), Qt::white);
}
