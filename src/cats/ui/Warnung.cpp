#include "Warnung.h"

#include "app/Systemi.h"
#include "store/Database.h"
#include "widgets/Dialogs.h"
#include "widgets/Help.h"
#include "widgets/Translator.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <optional>

using namespace tav::app;
using namespace tav::widgets;

namespace tav::cats::ui {

namespace {
enum WarnungTag {
    TagFenster = 6520,
    TagVerfallen,
    TagImpfungenFaellig,
    TagWurmkurenFaellig,
    TagMedikamentSpalte,
    TagNaechsteAmSpalte,
    TagKatzeSpalte,
    TagOk
};
constexpr int MeldungTabellenfehler = 11;

std::optional<WarnungsListen> g_gefunden;
QPointer<TFormWarnungen> g_fenster;

QString kurz(const QDate &d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QWidget *panel(int tag, const char *titel, const QList<int> &spalten, const QList<QStringList> &zeilen,
               QWidget *parent)
{
    auto *p = new QWidget(parent);
    auto *l = new QVBoxLayout(p);
    l->setContentsMargins(0, 0, 0, 0);
    auto *kopf = new QLabel(QString::fromUtf8(titel), p);
    kopf->setProperty("tag", tag);
    QFont f = kopf->font();
    f.setBold(true);
    kopf->setFont(f);
    l->addWidget(kopf);
    auto *grid = new QTableWidget(int(zeilen.size()), int(spalten.size()), p);
    grid->setObjectName(QStringLiteral("Grid%1").arg(tag));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    // header items for the translator to fill
    QVariantList tags;
    for (int t : spalten) {
        tags << t;
        grid->setHorizontalHeaderItem(int(tags.size()) - 1, new QTableWidgetItem);
    }
    grid->setProperty("columnTags", tags);
    for (int r = 0; r < zeilen.size(); ++r) {
        for (int c = 0; c < zeilen[r].size(); ++c)
            grid->setItem(r, c, new QTableWidgetItem(zeilen[r][c]));
    }
    l->addWidget(grid, 1);
    p->hide();
    return p;
}

QList<QStringList> termine(const QVector<FaelligerTermin> &t)
{
    QList<QStringList> z;
    for (const FaelligerTermin &f : t)
        z << QStringList{kurz(f.naechste), f.katze};
    return z;
}
} // namespace

void TFormWarnungen::Warnungen(tav::store::Database &db)
{
    const tsysteminfo *s = tsysteminfo::instance();
    WarnungsPruefungen p;
    if (s) {
        p.verfallsdatum = s->WarnungVerfallsdatum;
        p.impfung = s->WarnungImpfung;
        p.wurmkur = s->WarnungWurmkur;
    }
    g_gefunden = warnungenPruefen(db, QDate::currentDate(), p);
    for (const QString &datei : std::as_const(g_gefunden->nichtGeoeffnet))
        showMessage(MeldungTabellenfehler, MsgIcon::Error, MsgButtons::Ok, QString(),
                    QLatin1Char(' ') + datei);
}

TFormWarnungen *TFormWarnungen::FensterZeigen(QWidget *parent)
{
    // the checks ran once; what they found is shown once
    const std::optional<WarnungsListen> gefunden = std::exchange(g_gefunden, std::nullopt);
    if (!gefunden || naechsteWarnungsListe(*gefunden) == WarnungsListe::Keine)
        return nullptr;
    auto *w = new TFormWarnungen(*gefunden, parent);
    w->show();
    return w;
}

TFormWarnungen *TFormWarnungen::instance()
{
    return g_fenster;
}

TFormWarnungen::TFormWarnungen(const WarnungsListen &listen, QWidget *parent)
    : QDialog(parent), m_listen(listen)
{
    g_fenster = this;
    setObjectName(QStringLiteral("FormWarnungen"));
    setProperty("tag", TagFenster);
    setWindowTitle(QStringLiteral("Warnungen"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    auto *l = new QVBoxLayout(this);
    QList<QStringList> medikamente;
    for (const QString &m : std::as_const(m_listen.medikamente))
        medikamente << QStringList{m};
    m_panels[0] =
        panel(TagVerfallen, "Achtung, Verfallsdatum überschritten", {TagMedikamentSpalte}, medikamente, this);
    m_panels[1] = panel(TagImpfungenFaellig, "Fällige Impfungen", {TagNaechsteAmSpalte, TagKatzeSpalte},
                        termine(m_listen.impfungen), this);
    m_panels[2] = panel(TagWurmkurenFaellig, "Fällige Wurmkuren", {TagNaechsteAmSpalte, TagKatzeSpalte},
                        termine(m_listen.wurmkuren), this);
    for (QWidget *p : m_panels)
        l->addWidget(p, 1);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setProperty("tag", TagOk);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TFormWarnungen::Button1Click);
    l->addWidget(ok, 0, Qt::AlignHCenter);
    translateOnCreate(this);
    resize(380, 300);
    zeigen(naechsteWarnungsListe(m_listen));
}

void TFormWarnungen::zeigen(WarnungsListe liste)
{
    m_gezeigt = liste;
    for (int i = 0; i < 3; ++i)
        m_panels[i]->setVisible(int(liste) == i + 1);
}

void TFormWarnungen::Button1Click()
{
    const WarnungsListe naechste = naechsteWarnungsListe(m_listen, m_gezeigt);
    if (naechste == WarnungsListe::Keine)
        close();
    else
        zeigen(naechste);
}

void TFormWarnungen::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_F1) {
        showHelp(HilfeKontext, this);
        return;
    }
    QDialog::keyPressEvent(e);
}

} // namespace tav::cats::ui
