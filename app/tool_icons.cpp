#include "tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tq8615::app {

namespace {

void drawDocument(QPainter& p, const QColor& fill)
{
    QPainterPath page;
    page.moveTo(7, 3);
    page.lineTo(19, 3);
    page.lineTo(25, 9);
    page.lineTo(25, 29);
    page.lineTo(7, 29);
    page.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 70), 1.2));
    p.setBrush(fill);
    p.drawPath(page);
    p.drawLine(QPointF(19, 3), QPointF(19, 9));
    p.drawLine(QPointF(19, 9), QPointF(25, 9));
}

// A handheld radio: body, antenna, display and keypad.
void drawRadio(QPainter& p, qreal x)
{
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(x + 3, 1, 2.5, 9));
    p.setBrush(QColor(90, 90, 95));
    p.drawRoundedRect(QRectF(x, 9, 12, 21), 2, 2);
    p.setBrush(QColor(150, 200, 150));
    p.drawRect(QRectF(x + 2, 12, 8, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 200));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            p.drawRect(QRectF(x + 2 + c * 3, 19.5 + r * 3, 2, 2));
}

void drawArrow(QPainter& p, QPointF from, QPointF to, const QColor& colour)
{
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1.0, std::hypot(to.x() - from.x(), to.y() - from.y()));
    const QPointF n(-d.y(), d.x());
    QPolygonF head;
    head << to + d * 3 << to - d * 4 + n * 4.5 << to - d * 4 - n * 4.5;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
}

}  // namespace

QIcon MakeToolIcon(ToolIcon kind)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case ToolIcon::New:
        drawDocument(p, Qt::white);
        p.setPen(QPen(QColor(230, 170, 0), 2));
        p.drawLine(QPointF(22, 20), QPointF(30, 28));
        p.drawLine(QPointF(30, 20), QPointF(22, 28));
        p.drawLine(QPointF(26, 18), QPointF(26, 30));
        break;
    case ToolIcon::Open: {
        p.setPen(QPen(QColor(150, 110, 30), 1.2));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(2, 8, 26, 19));
        p.drawRect(QRectF(2, 5, 10, 4));
        QPolygonF front;
        front << QPointF(6, 14) << QPointF(31, 14) << QPointF(27, 27) << QPointF(2, 27);
        p.setBrush(QColor(250, 220, 120));
        p.drawPolygon(front);
        break;
    }
    case ToolIcon::Save:
        p.setPen(QPen(QColor(30, 50, 110), 1.2));
        p.setBrush(QColor(60, 100, 190));
        p.drawRoundedRect(QRectF(3, 3, 26, 26), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8, 3, 16, 10));
        p.setBrush(QColor(40, 40, 40));
        p.drawRect(QRectF(9, 19, 14, 10));
        break;
    case ToolIcon::Read:  // radio -> computer
        drawRadio(p, 1);
        drawArrow(p, QPointF(15, 16), QPointF(27, 16), QColor(20, 150, 40));
        break;
    case ToolIcon::Write:  // computer -> radio
        drawRadio(p, 19);
        drawArrow(p, QPointF(2, 16), QPointF(13, 16), QColor(200, 40, 30));
        break;
    case ToolIcon::Port: {  // a 9-pin serial plug
        QPolygonF shell;
        shell << QPointF(3, 9) << QPointF(29, 9) << QPointF(26, 23) << QPointF(6, 23);
        p.setPen(QPen(QColor(60, 60, 60), 1.4));
        p.setBrush(QColor(190, 195, 205));
        p.drawPolygon(shell);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 40, 40));
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(QPointF(7.5 + i * 4.25, 13.5), 1.4, 1.4);
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(9.6 + i * 4.25, 18.5), 1.4, 1.4);
        break;
    }
    case ToolIcon::About:
        p.setPen(QPen(QColor(20, 70, 160), 1.2));
        p.setBrush(QColor(50, 110, 210));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 9.5), 2.2, 2.2);
        p.drawRoundedRect(QRectF(14, 13.5, 4, 11), 1, 1);
        break;
    }
    p.end();
    return QIcon(pm);
}

}  // namespace tq8615::app
