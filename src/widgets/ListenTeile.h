// ListenTeile: the parts the list windows (reference lists, office lists) are built of.
#pragma once

#include <QString>

class QGridLayout;
class QPushButton;
class QTabWidget;
class QWidget;

namespace tav::widgets {

class DataSource;

QPushButton *listenKnopf(int tag, const QString &name, const QString &text, QWidget *parent);

// The pages "&Felder" (the edit fields) and "&Tabelle" (the grid).
QTabWidget *felderUndTabelle(QWidget *felder, QWidget *grid, QWidget *parent);

// Ends a page of fields laid out in `g` with the record navigator (first, prior, next, last) in
// row `zeile` and lets the rows below take the free height.
void navigatorAnhaengen(QGridLayout *g, int zeile, DataSource *source, QWidget *seite);

} // namespace tav::widgets
