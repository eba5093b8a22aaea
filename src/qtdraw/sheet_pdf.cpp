// Painting a sheet at scale with frame and title block; writing sheets into one PDF.
#include "qtdraw/sheet_pdf.h"

#include "qtdraw/painter_surface.h"
#include "qtdraw/render_sheet.h"
#include "drawings/sheet.h"
#include "sheets/print_pens.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QRegion>
#include <QSaveFile>

#include <cmath>

namespace murcad {

namespace {

QPageSize::PageSizeId qtPaper(int paper) {
    static const QPageSize::PageSizeId ids[] = {QPageSize::A4, QPageSize::A3, QPageSize::A2,
                                                QPageSize::A1, QPageSize::A0};
    return ids[std::clamp(paper, 0, 4)];
}

QColor qcolour(Rgb c) {
    return QColor(rgbRed(c), rgbGreen(c), rgbBlue(c));
}

// Millimetres to device pixels.
struct Mm {
    double k; // pixels per millimetre
    double operator()(double mm) const { return mm * k; }
    QRectF rect(const PaperRect &r) const { return {r.x * k, r.y * k, r.width * k, r.height * k}; }
};

// The font of the title block: capitals of the given height (ISO 3098 lettering height).
QFont letteringFont(double capHeightPx, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(capHeightPx / 0.72))));
    f.setBold(bold);
    return f;
}

void paintTitleBlock(QPainter &p, const Mm &mm, const PageLayout &l,
                     const TitleBlockContent &content) {
    const std::vector<TitleBlockField> fields = titleBlockFields(l.titleBlock, content);
    QPen thin(Qt::black, mm(kTitleBlockLineMm));
    p.setPen(thin);
    p.setBrush(Qt::NoBrush);
    for (const TitleBlockField &f : fields)
        p.drawRect(mm.rect(f.box));
    p.setPen(QPen(Qt::black, mm(kTitleBlockOutlineMm)));
    p.drawRect(mm.rect(l.titleBlock));
    p.setPen(Qt::black);
    const double inset = mm(kTitleFieldInsetMm);
    for (const TitleBlockField &f : fields) {
        const QRectF box = mm.rect(f.box);
        if (!f.caption.empty()) {
            p.setFont(letteringFont(mm(kTitleCaptionHeightMm), false));
            p.drawText(QPointF(box.left() + inset, box.top() + inset + mm(kTitleCaptionHeightMm)),
                       QString::fromStdString(f.caption));
        }
        if (f.text.empty())
            continue;
        // The text at its height, smaller when it would cross the field's right line, cut
        // with an ellipsis below the smallest legible height.
        const double room = box.width() - 2 * inset;
        const QString text = QString::fromStdString(f.text);
        double cap = mm(f.textHeightMm);
        QFont font = letteringFont(cap, f.emphasised);
        double width = QFontMetricsF(font).horizontalAdvance(text);
        for (int tries = 0; width > room && cap > mm(1.8) && tries < 8; ++tries) {
            cap = std::max(mm(1.8), cap * room / width * 0.98);
            font = letteringFont(cap, f.emphasised);
            width = QFontMetricsF(font).horizontalAdvance(text);
        }
        QFontMetricsF fm(font);
        const QString shown = fm.elidedText(text, Qt::ElideRight, room);
        p.setFont(font);
        const double baseline =
            f.caption.empty() ? box.center().y() + cap / 2 : box.bottom() - inset - mm(0.5);
        const double x = f.caption.empty() ? box.center().x() - fm.horizontalAdvance(shown) / 2
                                           : box.left() + inset;
        p.drawText(QPointF(x, baseline), shown);
    }
}

} // namespace

QPageLayout qtPageLayout(const PageLayout &layout) {
    return QPageLayout(QPageSize(qtPaper(layout.paper)),
                       layout.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void paintSheetPage(QPainter &p, double dpi, const SheetPage &page, const LayerSettings &layers,
                    bool inColour) {
    const PageLayout &l = page.layout;
    const Mm mm{dpi / 25.4};
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    // The view that puts the wall's drawn extents on the drawing's place on the paper.
    ViewWindow v;
    v.BoxWidthPx = static_cast<float>(mm(l.pageWidthMm));
    v.BoxHeightPx = static_cast<float>(mm(l.pageHeightMm));
    v.ViewScale = static_cast<float>(mm(l.mmPerCm()));
    v.ViewLeft = static_cast<float>(l.extents.left - l.drawing.x / l.mmPerCm());
    v.ViewBottom =
        static_cast<float>(l.extents.top + (mm(l.drawing.y) - v.BoxHeightPx) / v.ViewScale);
    v.ViewRight = v.ViewLeft + v.BoxWidthPx / v.ViewScale;
    v.ViewTop = v.ViewBottom + v.BoxHeightPx / v.ViewScale;

    PrintStyle style;
    const auto pens = printPens(layers, inColour, l.scale);
    for (int i = 0; i < kLayerCount; ++i) {
        style.colours[i] = qcolour(pens[i].colour);
        style.widthsPx[i] = mm(pens[i].widthMm);
    }
    style.dashPx = mm(2.0);
    style.gapPx = mm(1.0);
    {
        // The drawing never reaches over the frame or into the title block.
        QRegion inside(mm.rect(l.frame).toAlignedRect());
        inside -= QRegion(mm.rect(l.titleBlock).toAlignedRect());
        PainterSurface s(p, v, layers);
        s.setPrintStyle(style);
        p.fillRect(QRectF(0, 0, v.BoxWidthPx, v.BoxHeightPx), Qt::white);
        p.setClipRegion(inside);
        redraw(s, page.wall);
        s.flush();
        p.setClipping(false);
    }
    p.setPen(QPen(Qt::black, mm(kFrameWidthMm)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(mm.rect(l.frame));
    paintTitleBlock(p, mm, l, page.titleBlock);
    p.restore();
}

SheetPdfResult writeSheetsPdf(const std::string &path, const SheetPlan &plan,
                              const LayerSettings &layers, bool inColour,
                              const std::function<void(int, int)> &progress) {
    SheetPdfResult r;
    if (plan.pages.empty()) {
        r.error = path + ": nessuna tavola da scrivere";
        return r;
    }
    ensureQtGui();
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        r.error = "Impossibile scrivere " + path + " (" + file.errorString().toStdString() + ")";
        return r;
    }
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(kSheetPdfDpi);
        pdf.setCreator(QStringLiteral("MURCAD Vavire"));
        pdf.setTitle(QStringLiteral("Tavole pareti"));
        pdf.setPageLayout(qtPageLayout(plan.pages.front().layout));
        QPainter p;
        if (!p.begin(&pdf)) {
            file.cancelWriting();
            r.error = "Impossibile scrivere " + path + " (PDF non avviato)";
            return r;
        }
        const int n = static_cast<int>(plan.pages.size());
        for (int i = 0; i < n; ++i) {
            if (progress)
                progress(i, n);
            if (i > 0) {
                pdf.setPageLayout(qtPageLayout(plan.pages[i].layout));
                pdf.newPage();
            }
            paintSheetPage(p, kSheetPdfDpi, plan.pages[i], layers, inColour);
        }
        p.end();
        r.pages = n;
    }
    if (file.error() != QFileDevice::NoError || !file.commit()) {
        r.error = "Impossibile scrivere " + path + " (" + file.errorString().toStdString() + ")";
        r.pages = 0;
        return r;
    }
    r.bytes = QFileInfo(QString::fromStdString(path)).size();
    r.written = true;
    return r;
}

} // namespace murcad
