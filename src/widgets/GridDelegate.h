// GridDelegate: paints the cells of the data grids.
#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

namespace tav::widgets {

// Paints the cells of the data grids: background (the row's colour or the selection), one line of
// text cut off with "..." where it is too wide. The style's general item painting lays every cell
// out as a paragraph; a grid cell is one line, which is several times cheaper to draw. Editing is
// left to the styled delegate.
class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    // the text as it is drawn into `width` pixels
    static QString fitted(const QFontMetricsF &fm, const QString &text, qreal width);

    // a column with a pick list is edited in a drop-down box; an editable lookup column in one
    // that lists its lookup table's rows and writes the chosen row's key
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

    // draws the grid lines itself (the view's own are off): filling a line of pixels is far
    // cheaper than the view's line drawing
    void setGridLines(bool on) { m_gridLines = on; }

  protected:
    // A date cell is left only with a date (or nothing): anything else is refused with the date
    // message, and the editor stays (or opens again) with the user's text.
    bool eventFilter(QObject *editor, QEvent *event) override;

  private:
    bool datumFalsch(QWidget *editor) const;
    void datumMelden(QWidget *editor) const;
    bool m_gridLines = false;
    mutable bool m_meldet = false;
    // a refused date cell opened again: its index and the text the user had typed
    mutable QPersistentModelIndex m_wiederIndex;
    mutable QString m_wiederText;
    mutable qint64 m_paletteKey = -1;
    mutable QColor m_gridColour;
};

} // namespace tav::widgets
