#pragma once

#include "Translator.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;
class QUrl;

namespace tav::widgets {

// The page of a context number in the current language (HOME/Help/<language>/<context>.html).
QString helpPagePath(int context);

// Shows the page of a context in the help viewer, opening the viewer or raising the open one;
// `from` is the window that asks. A missing page shows message 179 with its path and gives false.
bool showHelp(int context, QWidget *from = nullptr);

// F1 in the window (a dialog or any top-level window) shows the page of that context, as its
// "Hilfe" button does.
void setHelpKey(QWidget *window, int context);

// The help viewer: one at a time, with back, forward and contents. It lives beside the window
// that asked; while a modal dialog runs it belongs to that dialog, so it can be read there too.
class THilfeFenster : public QWidget, public Translatable
{
    Q_OBJECT
  public:
    static constexpr int InhaltKontext = 1001;

    // the open viewer, if any
    static THilfeFenster *current();

    // shows the page of a context; false (and message 179) when it is missing
    bool zeige(int context);
    int context() const { return m_context; }

    void translate(const app::Sprache &catalogue, int tag, int offset) override;

    QTextBrowser *Browser;
    QPushButton *BZurueck, *BVor, *BInhalt, *BSchliessen;

  private:
    explicit THilfeFenster(QWidget *parent);
    friend bool showHelp(int, QWidget *);

    bool laden(const QUrl &url);
    void linkAngeklickt(const QUrl &url);

    int m_context = 0;
    int m_language = -1;
};

} // namespace tav::widgets
