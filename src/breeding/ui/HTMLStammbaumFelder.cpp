// HTMLStammbaumFelder: the HTML pedigree window's head: the field tiles in their three boxes, the
// options of a field, and the head preview of the current cat.
#include "HTMLStammbaumFenster.h"

#include "app/Global.h"
#include "app/ProgramHome.h"
#include "app/Sprache.h"
#include "shell/Shell.h"
#include "store/EngineError.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace tav::breeding::ui {

namespace {
constexpr int KastenHoehe = 396;
constexpr int KastenOben = 5;

QButtonGroup *optionenGruppe(QGroupBox *box, int tag, const char *a, const char *b)
{
    box->setProperty("tag", tag);
    box->setProperty("radioGroup", true);
    auto *g = new QButtonGroup(box);
    auto *l = new QVBoxLayout(box);
    int id = 0;
    for (const char *t : {a, b}) {
        auto *r = new QRadioButton(QString::fromUtf8(t), box);
        g->addButton(r, id++);
        l->addWidget(r);
    }
    return g;
}
} // namespace

void HTMLFelderFlaeche::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    for (int k = 0; k < 3; ++k) {
        if (k == 1 && !zweiter)
            continue;
        p.drawRect(kasten[k].adjusted(0, 0, -1, -1));
        p.drawText(kasten[k].adjusted(4, 2, -4, 0), Qt::AlignLeft | Qt::AlignTop, app::captionText(6730 + k));
    }
}

QWidget *TFormHTMLStammbaum::bauenFelder()
{
    auto *flaeche = Kaesten = new HTMLFelderFlaeche(this);
    flaeche->setObjectName(QStringLiteral("Anordnung"));
    flaeche->setMinimumSize(480, KastenHoehe + 2 * KastenOben);
    for (int i = 1; i <= HTMLKopfFelder; ++i) {
        auto *tile = new QFrame(flaeche);
        tile->setObjectName(QStringLiteral("Feld_%1").arg(i));
        tile->setFrameShape(QFrame::Box);
        tile->setLineWidth(2);
        tile->setAutoFillBackground(true);
        QPalette p = tile->palette();
        p.setColor(QPalette::Window, Qt::white);
        tile->setPalette(p);
        tile->setFixedHeight(20);
        auto *l = new QHBoxLayout(tile);
        l->setContentsMargins(4, 0, 0, 0);
        auto *text = new QLabel(app::captionText(1402 + i), tile);
        text->setAttribute(Qt::WA_TransparentForMouseEvents);
        // a narrow box cuts the caption; its tip shows it whole
        text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        tile->setToolTip(text->text());
        auto *optionen = new QPushButton(QStringLiteral("Optionen"), tile);
        optionen->setObjectName(QStringLiteral("Optionen_%1").arg(i));
        optionen->setProperty("tag", 6733);
        optionen->setFixedSize(50, 16);
        QFont klein = optionen->font();
        klein.setPointSize(5);
        optionen->setFont(klein);
        l->addWidget(text, 1);
        l->addWidget(optionen);
        tile->installEventFilter(this);
        connect(optionen, &QPushButton::clicked, this, [this, i] { optionenZeigen(i); });
        Feld[i] = tile;
    }
    return flaeche;
}

QWidget *TFormHTMLStammbaum::bauenOptionen()
{
    auto *seite = new QWidget(this);
    auto *l = new QVBoxLayout(seite);
    auto *ueber = new QLabel(QStringLiteral("Optionen für"), seite);
    ueber->setProperty("tag", 6734);
    LabelOptionen = new QLabel(seite);
    LabelOptionen->setProperty("dataText", true);
    auto *ausgabe = new QGroupBox(QStringLiteral("Ausgabe"), seite);
    Ausgabe = optionenGruppe(ausgabe, 6735, "mit Feldbezeichnung", "ohne Feldbezeichnung");
    auto *leer = new QGroupBox(QStringLiteral("wenn Feld leer"), seite);
    FeldLeer = optionenGruppe(leer, 6738, "Feld weglassen", "leeres Feld ausgeben");
    auto *zurueck = new QPushButton(QStringLiteral("Zurück"), seite);
    zurueck->setObjectName(QStringLiteral("OptionenZurueck"));
    zurueck->setProperty("tag", 6741);
    l->addWidget(ueber);
    l->addWidget(LabelOptionen);
    l->addWidget(ausgabe);
    l->addWidget(leer);
    l->addWidget(zurueck);
    l->addStretch(1);
    connect(zurueck, &QPushButton::clicked, this, [this] { Seiten->setCurrentIndex(0); });
    connect(Ausgabe, &QButtonGroup::idClicked, this, [this](int id) {
        if (optionen_setzen || !tmpOptionenFeld)
            return;
        spalte_pos[tmpOptionenFeld].mitBez = id;
        MakeKopf();
    });
    connect(FeldLeer, &QButtonGroup::idClicked, this, [this](int id) {
        if (optionen_setzen || !tmpOptionenFeld)
            return;
        spalte_pos[tmpOptionenFeld].weglassen = id;
        MakeKopf();
    });
    return seite;
}

