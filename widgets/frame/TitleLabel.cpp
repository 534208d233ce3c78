#include "TitleLabel.h"

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
      m_titleColor(255, 255, 255)
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

    const QFontMetrics metrics(painter.font());
    painter.setPen(m_titleColor);
    int textWidth = phoneTextWidth(metrics, shown);
    const bool twoLevels = m_levels.size() > 1;
    if (twoLevels) {
        shown = m_levels.at(0).trimmed() + QLatin1String("  ") + m_levels.at(1).trimmed();
        textWidth = phoneTextWidth(metrics, shown);
    }

    const QPixmap left = titlePicture(kLeftCap);
    const QPixmap right = titlePicture(kRightCap);
    const int top = (height() - left.height()) / 2;
    painter.drawPixmap(0, top - 1, left);

    const int boxWidth = qMin(textWidth + 6, width());
    painter.fillRect(QRect(QPoint(left.width(), top - 1), QPoint(boxWidth - right.width() - 1, top + 18)),
                     QColor(0, 0, 0));
    painter.drawPixmap(boxWidth - right.width(), top - 1, right);

    shown = metrics.elidedText(shown, Qt::ElideRight, boxWidth - right.width() - 3);
    painter.drawText(indent(), margin() + 16, shown);

    if (twoLevels) {
        const QPixmap crumb = titlePicture(kBreadcrumb);
        painter.drawPixmap(indent() + phoneTextWidth(metrics, m_levels.at(0).trimmed()) + 3,
                           (height() - crumb.height()) / 2 - 1, crumb);
    }
    painter.restore();
}
