// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_box.h"

#include "app/program_pictures.h"

#include <cmath>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>
#include <QTimer>
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

constexpr int kCubeSide = 160;
const QString kCube = QStringLiteral("Cube");

// One face of the 3D cube: a letter tile in the colours of the still cube.
QImage TileFace(const QString &letter)
{
    const int size = 128;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(0x6B, 0x4E, 0x22));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xF0, 0xCC));
    painter.drawRoundedRect(QRectF(6, 6, size - 12, size - 12), 12, 12);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(84);
    painter.setFont(font);
    painter.setPen(QColor(0x30, 0x20, 0x10));
    painter.drawText(image.rect(), Qt::AlignCenter, letter);
    return image;
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

scene3d::Vec3 TAboutBox::CubeAngles(double seconds)
{
    auto angle = [seconds](double perSecond) {
        const double a = std::fmod(perSecond * seconds, 360.0);
        return float(a < 0 ? a + 360.0 : a);
    };
    return {angle(4), angle(3), angle(2)};
}

void TAboutBox::BuildCubeScene()
{
    scene3d::SceneView &view = *cubeView_;
    view.SetBackground(palette().window().color());
    view.SetCamera({0, 0, 5.5f}, {0, 0, 0}, {0, 1, 0}, 40);
    view.AddGroup(kCube, QString(), {});
    // Tilted inside the turning group, so that three faces show from the
    // start.
    view.AddGroup(QStringLiteral("CubeTilt"), kCube, {}, {25, -35, 0});
    struct Face {
        scene3d::Vec3 centre, rotation;
    };
    const Face faces[] = {
        {{0, 0, 1}, {0, 0, 0}},    {{1, 0, 0}, {0, 90, 0}},  {{0, 0, -1}, {0, 180, 0}},
        {{-1, 0, 0}, {0, -90, 0}}, {{0, 1, 0}, {-90, 0, 0}}, {{0, -1, 0}, {90, 0, 0}},
    };
    const QString letters = QStringLiteral("LUDORI");
    for (int i = 0; i < 6; ++i)
        view.AddPlane(QStringLiteral("CubeFace") + letters[i], QStringLiteral("CubeTilt"), faces[i].centre, 2,
                      2, TileFace(letters[i]), Qt::white, faces[i].rotation);
}

void TAboutBox::ShowStillCube()
{
    if (cubeTimer_)
        cubeTimer_->stop();
    if (cubeView_) {
        cubeView_->hide();
        cubeView_->deleteLater();
        cubeView_ = nullptr;
    }
    auto *still = new QLabel(cubeArea_);
    still->setObjectName(QStringLiteral("CubePicture"));
    still->setFixedSize(kCubeSide, kCubeSide);
    still->setAlignment(Qt::AlignCenter);
    still->setPixmap(CubePicture(kCubeSide - 10));
    cubeArea_->layout()->addWidget(still);
}

TAboutBox::TAboutBox(const QString &version, const QString &legalText, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("A propos de Ludorine"));
    setObjectName(QStringLiteral("AboutBox"));

    auto *cube = new QFrame(this);
    cube->setObjectName(QStringLiteral("CubeArea"));
    cube->setFrameShape(QFrame::StyledPanel);
    auto *cubeLayout = new QVBoxLayout(cube);
    cubeLayout->setContentsMargins(cube->frameWidth(), cube->frameWidth(), cube->frameWidth(),
                                   cube->frameWidth());
    cubeLayout->setSizeConstraint(QLayout::SetFixedSize);
    cubeArea_ = cube;
    if (scene3d::OpenGLAvailable()) {
        cubeView_ = new scene3d::SceneView(cube);
        cubeView_->setObjectName(QStringLiteral("CubeView"));
        cubeView_->setFixedSize(kCubeSide, kCubeSide);
        cubeLayout->addWidget(cubeView_);
        BuildCubeScene();
        cubeTimer_ = new QTimer(this);
        cubeTimer_->setInterval(30);
        connect(cubeTimer_, &QTimer::timeout, this, [this] {
            cubeView_->Step();
            cubeView_->SetRotation(kCube, CubeAngles(cubeView_->Clock().Now()));
        });
        connect(cubeView_, &scene3d::SceneView::openGLMissing, this, &TAboutBox::ShowStillCube);
        cubeTimer_->start();
    } else {
        ShowStillCube();
    }

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