void TFormHTMLStammbaum::optionenZeigen(int feld)
{
    tmpOptionenFeld = feld;
    {
        const QScopedValueRollback<bool> setzend(optionen_setzen, true);
        LabelOptionen->setText(app::captionText(1402 + feld));
        Ausgabe->button(spalte_pos[feld].mitBez == 1 ? 1 : 0)->setChecked(true);
        FeldLeer->button(spalte_pos[feld].weglassen == 0 ? 0 : 1)->setChecked(true);
    }
    Seiten->setCurrentIndex(1);
}

void TFormHTMLStammbaum::kaestenLegen()
{
    QWidget *flaeche = Kaesten;
    const int breite = qMax(60, (flaeche->width() - 55) / 3);
    for (int k = 0; k < 3; ++k)
        Kaesten->kasten[k] = QRect(5 + k * (breite + 5), KastenOben, breite, KastenHoehe);
    for (int k = 1; k <= HTMLKopfFelder; ++k) {
        for (int spalte = 1; spalte <= 3; ++spalte) {
            if (const int feld = FelderSortierung[k][spalte]) {
                Feld[feld]->setGeometry(Kaesten->kasten[spalte - 1].x() + 5, spalte_pos[feld].pos,
                                        breite - 10, 20);
                Feld[feld]->raise();
            }
        }
    }
}

void TFormHTMLStammbaum::normalisieren()
{
    if (Feld[1]->parentWidget()->width() > 0 && Feld[1]->width() > 0) {
        const int breite = Kaesten->kasten[0].width();
        for (int i = 1; i <= HTMLKopfFelder; ++i) {
            const QRect r = Feld[i]->geometry();
            int spalte = 3;
            if (r.left() < Kaesten->kasten[0].right())
                spalte = 1;
            else if (Kaesten->zweiter && r.left() < Kaesten->kasten[1].x() + breite)
                spalte = 2;
            spalte_pos[i].spalte = spalte;
            spalte_pos[i].pos = r.top();
        }
    }
    FelderSortierung = htmlNormalisieren(spalte_pos, KastenOben);
    kaestenLegen();
    QWidget *vorher = nullptr;
    for (int spalte = 1; spalte <= 3; ++spalte) {
        for (int k = 1; k <= HTMLKopfFelder; ++k) {
            if (const int feld = FelderSortierung[k][spalte]) {
                if (vorher)
                    setTabOrder(vorher, Feld[feld]);
                vorher = Feld[feld];
            }
        }
    }
    MakeKopf();
}

void TFormHTMLStammbaum::bildPosGeaendert()
{
    const int pos = BildPos->checkedId();
    const bool seitlich = pos == 0 || pos == 2;
    Kaesten->zweiter = !seitlich;
    Kaesten->update();
    MemoSpalte2->setEnabled(!seitlich);
    if (seitlich) {
        for (int i = 1; i <= HTMLKopfFelder; ++i) {
            if (spalte_pos[i].spalte == 2)
                spalte_pos[i].spalte = 3;
        }
    }
    for (QWidget *w : {static_cast<QWidget *>(EditBild), static_cast<QWidget *>(EditBildWeite),
                       static_cast<QWidget *>(EditBildHoehe)})
        w->setEnabled(pos != 3);
    FelderSortierung = htmlNormalisieren(spalte_pos, KastenOben);
    kaestenLegen();
    MakeKopf();
}

