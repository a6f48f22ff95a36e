#include "ReportPainter.h"
#include "ReportFont.h"

#include "app/Ausgabeziel.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace tav::report {

void paintPage(QPainter &painter, const Page &page)
{
    paintPage(painter, page, painter.device()->logicalDpiX() / 25.4);
}

void paintPage(QPainter &painter, const Page &page, double dotsPerMm)
{
    painter.save();
    // one painter unit is a hundredth of a millimetre
    painter.scale(dotsPerMm / UnitsPerMm, dotsPerMm / UnitsPerMm);
    painter.setRenderHint(QPainter::Antialiasing);
    auto units = [](const QRectF &mm) {
        return QRectF(mm.left() * UnitsPerMm, mm.top() * UnitsPerMm, mm.width() * UnitsPerMm,
                      mm.height() * UnitsPerMm);
    };
    for (const DrawOp &op : page.ops) {
        const QRectF r = units(op.rect);
        switch (op.kind) {
        case DrawOp::Kind::Text:
            painter.setFont(qtFont(op.font));
            painter.setPen(op.font.colour);
            painter.drawText(r, int(op.align | Qt::AlignTop) | Qt::TextDontClip, op.text);
            break;
        case DrawOp::Kind::Line:
            painter.setPen(QPen(Qt::black, op.penWidth * UnitsPerMm));
            painter.drawLine(r.topLeft(), r.bottomRight());
            break;
        case DrawOp::Kind::Rect:
            painter.setPen(op.penWidth > 0 ? QPen(Qt::black, op.penWidth * UnitsPerMm) : QPen(Qt::NoPen));
            painter.setBrush(op.fill.alpha() ? QBrush(op.fill) : QBrush(Qt::NoBrush));
            painter.drawRect(r);
            break;
        case DrawOp::Kind::Image: painter.drawImage(r, op.image); break;
        }
    }
    painter.restore();
}

WriteResult checkWritable(const QString &path)
{
    if (const app::Ausgabeziel ziel = app::ausgabezielPruefen(path); !ziel.erlaubt())
        return {ziel.meldung, ziel.pfad};
    const QFileInfo file(path);
    if (file.isDir())
        return {MsgFolderNamed, QDir::toNativeSeparators(file.absoluteFilePath())};
    // a read-only file would otherwise be replaced by the save file's rename
    // a file without any write permission counts as read-only even for a user the system lets write it
    if (file.exists() &&
        (!file.isWritable() ||
         !(file.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther))))
        return {MsgReadOnlyFile, QDir::toNativeSeparators(file.absoluteFilePath())};
    const QFileInfo folder(file.absolutePath());
    if (path.isEmpty() || !folder.isDir() || !folder.isWritable())
        return {MsgFolderMissing, QDir::toNativeSeparators(folder.absoluteFilePath())};
    return {};
}

namespace {

template <class Write> WriteResult writeSafely(const QString &path, Write write)
{
    if (WriteResult r = checkWritable(path); !r.ok())
        return r;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {MsgNotWritten, file.errorString()};
    // commit() does not notice a failing last flush (a full disk): flushed and checked first
    errno = 0;
    if (!write(file) || !file.flush()) {
        const QString grund = errno ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
        file.cancelWriting();
        return {MsgNotWritten, grund};
    }
    if (!file.commit())
        return {MsgNotWritten, file.errorString()};
    return {};
}

} // namespace

WriteResult writeFile(const QByteArray &bytes, const QString &path)
{
    return writeSafely(path, [&](QSaveFile &f) { return f.write(bytes) == bytes.size(); });
}

WriteResult writePdf(const Pages &pages, const QString &path)
{
    return writeSafely(path, [&](QSaveFile &file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(pages.title);
        pdf.setCreator(QStringLiteral("Tavrenno"));
        pdf.setResolution(600);
        auto pageLayout = [](bool landscape) {
            return QPageLayout(QPageSize(QPageSize::A4),
                               landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                               QMarginsF(0, 0, 0, 0));
        };
        pdf.setPageLayout(pageLayout(pages.pages.value(0).landscape));
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        for (int i = 0; i < pages.pages.size(); ++i) {
            if (i > 0 && (!pdf.setPageLayout(pageLayout(pages.pages[i].landscape)) || !pdf.newPage()))
                return false;
            paintPage(painter, pages.pages[i]);
        }
        return painter.end() && file.error() == QFileDevice::NoError;
    });
}

} // namespace tav::report
