// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_box.h"

#include "app/program_pictures.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
// A still cube of letter tiles, seen from above and to the side.
QPixmap CubePicture(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size * 0.42, cx = size / 2.0, cy = size / 2.0 + size * 0.06;
    const QPointF top(cx, cy - s), left(cx - s * 0.87, cy - s / 2), right(cx + s * 0.87, cy - s / 2);
    const QPointF centre(cx, cy), bottomLeft(cx - s * 0.87, cy + s / 2),
        bottomRight(cx + s * 0.87, cy + s / 2);
    const QPointF bottom(cx, cy + s);
    struct Face {
        QPolygonF shape;
        QColor colour;
        QString letter;
    };
    const Face faces[] = {
        {QPolygonF({top, right, centre, left}), QColor(0xFF, 0xF0, 0xCC), QStringLiteral("L")},
        {QPolygonF({left, centre, bottom, bottomLeft}), QColor(0xE0, 0xC8, 0x90), QStringLiteral("U")},
        {QPolygonF({centre, right, bottomRight, bottom}), QColor(0xC8, 0xAE, 0x72), QStringLiteral("D")},
    };
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(int(s * 0.5));
    painter.setFont(font);
    for (const Face &face : faces) {
        painter.setPen(QPen(QColor(0x6B, 0x4E, 0x22), 2));
        painter.setBrush(face.colour);
        painter.drawPolygon(face.shape);
        painter.setPen(QColor(0x30, 0x20, 0x10));
        painter.drawText(face.shape.boundingRect(), Qt::AlignCenter, face.letter);
    }
    return QPixmap::fromImage(image);
}

QLabel *LinkLabel(const QString &url, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(
        QStringLiteral("<a href=\"%1\">%2</a>").arg(url.toHtmlEscaped(), text.toHtmlEscaped()), parent);
    label->setOpenExternalLinks(true);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    return label;
}
} // namespace

QString TAboutBox::ContactUrl(const QString &version)
{
    QUrl url(QStringLiteral("mailto:") + ContactAddress());
    url.setQuery(QStringLiteral("subject=") +
                 QString::fromLatin1(QUrl::toPercentEncoding(QStringLiteral("Ludorine ") + version)));
    return url.toString(QUrl::FullyEncoded);
}

TAboutBox::TAboutBox(const QString &version, const QString &legalText, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("A propos de Ludorine"));
    setObjectName(QStringLiteral("AboutBox"));

    auto *cube = new QLabel(this);
    cube->setObjectName(QStringLiteral("CubeArea"));
    cube->setFixedSize(160, 160);
    cube->setFrameShape(QFrame::StyledPanel);
    cube->setAlignment(Qt::AlignCenter);
    cube->setPixmap(CubePicture(150));
    cubeArea_ = cube;

    auto *name = new QLabel(QStringLiteral("Ludorine"), this);
    QFont nameFont = name->font();
    nameFont.setPointSize(nameFont.pointSize() * 2);
    nameFont.setBold(true);
    name->setFont(nameFont);
    auto *versionLabel = new QLabel(QStringLiteral("Version ") + version, this);
    versionLabel->setObjectName(QStringLiteral("VersionLabel"));
    auto *legal = new QLabel(legalText, this);
    legal->setObjectName(QStringLiteral("LegalLabel"));
    legal->setWordWrap(true);
    auto *contact =
        LinkLabel(ContactUrl(version), QStringLiteral("Écrire à l'auteur : ") + ContactAddress(), this);
    contact->setObjectName(QStringLiteral("ContactLabel"));
    auto *web = LinkLabel(WebPage(), WebPage(), this);
    web->setObjectName(QStringLiteral("WebLabel"));

    auto *texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(versionLabel);
    texts->addSpacing(8);
    texts->addWidget(legal);
    texts->addStretch();
    texts->addWidget(contact);
    texts->addWidget(web);

    auto *top = new QHBoxLayout;
    top->addWidget(cube, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setWindowIcon(ProgramIcon());
}
