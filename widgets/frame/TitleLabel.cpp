#include "TitleLabel.h"

#include "ListViewItem.h"
#include "PhoneQt.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

namespace {
const char kLeftCap[] = ":ui/images/title/num_bg_left.png";
const char kRightCap[] = ":ui/images/title/num_bg_right.png";
const char kBreadcrumb[] = ":ui/images/title/breadcrumb.png";
const int kTrailingSpaces = 42;

// The title repaints every time the bar changes; looking the pictures up in the resources each
// time costs more than the rest of the paint. The pixmap cache keeps them (and forgets them when
// the host's resources are swapped and the cache is cleared).
QPixmap titlePicture(const char* path)
{
    const QString key = QLatin1String("TitleLabel") + QLatin1String(path);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap(QString::fromLatin1(path));
        if (!pixmap.isNull())
            QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}
}

TitleLabel::TitleLabel(QWidget* parent)
    : QLabel(parent),
      m_titleColor(255, 255, 255),
      m_measuredWidth(-1),
      m_measuredCap(-1),
      m_textWidth(0),
      m_firstLevelWidth(0)
{
}

TitleLabel::~TitleLabel()
{
}

void TitleLabel::setText(const QString& title)
{
    m_text = title + QString(kTrailingSpaces, QLatin1Char(' '));
    QLabel::setText(m_text);
    m_levels = m_text.split(QLatin1Char('|'));
}

QString TitleLabel::text() const
{
    return QLabel::text();
}

QColor TitleLabel::titleColor() const
{
    return m_titleColor;
}

void TitleLabel::setTitleColor(const QColor& color)
{
    m_titleColor = color;
    update();
}

void TitleLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.save();
    QString shown = text().trimmed();
    if (shown.isEmpty()) {
        painter.restore();
        return;
    }

    // Measuring shapes the text, which costs more than drawing it: measure once per title,
    // font and width.
    const QFont font = painter.font();
    const int capWidth = titlePicture(kRightCap).width();
    if (m_measuredText != m_text || m_measuredWidth != width() || m_measuredCap != capWidth
        || !(m_measuredFont == font)) {
        const QFontMetrics metrics(font);
        m_measuredText = m_text;
        m_measuredWidth = width();
        m_measuredFont = font;
        m_measuredCap = capWidth;
        if (m_levels.size() > 1)
            shown = m_levels.at(0).trimmed() + QLatin1String("  ") + m_levels.at(1).trimmed();
        m_textWidth = phoneTextWidth(metrics, shown);
        const int boxWidth = qMin(m_textWidth + 6, width());
        m_elided = metrics.elidedText(shown, Qt::ElideRight, boxWidth - capWidth - 3);
        m_firstLevelWidth = m_levels.size() > 1 ? phoneTextWidth(metrics, m_levels.at(0).trimmed()) : 0;
    }
    painter.setPen(m_titleColor);

    const QPixmap left = titlePicture(kLeftCap);
    const QPixmap right = titlePicture(kRightCap);
    const int top = (height() - left.height()) / 2;
    painter.drawPixmap(0, top - 1, left);

    const int boxWidth = qMin(m_textWidth + 6, width());
    painter.fillRect(QRect(QPoint(left.width(), top - 1), QPoint(boxWidth - right.width() - 1, top + 18)),
                     QColor(0, 0, 0));
    painter.drawPixmap(boxWidth - right.width(), top - 1, right);

    ListViewItem::drawLabel(&painter, QPointF(indent(), margin() + 16), m_elided);

    if (m_levels.size() > 1) {
        const QPixmap crumb = titlePicture(kBreadcrumb);
        painter.drawPixmap(indent() + m_firstLevelWidth + 3, (height() - crumb.height()) / 2 - 1, crumb);
    }
    painter.restore();
}