void TFormHTMLStammbaum::resizeEvent(QResizeEvent *e)
{
    ChildWindow::resizeEvent(e);
    kaestenLegen();
}

bool TFormHTMLStammbaum::eventFilter(QObject *watched, QEvent *e)
{
    auto *tile = qobject_cast<QFrame *>(watched);
    if (tile && tile->objectName().startsWith(QLatin1String("Feld_"))) {
        auto *m = static_cast<QMouseEvent *>(e);
        switch (e->type()) {
        case QEvent::MouseButtonPress:
            if (m->button() == Qt::LeftButton) {
                m_ziehStart = m->position().toPoint();
                tile->raise();
                return true;
            }
            break;
        case QEvent::MouseMove:
            if (m->buttons() & Qt::LeftButton) {
                tile->move(tile->mapToParent(m->position().toPoint()) - m_ziehStart);
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (m->button() == Qt::LeftButton) {
                normalisieren();
                return true;
            }
            break;
        default: break;
        }
    }
    return ChildWindow::eventFilter(watched, e);
}

void TFormHTMLStammbaum::katzeSetzen(qint32 katze)
{
    if (katze <= 0) {
        shell::Shell *mw = shell::Shell::current();
        shell::CatRecord *record = mw ? mw->catRecord() : nullptr;
        katze = record && record->angemeldet() ? record->druckKatze() : mw ? mw->currentListCat() : 0;
    }
    m_katze = katze;
    EditBild->clear();
    app::TDatenGlobal *global = app::TDatenGlobal::instance();
    if (global && BildPos->checkedId() != 3) {
        const QString bild = global->Katzendaten(3, m_katze, false, 1).bild;
        if (!bild.isEmpty() && QFileInfo(bild).isFile())
            EditBild->setText(QFileInfo(bild).fileName());
    }
    QString name;
    if (global && global->dbKatze->isOpen() && m_katze > 0 && global->dbKatze->findKey({m_katze}))
        name = global->dbKatze->text(QStringLiteral("Name"));
    EditPfad->setText(htmlStandardPfad(m_ini.HTMLPfad, app::programHome(), name));
    FelderSortierung = htmlNormalisieren(spalte_pos, KastenOben);
    MakeKopf();
}

void TFormHTMLStammbaum::MakeKopf()
{
    MemoName->clear();
    MemoSpalte1->clear();
    MemoSpalte2->clear();
    TitelKatze = false;
    if (m_katze <= 0)
        return;
    const HTMLSeitenSprache sprache = seitenSprache();
    app::TDatenGlobal *global = app::TDatenGlobal::instance();
    HTMLKopfDaten d;
    try {
        d = htmlKopfDatenLesen(*m_db, m_katze, sprache.englischeNamen,
                               [global](qint32 n) { return global ? global->GetTitel(n) : QString(); });
    } catch (const store::EngineError &e) {
        qWarning("%s", qPrintable(e.what()));
        return;
    }
    // the coefficients as the cat record window shows them
    if (auto *mw = shell::Shell::current()) {
        if (QWidget *ik = mw->frame()->findChild<QWidget *>(QStringLiteral("DBInzuchtAnz")))
            d.inzucht = ik->property("text").toString();
        if (QWidget *avk = mw->frame()->findChild<QWidget *>(QStringLiteral("DBAhnenverlustAnz")))
            d.ahnenverlust = avk->property("text").toString();
    }
    const auto caption = htmlCaptions(app::sprache(), sprache.sprache);
    TitelKatze = !d.titel.isEmpty();
    MemoName->setPlainText(htmlNameZeile(d));
    MemoSpalte1->setPlainText(
        htmlKopfSpalte(1, FelderSortierung, spalte_pos, d, caption).join(QLatin1Char('\n')));
    MemoSpalte2->setPlainText(
        htmlKopfSpalte(2, FelderSortierung, spalte_pos, d, caption).join(QLatin1Char('\n')));
    MemoSpalte1->moveCursor(QTextCursor::Start);
    MemoSpalte2->moveCursor(QTextCursor::Start);
}

} // namespace tav::breeding::ui
