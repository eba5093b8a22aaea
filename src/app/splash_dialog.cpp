// About window painted by hand: dark panel with the wall emblem, name, purpose and version.
#include "splash_dialog.h"

#include "app_icons.h"
#include "murcad_version.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace murcad::app {

SplashDialog::SplashDialog(QWidget *parent, int closeAfterMs) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Informazioni su MURCAD Vavire"));
    setFixedSize(460, 240);
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
    QTimer::singleShot(closeAfterMs, this, &QDialog::accept);
}

void SplashDialog::mousePressEvent(QMouseEvent *) {
    accept();
}

void SplashDialog::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(28, 36, 52));
    g.setColorAt(1, QColor(12, 16, 24));
    p.fillRect(rect(), g);
    p.setPen(QColor(90, 110, 140));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    applicationIcon().paint(&p, QRect(28, 40, 96, 96));

    QFont title = font();
    title.setPointSize(22);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(240, 240, 235));
    p.drawText(QRect(140, 36, 300, 40), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("MURCAD Vavire"));
    QFont body = font();
    body.setPointSize(10);
    p.setFont(body);
    p.setPen(QColor(200, 210, 225));
    p.drawText(QRect(140, 80, 300, 70), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Disegno esecutivo e computo dei materiali di pareti in "
                              "cemento armato."));
    p.setPen(QColor(150, 160, 180));
    p.drawText(QRect(140, 160, 300, 20), Qt::AlignLeft,
               QStringLiteral("Versione %1").arg(QStringLiteral(MURCAD_VERSION)));
    p.drawText(QRect(20, 205, 420, 20), Qt::AlignCenter, QStringLiteral("Clic per chiudere"));
}

} // namespace murcad::app
