// Draws the program's bundled pictures (tool bar, tree, program and file-type
// icons) as PNG files: make_icons <output folder>. The pictures are kept in
// resources/icons; run this again after changing a drawing.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {

// One palette for every picture, so they look alike.
const QColor Ink(0x2b, 0x3a, 0x4a);
const QColor Blue(0x3d, 0x7c, 0xc9);
const QColor LightBlue(0x9c, 0xc3, 0xef);
const QColor Folder(0xf2, 0xc1, 0x4e);
const QColor FolderDark(0xc9, 0x93, 0x22);
const QColor Paper(0xfd, 0xfd, 0xfa);
const QColor Green(0x3f, 0xa3, 0x4d);
const QColor Orange(0xe8, 0x83, 0x3a);
const QColor Silver(0xd9, 0xdd, 0xe3);

using Drawing = std::function<void(QPainter &)>;

QPen InkPen(qreal w = 1.0)
{
    return QPen(Ink, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A database cylinder in the box x, y, w, h.
void Cylinder(QPainter &p, qreal x, qreal y, qreal w, qreal h)
{
    const qreal e = w / 3.5;
    QPainterPath body;
    body.moveTo(x, y + e / 2);
    body.lineTo(x, y + h - e / 2);
    body.arcTo(x, y + h - e, w, e, 180, 180);
    body.lineTo(x + w, y + e / 2);
    body.arcTo(x, y, w, e, 0, -180);
    p.setPen(InkPen());
    p.setBrush(Blue);
    p.drawPath(body);
    p.setBrush(LightBlue);
    p.drawEllipse(QRectF(x, y, w, e));
    p.setBrush(Qt::NoBrush);
    QPainterPath band;
    band.moveTo(x, y + h / 2);
    band.arcTo(x, y + h / 2 - e / 2, w, e, 180, 180);
    p.drawPath(band);
}

void Badge(QPainter &p, qreal cx, qreal cy, qreal r, const QColor &c, bool plus)
{
    p.setPen(InkPen());
    p.setBrush(c);
    p.drawEllipse(QPointF(cx, cy), r, r);
    if (plus) {
        p.setPen(QPen(Qt::white, r / 2.2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(cx - r * 0.55, cy), QPointF(cx + r * 0.55, cy));
        p.drawLine(QPointF(cx, cy - r * 0.55), QPointF(cx, cy + r * 0.55));
    }
}

void FolderShape(QPainter &p, qreal x, qreal y, qreal w, qreal h, bool open)
{
    p.setPen(InkPen());
    p.setBrush(FolderDark);
    QPainterPath back;
    back.moveTo(x, y + h);
    back.lineTo(x, y);
    back.lineTo(x + w * 0.38, y);
    back.lineTo(x + w * 0.48, y + h * 0.16);
    back.lineTo(x + w, y + h * 0.16);
    back.lineTo(x + w, y + h);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(Folder);
    if (open) {
        QPainterPath front;
        front.moveTo(x, y + h);
        front.lineTo(x + w * 0.18, y + h * 0.38);
        front.lineTo(x + w * 1.08, y + h * 0.38);
        front.lineTo(x + w, y + h);
        front.closeSubpath();
        p.drawPath(front);
    } else {
        p.drawRect(QRectF(x, y + h * 0.3, w, h * 0.7));
    }
}

void Page(QPainter &p, qreal x, qreal y, qreal w, qreal h, bool lines)
{
    const qreal f = w * 0.3;
    QPainterPath page;
    page.moveTo(x, y);
    page.lineTo(x + w - f, y);
    page.lineTo(x + w, y + f);
    page.lineTo(x + w, y + h);
    page.lineTo(x, y + h);
    page.closeSubpath();
    p.setPen(InkPen());
    p.setBrush(Paper);
    p.drawPath(page);
    p.setBrush(Silver);
    QPainterPath corner;
    corner.moveTo(x + w - f, y);
    corner.lineTo(x + w - f, y + f);
    corner.lineTo(x + w, y + f);
    p.drawPath(corner);
    if (lines) {
        p.setPen(QPen(LightBlue.darker(130), 1));
        for (qreal ly = y + f + 2; ly < y + h - 1.5; ly += 2.5)
            p.drawLine(QPointF(x + 2, ly), QPointF(x + w - 2, ly));
    }
}

void Magnifier(QPainter &p, qreal cx, qreal cy, qreal r)
{
    p.setPen(QPen(Ink, r * 0.55, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx + r * 0.7, cy + r * 0.7), QPointF(cx + r * 1.75, cy + r * 1.75));
    p.setPen(InkPen(1.2));
    p.setBrush(QColor(0xdf, 0xee, 0xfb));
    p.drawEllipse(QPointF(cx, cy), r, r);
}

void Disc(QPainter &p, qreal cx, qreal cy, qreal r)
{
    QRadialGradient g(QPointF(cx, cy), r);
    g.setColorAt(0.0, Silver);
    g.setColorAt(0.6, QColor(0xc8, 0xd8, 0xf0));
    g.setColorAt(0.8, QColor(0xf0, 0xd8, 0xe8));
    g.setColorAt(1.0, Silver);
    p.setPen(InkPen());
    p.setBrush(g);
    p.drawEllipse(QPointF(cx, cy), r, r);
    p.setBrush(Paper);
    p.drawEllipse(QPointF(cx, cy), r * 0.25, r * 0.25);
}

// A small catalogue tree: a root box and three branches.
void TreeShape(QPainter &p, qreal x, qreal y, qreal s)
{
    p.setPen(InkPen());
    p.drawLine(QPointF(x + 2.5 * s, y + 4 * s), QPointF(x + 2.5 * s, y + 16 * s));
    for (qreal ly : {8.0, 12.0, 16.0})
        p.drawLine(QPointF(x + 2.5 * s, y + ly * s), QPointF(x + 7 * s, y + ly * s));
    p.setBrush(Blue);
    p.drawRect(QRectF(x, y, 5 * s, 4 * s));
    p.setBrush(Folder);
    for (qreal ly : {6.0, 10.0, 14.0})
        p.drawRect(QRectF(x + 7 * s, y + ly * s, 6 * s, 4 * s));
}

void Save(const QString &folder, const QString &stem, int design, int size, const Drawing &draw)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(qreal(size) / design, qreal(size) / design);
    p.translate(0.5, 0.5); // crisp one-pixel lines at the design size
    draw(p);
    p.end();
    const QString file = QStringLiteral("%1/%2-%3.png").arg(folder, stem).arg(size);
    if (!img.save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

// The tool buttons' icons, tool0..tool8, drawn at 20 pixels.
void SaveToolIcons(const QString &out)
{
    const Drawing tools[] = {
        [](QPainter &p) { // 0 new catalogue
            Cylinder(p, 2, 2, 12, 15);
            Badge(p, 14.5, 14.5, 4, Green, true);
        },
        [](QPainter &p) { // 1 open catalogue
            Cylinder(p, 7, 1, 10, 11);
            FolderShape(p, 1, 7, 16, 11, true);
        },
        [](QPainter &p) { // 2 save
            p.setPen(InkPen());
            p.setBrush(Blue);
            p.drawRoundedRect(QRectF(2, 2, 15, 15), 1.5, 1.5);
            p.setBrush(Paper);
            p.drawRect(QRectF(5, 2, 9, 6));
            p.setBrush(Silver);
            p.drawRect(QRectF(5, 11, 9, 6));
            p.setBrush(Ink);
            p.drawRect(QRectF(11, 3, 1.5, 3.5));
        },
        [](QPainter &p) { // 3 add a file tree
            TreeShape(p, 1, 1, 1.0);
            Badge(p, 15, 5, 4, Green, true);
        },
        [](QPainter &p) { // 4 edit description
            Page(p, 2, 1, 12, 17, true);
            p.setPen(InkPen());
            p.setBrush(Orange);
            QPainterPath pencil;
            pencil.moveTo(9, 17);
            pencil.lineTo(10, 13.5);
            pencil.lineTo(17, 6.5);
            pencil.lineTo(19, 8.5);
            pencil.lineTo(12, 15.5);
            pencil.closeSubpath();
            p.drawPath(pencil);
        },
        [](QPainter &p) { // 5 simple search
            Magnifier(p, 8, 8, 5.5);
        },
        [](QPainter &p) { // 6 complex search
            Page(p, 1, 1, 12, 16, true);
            Magnifier(p, 12, 11, 4);
        },
        [](QPainter &p) { // 7 whole catalogue
            TreeShape(p, 2, 1, 1.05);
        },
        [](QPainter &p) { // 8 search results
            Page(p, 1, 1, 13, 17, true);
            Badge(p, 14, 14, 4.5, Orange, false);
            p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(12, 14), QPointF(13.5, 15.5));
            p.drawLine(QPointF(13.5, 15.5), QPointF(16.2, 12.3));
        },
    };
    for (int i = 0; i < 9; ++i) {
        for (int size : {20, 40})
            Save(out, QStringLiteral("tool%1").arg(i), 20, size, tools[i]);
    }
}

// The tree's node images, tree0..tree4, drawn at 16 pixels.
void SaveTreeIcons(const QString &out)
{
    const Drawing tree[] = {
        [](QPainter &p) { Cylinder(p, 2, 1, 11, 13); },              // 0 root
        [](QPainter &p) { Disc(p, 7.5, 7.5, 7); },                   // 1 disc
        [](QPainter &p) { FolderShape(p, 0.5, 2, 14, 11, false); },  // 2 folder
        [](QPainter &p) { FolderShape(p, 0.5, 2, 13.5, 11, true); }, // 3 open folder
        [](QPainter &p) { Page(p, 2, 0.5, 11, 14, true); },          // 4 file
    };
    for (int i = 0; i < 5; ++i) {
        for (int size : {16, 32})
            Save(out, QStringLiteral("tree%1").arg(i), 16, size, tree[i]);
    }
}

// The program's icon and its two file types' icons, drawn at 48 pixels.
void SaveDesktopIcons(const QString &out)
{
    const Drawing program = [](QPainter &p) {
        p.setPen(InkPen(1.5));
        p.setBrush(Blue);
        p.drawRoundedRect(QRectF(2, 2, 43, 43), 8, 8);
        Disc(p, 20, 21, 14);
        Magnifier(p, 31, 31, 7);
    };
    const Drawing catalogue = [](QPainter &p) {
        Page(p, 6, 2, 34, 43, false);
        Cylinder(p, 13, 14, 20, 24);
    };
    const Drawing query = [](QPainter &p) {
        Page(p, 6, 2, 34, 43, true);
        Magnifier(p, 21, 23, 9);
    };
    for (int size : {16, 32, 48, 128}) {
        Save(out, QStringLiteral("qubrix"), 48, size, program);
        Save(out, QStringLiteral("application-x-qubrix-catalogue"), 48, size, catalogue);
        Save(out, QStringLiteral("application-x-qubrix-query"), 48, size, query);
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_icons <output folder>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    SaveToolIcons(out);
    SaveTreeIcons(out);
    SaveDesktopIcons(out);
    return 0;
}
